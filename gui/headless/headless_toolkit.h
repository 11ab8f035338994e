#pragma once
// The in-memory backend of the toolkit layer. It holds the whole state of every window and
// gadget, and lets a test act as a user: choose an item, type, leave a field, click, tick,
// select a list row, choose a menu item, press a close box. User actions queue events that
// waitEvent hands out, exactly as the real loop would get them. Message boxes take scripted
// answers and every box shown is recorded. Texts are kept as the screen shows them: bytes that
// are not valid UTF-8 become U+FFFD, as in the wx backend.
//
// Acting on a window or gadget that a user could not reach (missing, disabled, or behind a
// disabled window) throws std::logic_error, so a test cannot pass by doing the impossible.

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <variant>

#include "gui/tab_stops.h"
#include "gui/toolkit.h"

namespace gui {

// Thrown by waitEvent when the test has queued nothing more.
struct NoMoreEvents : std::runtime_error {
  NoMoreEvents() : std::runtime_error("no more user actions queued") {}
};

enum class GadgetKind {
  Label, TextField, ReadOnlyText, ComboBox, Option, CheckBox, Frame, Picture, Button, Hyperlink, List
};

struct HeadlessGadget {
  GadgetKind kind = GadgetKind::Label;
  int number = kUnnumbered;
  Rect place;
  std::string text;
  bool enabled = true;
  std::optional<Rgb> textColour;
  std::string tooltip;
  bool handCursor = false;
  bool checked = false;
  int group = 0;
  int image = kNoImage;
  Rgb hoverColour;
  std::vector<std::pair<std::string, int>> items;  // combo box: text and item data
  int selected = kNoSelection;                     // combo box item or list row
  std::vector<ListColumn> columns;
  std::vector<std::vector<std::string>> rows;
  std::vector<RowStyle> rowStyles;
  std::vector<std::string> lines;
  std::function<void()> onLeftClick;
};

struct HeadlessWindow {
  WindowSpec layout;
  bool shown = false;
  bool enabled = true;
  bool active = false;
  std::vector<MenuTitle> menu;
  std::vector<HeadlessGadget> gadgets;  // in creation order
  int defaultButton = kUnnumbered;  // pressed by Enter
  int cancelButton = kUnnumbered;   // pressed by Escape
  int firstTabStop = kUnnumbered;
  int focusBeforeDisabled = kUnnumbered;  // given the focus back when enabled again
};

enum class Key { Enter, Escape };

struct ShownMessage {
  std::string caption;
  std::string text;
  MessageButtons buttons = MessageButtons::Ok;
};

class HeadlessToolkit final : public Toolkit {
 public:
  // --- Toolkit ---
  void setImage(int slot, ImageSource source) override;
  Image image(int slot) const override;
  bool openWindow(const WindowSpec& layout) override;
  void closeWindow(int window) override;
  bool windowExists(int window) const override;
  void showWindow(int window) override;
  void activateWindow(int window) override;
  void enableWindow(int window, bool enabled) override;
  bool windowEnabled(int window) const override;
  void setMenu(int window, const std::vector<MenuTitle>& menu) override;
  void paintPending() override;
  void addLabel(int window, int gadget, Rect place, std::string_view text) override;
  void addTextField(int window, int gadget, Rect place) override;
  void addReadOnlyText(int window, int gadget, Rect place) override;
  void addComboBox(int window, int gadget, Rect place) override;
  void addOption(int window, int gadget, Rect place, std::string_view text, int group) override;
  void addCheckBox(int window, int gadget, Rect place, std::string_view text) override;
  void addFrame(int window, Rect place, std::string_view caption) override;
  void addPicture(int window, int gadget, Rect place, int imageSlot) override;
  void addButton(int window, int gadget, Rect place, std::string_view text) override;
  void addHyperlink(int window, int gadget, Rect place, std::string_view text, Rgb hoverColour) override;
  void addList(int window, int gadget, Rect place, const std::vector<ListColumn>& columns) override;
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
  void setChecked(int window, int gadget, bool checked) override;
  bool checked(int window, int gadget) const override;
  void setPicture(int window, int gadget, int imageSlot) override;
  void addItem(int window, int gadget, std::string_view text, int data) override;
  void clearItems(int window, int gadget) override;
  int itemCount(int window, int gadget) const override;
  std::string itemText(int window, int gadget, int index) const override;
  int itemData(int window, int gadget, int index) const override;
  void selectItem(int window, int gadget, int index) override;
  int selectedItem(int window, int gadget) const override;
  void appendLine(int window, int gadget, std::string_view line) override;
  void addRow(int window, int gadget, int position, const std::vector<std::string>& cells,
              RowStyle style) override;
  void setRow(int window, int gadget, int row, const std::vector<std::string>& cells, RowStyle style) override;
  void clearRows(int window, int gadget) override;
  int rowCount(int window, int gadget) const override;
  std::string cellText(int window, int gadget, int row, int column) const override;
  int selectedRow(int window, int gadget) const override;
  void setDialogButtons(int window, int defaultButton, int cancelButton) override;
  MessageAnswer messageBox(std::string_view caption, std::string_view text,
                           MessageButtons buttons) override;
  // Journal: "file dialog <title> in <folder>"; answers with the next scripted file choice.
  std::optional<std::string> chooseFile(const FileChoice& choice) override;
  // Hands out the queued user actions in order; bound left clicks run here. Throws
  // NoMoreEvents when nothing is queued.
  Event waitEvent() override;
  void showBusyCursor(bool busy) override;  // journal: "busy on", "busy off"
  // Journal: "events <window>", before the queue is looked at, so that an observer can act
  // as the user while the program works.
  std::vector<Event> takeEvents(int window) override;

