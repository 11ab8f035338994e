#pragma once
// The on-screen toolkit backend, built on wxWidgets (GTK 3 on Linux).
//
// Every program window is a ProgramFrame holding one ClientPanel (wx_frames.h); lists are
// ListGrid controls (wx_list.h). User actions become entries of a first-in first-out queue
// that waitEvent() hands out one at a time; changes made by the program are made with calls
// that raise no wx events, and a "quiet" counter guards the few places where wx would raise
// one anyway.
//
// The members are defined by job: wx_toolkit.cpp (start-up, message boxes and the event
// queue), wx_windows.cpp (windows, their scale and menus), wx_keyboard.cpp (Tab, dialog keys
// and the focus), wx_gadgets.cpp (creating gadgets and binding their user actions),
// wx_gadget_state.cpp (what the program reads and changes on gadgets) and wx_pictures.cpp
// (image slots and the pictures the client panels paint).

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/evtloop.h>
#include <wx/event.h>
#include <wx/font.h>

#include "gui/toolkit.h"
#include "gui/wx/wx_records.h"

namespace gui::wx {

class WxToolkit final : public Toolkit {
 public:
  WxToolkit();
  ~WxToolkit() override;

  // --- Image slots ---------------------------------------------------------------------------

  void setImage(int slot, ImageSource source) override;
  Image image(int slot) const override;
  // The slot's decoded picture at scale s while a picture gadget of a window at that scale
  // shows it; null otherwise.
  const wxBitmap* bitmap(int slot, double scale) const;

  // --- Windows -------------------------------------------------------------------------------

  bool openWindow(const WindowSpec& wanted) override;
  void closeWindow(int window) override;
  bool windowExists(int window) const override;
  void showWindow(int window) override;
  void activateWindow(int window) override;
  void enableWindow(int window, bool enabled) override;
  bool windowEnabled(int window) const override;
  void setMenu(int window, const std::vector<MenuTitle>& menu) override;
  void paintPending() override;

  // --- Gadgets -------------------------------------------------------------------------------

  void addLabel(int window, int gadget, Rect place, std::string_view text) override;
  void addTextField(int window, int gadget, Rect place) override;
  void addReadOnlyText(int window, int gadget, Rect place) override;
  void addComboBox(int window, int gadget, Rect place) override;
  void addOption(int window, int gadget, Rect place, std::string_view text, int group) override;
  void addCheckBox(int window, int gadget, Rect place, std::string_view text) override;
  void addFrame(int window, Rect place, std::string_view caption) override;
  void addPicture(int window, int gadget, Rect place, int imageSlot) override;
  void addButton(int window, int gadget, Rect place, std::string_view text) override;
  void addHyperlink(int window, int gadget, Rect place, std::string_view text,
                    Rgb hoverColour) override;
  void addList(int window, int gadget, Rect place, const std::vector<ListColumn>& columns) override;

  // --- Properties of any gadget --------------------------------------------------------------

  void setText(int window, int gadget, std::string_view text) override;
  std::string text(int window, int gadget) const override;
  void setEnabled(int window, int gadget, bool enabled) override;
  bool enabled(int window, int gadget) const override;
  void setTextColour(int window, int gadget, std::optional<Rgb> colour) override;
  void setTooltip(int window, int gadget, std::string_view text) override;
  void setHandCursor(int window, int gadget) override;
  void setFocus(int window, int gadget) override;
  void setFirstTabStop(int window, int gadget) override;
  void bindLeftClick(int window, int gadget, std::function<void()> action) override;

  // --- Option buttons and check boxes --------------------------------------------------------

  void setChecked(int window, int gadget, bool checked) override;
  bool checked(int window, int gadget) const override;

  // --- Pictures ------------------------------------------------------------------------------

  void setPicture(int window, int gadget, int imageSlot) override;

  // --- Combo boxes ---------------------------------------------------------------------------

  void addItem(int window, int gadget, std::string_view text, int data) override;
  void clearItems(int window, int gadget) override;
  int itemCount(int window, int gadget) const override;
  std::string itemText(int window, int gadget, int index) const override;
  int itemData(int window, int gadget, int index) const override;
  void selectItem(int window, int gadget, int index) override;
  int selectedItem(int window, int gadget) const override;

  // --- Read-only multi-line text -------------------------------------------------------------

  void appendLine(int window, int gadget, std::string_view line) override;

  // --- Lists ---------------------------------------------------------------------------------

  void addRow(int window, int gadget, int position, const std::vector<std::string>& cells,
              RowStyle style) override;
  void setRow(int window, int gadget, int row, const std::vector<std::string>& cells, RowStyle style) override;
  void clearRows(int window, int gadget) override;
  int rowCount(int window, int gadget) const override;
  std::string cellText(int window, int gadget, int row, int column) const override;
  int selectedRow(int window, int gadget) const override;

  // --- Dialog keys ---------------------------------------------------------------------------

  void setDialogButtons(int window, int defaultButton, int cancelButton) override;

  // --- Message boxes -------------------------------------------------------------------------

  MessageAnswer messageBox(std::string_view caption, std::string_view text,
                           MessageButtons buttons) override;
  std::optional<std::string> chooseFile(const FileChoice& choice) override;

