#pragma once
// The toolkit layer: everything the program's windows need from a windowing system, addressed
// by the program's fixed window, gadget, menu-item and image numbers. Two backends implement
// it: wx (real windows on screen) and headless (an in-memory double that tests drive as a user).
//
// Rules every backend keeps:
// - Changes made by the program (set text, select item, clear a list, tick a box) raise no
//   events; only a user's own actions do.
// - Positions are pixels in the window's client area; sizes are inner sizes.
// - A gadget number is unique within its window; kUnnumbered gadgets cannot be addressed later.
// - Tab moves the focus through a window's gadgets as gui/tab_stops.h orders them, whatever
//   order they were created in; a window shown for the first time gives the focus to its first
//   stop, and a window enabled again gives it back to the gadget that had it.
// - Menu titles and items get access keys (gui/access_keys.h) where the platform shows them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/image.h"

namespace gui {

inline constexpr int kUnnumbered = -1;
inline constexpr int kNoParent = -1;
inline constexpr int kNoImage = -1;
inline constexpr int kNoSelection = -1;

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class FrameStyle {
  Borderless,  // no title bar, no border (the splash)
  Main,        // title bar, system menu, minimise and maximise boxes, not resizable
  Selection,   // title bar, system menu, minimise and maximise boxes, fixed-size border
  Dialog,      // title bar, system menu and close box only, not resizable
};

enum class Placement {
  CentreOnScreen,
  CentreOnParent,       // centred on the parent's client area
  CentreOnParentFrame,  // centred over the parent's outer frame, never left of or above 0, 0
};

struct WindowSpec {
  int number = 0;
  std::string title;
  int width = 0, height = 0;  // inner size
  FrameStyle style = FrameStyle::Main;
  int parent = kNoParent;  // owner window; a child window stays above its owner
  Placement placement = Placement::CentreOnScreen;
  bool hidden = false;  // created hidden, shown later with showWindow
};

struct MenuItem {
  int id = 0;
  std::string text;
};

struct MenuTitle {
  std::string title;
  std::vector<MenuItem> items;
};

struct ListColumn {
  std::string title;
  int width = 0;  // 0: closed on screen until the user widens it; the cells still hold their texts
};

struct RowStyle {
  std::optional<Rgb> background;       // whole row; empty: the list's default
  std::optional<Rgb> firstCellColour;  // text colour of column 0 only; empty: default
  friend bool operator==(const RowStyle&, const RowStyle&) = default;
};

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// A standard file dialog: which file to open, or under which name to save.
struct FileChoice {
  bool save = false;   // save: asks before replacing a file; open: the file must exist
  std::string title;
  std::string folder;  // where the dialog starts
  std::string name;    // the name it offers (save)
  std::string filter;  // "Проекты ORVEX (*.csv)|*.csv", as wx writes filters
};

enum class EventKind { CloseRequest, Menu, Gadget };

// The gadget event types; a left click is type 0, as the handlers compare it.
enum class GadgetEvent { LeftClick = 0, Change, LostFocus, Other };

struct Event {
  int window = 0;
  EventKind kind = EventKind::Gadget;
  int item = 0;  // menu item id or gadget number
  GadgetEvent type = GadgetEvent::Other;
  friend bool operator==(const Event&, const Event&) = default;
};

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // Image slots: pictures that picture gadgets show by slot number. A slot keeps its source
  // and holds the decoded picture only while a picture gadget shows it; image() decodes afresh
  // (an empty image for an empty slot).
  virtual void setImage(int slot, ImageSource source) = 0;
  virtual Image image(int slot) const = 0;

  // Windows. openWindow returns false when the window cannot be opened.
  virtual bool openWindow(const WindowSpec& layout) = 0;
  virtual void closeWindow(int window) = 0;
  virtual bool windowExists(int window) const = 0;
  virtual void showWindow(int window) = 0;
  virtual void activateWindow(int window) = 0;  // bring to the front and give it the focus
  virtual void enableWindow(int window, bool enabled) = 0;
  virtual bool windowEnabled(int window) const = 0;
  virtual void setMenu(int window, const std::vector<MenuTitle>& menu) = 0;
  // Lets the windows paint what is pending, without delivering any user event (a splash
  // must be seen before the program waits).
  virtual void paintPending() = 0;

