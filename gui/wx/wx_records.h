#pragma once
// What the backend keeps of each program window and each of its gadgets.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include <wx/font.h>
#include <wx/gdicmn.h>
#include <wx/radiobut.h>
#include <wx/string.h>
#include <wx/window.h>

#include "gui/scale.h"
#include "gui/toolkit.h"

namespace gui::wx {

class ListTable;
class ListGrid;
class ProgramFrame;
class ClientPanel;

enum class Kind {
  Label,
  TextField,
  ReadOnlyText,
  ComboBox,
  Option,
  CheckBox,
  Frame,
  Picture,
  Button,
  Hyperlink,
  List
};

struct GadgetRecord {
  Kind kind = Kind::Label;
  int number = kUnnumbered;
  Rect place;
  wxWindow* control = nullptr;  // empty for pictures, which the client panel draws
  // Pictures, which are no native controls: their image, state and tooltip. The hand cursor
  // is kept for labels too, which show it through the client panel as well.
  int imageSlot = kNoImage;
  bool enabled = true;
  wxString tooltip;
  bool handCursor = false;
  // Any gadget.
  std::function<void()> onLeftClick;
  // Options: the hidden button that is on while none of the group's options is.
  wxRadioButton* groupBlank = nullptr;
  // Combo boxes: the number stored with each item.
  std::vector<int> itemData;
  // Lists.
  ListGrid* grid = nullptr;
  ListTable* table = nullptr;
};

struct WindowRecord {
  WindowSpec wanted;  // as the program opened it
  int owner = kNoParent;  // the owner window it was really given (the one asked for existed)
  ProgramFrame* frame = nullptr;
  ClientPanel* panel = nullptr;
  double scale = 1.0;  // the window's scale s; places and sizes are given at s = 1
  wxFont font;         // the dialog font at that scale
  std::vector<std::unique_ptr<GadgetRecord>> gadgets;  // creation order
  std::map<int, GadgetRecord*> numbered;
  std::map<int, int> menuItems;  // wx command id -> program menu item id
  bool enabled = true;
  bool placed = false;
  int sizeRetakes = 0;  // in a row, so that a window manager that insists is not fought forever
  bool followsFocus = false;  // combo boxes' focus losses come from the frame (ProgramFrame)
  int defaultButton = kUnnumbered;  // pressed by Enter
  int cancelButton = kUnnumbered;   // pressed by Escape
  int firstTabStop = kUnnumbered;   // ahead of the reading order
  int lastFocus = kUnnumbered;      // the gadget that last had the focus
  std::optional<int> lastOptionGroup;
  wxRadioButton* groupBlank = nullptr;  // hidden first button of the latest option group

  // A place given at 96 dpi, in the window's pixels.
  wxRect onScreen(const Rect& place) const {
    const Rect r = scaled(place, scale);
    return wxRect(r.x, r.y, r.width, r.height);
  }
};

}  // namespace gui::wx