  // --- Events --------------------------------------------------------------------------------

  Event waitEvent() override;

  // --- While the program works -----------------------------------------------------------------

  void showBusyCursor(bool busy) override;
  std::vector<Event> takeEvents(int window) override;

  // --- Called by the frames, panels and gadget handlers --------------------------------------

  bool quiet() const { return quiet_ > 0; }

  void post(const Event& event);

  // A left click on a gadget: its bound action if it has one, else a queued event.
  void clicked(int window, const GadgetRecord& g);

  void menuChosen(int window, int wxId, wxCommandEvent& event);

  void frameActivated(int window);

  // The window's scale changed: its font, gadgets, lists and pictures follow.
  void rescaleWindow(int window);

  // The window was resized by someone else: it takes back the size the program gave it. A
  // window manager may still apply the size a window had before it was mapped (Wine under an
  // X window manager), and Windows applies its own suggested rectangle after a DPI change.
  void keepClientSize(int window);

  // A key pressed anywhere in the window, before the focused control sees it: true when it
  // was Tab, which moves the focus to the next stop (gui/tab_stops.h).
  bool tabPressed(int window, const wxWindow* frame, const wxKeyEvent& key);

  // The same key: true when it pressed one of the window's dialog buttons.
  bool dialogKeyPressed(int window, const wxWindow* frame, const wxKeyEvent& key);

  // The keyboard focus of a window moves from `oldFocus` to `newFocus` (GTK widgets; empty
  // when the window loses the focus): a combo box it leaves has lost the focus.
  void focusMoving(int window, const wxWindow* frame, WXWidget oldFocus, WXWidget newFocus);

  // A control of the window (or one inside it) got the focus: the window remembers whose.
  void focusEntered(int window, const wxWindow* frame, wxWindow* control);

  bool allShownPainted() const;

  // The window record of `window`, only while it is still the record of `frame`.
  WindowRecord* liveWindow(int window, const wxWindow* frame);

  // The topmost enabled picture of the window at `point`.
  const GadgetRecord* pictureAt(int window, wxPoint point) const;

  bool gadgetStillExists(int window, const GadgetRecord* gadget) const;

  // Paints the window's pictures in creation order.
  void paintPictures(int window, wxDC& dc) const;

  // The area a picture covers in its window: its place, or its image's size where the place
  // has none.
  wxRect pictureRect(const WindowRecord& record, const GadgetRecord& g) const;

 private:
  using QueueItem = std::variant<Event, std::function<void()>>;

  // A slot's source, and its decoded copies (bitmaps) at the scales of the windows whose
  // picture gadgets show it, by scale in thousandths.
  struct ImageSlot {
    ImageSource source;
    std::map<int, wxBitmap> bitmaps;
  };

  class Quiet {
   public:
    explicit Quiet(WxToolkit& toolkit) : toolkit_(toolkit) { ++toolkit_.quiet_; }
    ~Quiet() { --toolkit_.quiet_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

   private:
    WxToolkit& toolkit_;
  };

  WindowRecord* findWindow(int window);
  const WindowRecord* findWindow(int window) const;
  GadgetRecord* findGadget(int window, int gadget);
  const GadgetRecord* findGadget(int window, int gadget) const;
  GadgetRecord* findGadget(int window, int gadget, Kind kind);
  const GadgetRecord* findGadget(int window, int gadget, Kind kind) const;

  // The window the user works in: the last activated one, else any shown one.
  WindowRecord* activeRecord();

  GadgetRecord& add(WindowRecord& record, Kind kind, int number, const Rect& place,
                    wxWindow* control);

  void refreshPicture(WindowRecord& record, const GadgetRecord& g);
  // Decodes a slot's picture at a window's scale when a gadget there comes to show it; lets go
  // of the pictures that no gadget of an open window shows any more (the splash's once it
  // has closed).
  void holdPicture(int slot, double scale);
  void releaseUnshownPictures();

  // The handlers below find their gadget again through its window number and frame, so an
  // event that arrives while a window is being destroyed finds nothing and is dropped.
  void bindClick(int window, const GadgetRecord& g, wxWindow* control, wxEventType type);
  void bindChange(int window, const GadgetRecord& g, wxWindow* control, wxEventType type);
  void bindLostFocus(int window, const GadgetRecord& g, wxWindow* control);
  void bindList(int window, const GadgetRecord& g, ListGrid* grid);
  bool gadgetAlive(int window, const wxWindow* frame, const GadgetRecord* target);

  void place(WindowRecord& record);
  // Sizes the frame to the window's inner size at its scale, less a menu bar it has.
  void fitClientArea(WindowRecord& record);
  wxSize wantedClientSize(const WindowRecord& record) const;

  void focusGadget(GadgetRecord& g);

  std::unique_ptr<wxGUIEventLoop> loop_;
  std::map<int, std::unique_ptr<WindowRecord>> windows_;
  std::map<int, ImageSlot> images_;
  std::deque<QueueItem> queue_;
  std::optional<int> activeWindow_;
  int quiet_ = 0;
  int nextMenuId_ = wxID_HIGHEST + 1;
  bool busyCursor_ = false;
};

}  // namespace gui::wx