  // Gadgets, created in the given window.
  virtual void addLabel(int window, int gadget, Rect place, std::string_view text) = 0;
  virtual void addTextField(int window, int gadget, Rect place) = 0;
  virtual void addReadOnlyText(int window, int gadget, Rect place) = 0;  // multi-line
  virtual void addComboBox(int window, int gadget, Rect place) = 0;      // not editable
  // Option buttons created one after another with the same group form one group.
  virtual void addOption(int window, int gadget, Rect place, std::string_view text, int group) = 0;
  virtual void addCheckBox(int window, int gadget, Rect place, std::string_view text) = 0;
  virtual void addFrame(int window, Rect place, std::string_view caption) = 0;
  virtual void addPicture(int window, int gadget, Rect place, int imageSlot) = 0;
  virtual void addButton(int window, int gadget, Rect place, std::string_view text) = 0;
  virtual void addHyperlink(int window, int gadget, Rect place, std::string_view text,
                            Rgb hoverColour) = 0;
  // Report-view list: single selection, whole rows, selection kept when the focus leaves,
  // columns reorderable by dragging their headers.
  virtual void addList(int window, int gadget, Rect place, const std::vector<ListColumn>& columns) = 0;

  // Properties of any gadget.
  virtual void setText(int window, int gadget, std::string_view text) = 0;
  virtual std::string text(int window, int gadget) const = 0;
  virtual void setEnabled(int window, int gadget, bool enabled) = 0;
  virtual bool enabled(int window, int gadget) const = 0;
  virtual void setTextColour(int window, int gadget, std::optional<Rgb> colour) = 0;  // empty: default
  virtual void setTooltip(int window, int gadget, std::string_view text) = 0;
  virtual void setHandCursor(int window, int gadget) = 0;
  virtual void setFocus(int window, int gadget) = 0;
  // The gadget that Tab reaches first, ahead of the reading order.
  virtual void setFirstTabStop(int window, int gadget) = 0;
  // Runs `action` when the user left-clicks the gadget, from inside waitEvent; such clicks
  // are not returned as events.
  virtual void bindLeftClick(int window, int gadget, std::function<void()> action) = 0;

  // Option buttons and check boxes.
  virtual void setChecked(int window, int gadget, bool checked) = 0;
  virtual bool checked(int window, int gadget) const = 0;

  // Pictures.
  virtual void setPicture(int window, int gadget, int imageSlot) = 0;  // kNoImage: empty

  // Combo boxes.
  virtual void addItem(int window, int gadget, std::string_view text, int data = 0) = 0;
  virtual void clearItems(int window, int gadget) = 0;
  virtual int itemCount(int window, int gadget) const = 0;
  virtual std::string itemText(int window, int gadget, int index) const = 0;
  virtual int itemData(int window, int gadget, int index) const = 0;
  // Combo boxes and lists (a list's row).
  virtual void selectItem(int window, int gadget, int index) = 0;  // kNoSelection: none
  virtual int selectedItem(int window, int gadget) const = 0;      // kNoSelection: none

  // Read-only multi-line text.
  virtual void appendLine(int window, int gadget, std::string_view line) = 0;

  // Lists.
  virtual void addRow(int window, int gadget, int position, const std::vector<std::string>& cells,
                      RowStyle style) = 0;
  // Replaces a row's cells and style in place; the selection stays.
  virtual void setRow(int window, int gadget, int row, const std::vector<std::string>& cells, RowStyle style) = 0;
  virtual void clearRows(int window, int gadget) = 0;
  virtual int rowCount(int window, int gadget) const = 0;
  virtual std::string cellText(int window, int gadget, int row, int column) const = 0;
  virtual int selectedRow(int window, int gadget) const = 0;  // kNoSelection: none

  // Dialog keys. Enter presses `defaultButton` and Escape presses `cancelButton` wherever the
  // focus is in the window, a text field included, exactly as a left click on that button
  // would (not while it is disabled); Enter on another focused button presses that button.
  // kUnnumbered leaves the key alone.
  virtual void setDialogButtons(int window, int defaultButton, int cancelButton) = 0;

  // Message boxes, modal for the whole program; return the answer.
  virtual MessageAnswer messageBox(std::string_view caption, std::string_view text,
                                   MessageButtons buttons) = 0;
  // A file dialog over the active window, modal for the whole program: the file's path (UTF-8),
  // or nothing when the user cancels.
  virtual std::optional<std::string> chooseFile(const FileChoice& choice) = 0;

  // Waits for the next event of any window (no time-out).
  virtual Event waitEvent() = 0;

  // While the program works on the user's behalf between two waitEvents (a transfer):
  // The busy cursor over every window, on or off.
  virtual void showBusyCursor(bool busy) = 0;
  // Lets the windows paint and takes the user's actions so far, without waiting. Those of
  // `window` are handed back here (and never by waitEvent); the others wait for waitEvent.
  virtual std::vector<Event> takeEvents(int window) = 0;
};

}  // namespace gui