  // --- Acting as a user ---
  // Choosing, typing, clicking and selecting move the focus as on screen: the field or list
  // that had it gets a lost-focus event first.
  void chooseItem(int window, int gadget, int index);      // combo box
  void chooseItem(int window, int gadget, std::string_view itemText);
  void type(int window, int gadget, std::string_view text);  // replaces the field's text
  void leave(int window, int gadget);                         // the focus leaves the field
  void click(int window, int gadget);  // button, option, check box, hyperlink, picture
  // A key pressed while the focus is in the window: presses a button as setDialogButtons says.
  void pressKey(int window, Key key);
  // Tab (Shift+Tab: `backward`) moves the focus to the next enabled stop (gui/tab_stops.h).
  void pressTab(int window, bool backward = false);
  void selectRow(int window, int gadget, int row);            // list; raises no handled event
  void chooseMenu(int window, int item);
  void pressClose(int window);
  bool hasQueuedActions() const { return !queue_.empty(); }

  // --- Scripting ---
  void answerNextMessage(MessageAnswer answer) { answers_.push_back(answer); }
  // The next file dialog's answer: a path, or nothing for Cancel.
  void answerNextFileDialog(std::optional<std::string> path) { fileAnswers_.push_back(std::move(path)); }
  const std::vector<FileChoice>& fileDialogs() const { return fileDialogs_; }
  void failToOpen(int window) { failing_.push_back(window); }
  // Called whenever a window is shown or a paint is requested, e.g. to check the clock.
  void onJournal(std::function<void(const std::string&)> observer) { observer_ = std::move(observer); }

  // --- Inspection ---
  const std::vector<ShownMessage>& messages() const { return messages_; }
  std::size_t unansweredScriptedMessages() const { return answers_.size(); }
  const std::vector<std::string>& journal() const { return journal_; }  // "open 0", "show 1", ...
  const HeadlessWindow& window(int window) const;
  const HeadlessGadget& gadget(int window, int gadget) const;
  bool windowShown(int window) const;
  // The gadgets of a window without a number of their own (labels, frames, logo pictures).
  std::vector<const HeadlessGadget*> unnumberedGadgets(int window) const;
  std::pair<int, int> focus() const { return focus_; }  // window, gadget
  bool busyCursor() const { return busyCursor_; }
  // The stops of Tab, in the order it visits them (disabled ones included); an option group
  // is one stop.
  std::vector<const HeadlessGadget*> tabOrder(int window) const;

 private:
  static std::string describe(int window, int gadget);  // for the errors a test gets
  HeadlessWindow& windowRef(int window);
  HeadlessGadget& gadgetRef(int window, int gadget);
  HeadlessGadget& add(int window, int gadget, GadgetKind kind, Rect place, std::string_view text);
  HeadlessGadget& reachable(int window, int gadget);  // checks that a user could act on it
  void queueClick(int window, const HeadlessGadget& target);
  // Gives the gadget the focus; the field or list that had it reports losing it.
  void moveFocus(int window, int gadget);
  void record(std::string entry);
  // The gadgets that can take the focus, and what Tab needs to know of each.
  std::vector<const HeadlessGadget*> tabCandidates(int window, std::vector<TabCandidate>& candidates) const;

  std::map<int, ImageSource> images_;
  std::map<int, HeadlessWindow> windows_;
  std::deque<std::variant<Event, std::function<void()>>> queue_;
  std::deque<MessageAnswer> answers_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::vector<FileChoice> fileDialogs_;
  std::vector<ShownMessage> messages_;
  std::vector<int> failing_;
  std::vector<std::string> journal_;
  std::function<void(const std::string&)> observer_;
  std::pair<int, int> focus_{kNoParent, kUnnumbered};
  bool busyCursor_ = false;
};

}  // namespace gui
