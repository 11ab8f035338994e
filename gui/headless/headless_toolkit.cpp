#include "gui/headless/headless_toolkit.h"

#include <algorithm>
#include <string>

#include "gui/queued_events.h"
#include "gui/tab_stops.h"
#include "platform/utf8_text.h"

namespace gui {
namespace {

// A text as the screen shows it: the same repair of bytes that are not valid UTF-8.
std::string shown(std::string_view text) { return platform::validUtf8(text); }

}  // namespace

// --- Windows -------------------------------------------------------------------------------

void HeadlessToolkit::setImage(int slot, ImageSource source) {
  images_[slot] = std::move(source);
  record("image " + std::to_string(slot));
}

Image HeadlessToolkit::image(int slot) const {
  const auto found = images_.find(slot);
  return found == images_.end() || !found->second ? Image{} : found->second();
}

bool HeadlessToolkit::openWindow(const WindowSpec& layout) {
  if (std::find(failing_.begin(), failing_.end(), layout.number) != failing_.end()) return false;
  if (windows_.count(layout.number)) throw std::logic_error("window opened twice: " + std::to_string(layout.number));
  HeadlessWindow& window = windows_[layout.number];
  window.layout = layout;
  window.layout.title = shown(layout.title);
  window.shown = !layout.hidden;
  for (auto& [number, other] : windows_) other.active = number == layout.number && window.shown;
  record("open " + std::to_string(layout.number));
  if (window.shown) record("show " + std::to_string(layout.number));
  return true;
}

void HeadlessToolkit::closeWindow(int window) {
  windowRef(window);
  windows_.erase(window);
  if (focus_.first == window) focus_ = {kNoParent, kUnnumbered};
  record("close " + std::to_string(window));
}

bool HeadlessToolkit::windowExists(int window) const { return windows_.count(window) != 0; }

void HeadlessToolkit::showWindow(int window) {
  windowRef(window).shown = true;
  record("show " + std::to_string(window));
}

void HeadlessToolkit::activateWindow(int window) {
  for (auto& [number, other] : windows_) other.active = number == window;
  windowRef(window).shown = true;
  record("activate " + std::to_string(window));
}

void HeadlessToolkit::enableWindow(int window, bool enabled) {
  HeadlessWindow& target = windowRef(window);
  if (target.enabled == enabled) return;
  target.enabled = enabled;
  // The gadget that had the focus gets it back once the window is enabled again.
  if (!enabled && focus_.first == window) {
    target.focusBeforeDisabled = focus_.second;
  } else if (enabled && target.focusBeforeDisabled != kUnnumbered) {
    const bool stillThere = std::any_of(target.gadgets.begin(), target.gadgets.end(),
                                        [&](const HeadlessGadget& g) { return g.number == target.focusBeforeDisabled; });
    if (stillThere) focus_ = {window, target.focusBeforeDisabled};
    target.focusBeforeDisabled = kUnnumbered;
  }
}

bool HeadlessToolkit::windowEnabled(int window) const { return this->window(window).enabled; }

void HeadlessToolkit::setMenu(int window, const std::vector<MenuTitle>& menu) {
  windowRef(window).menu = menu;
}

void HeadlessToolkit::paintPending() { record("paint"); }

// --- Gadget creation -----------------------------------------------------------------------

HeadlessGadget& HeadlessToolkit::add(int window, int gadget, GadgetKind kind, Rect place,
                                     std::string_view text) {
  HeadlessWindow& target = windowRef(window);
  if (gadget != kUnnumbered) {
    // A later gadget of the same number takes the number over, as on the real toolkit.
    for (HeadlessGadget& old : target.gadgets)
      if (old.number == gadget) old.number = kUnnumbered;
  }
  HeadlessGadget& created = target.gadgets.emplace_back();
  created.kind = kind;
  created.number = gadget;
  created.place = place;
  created.text = shown(text);
  return created;
}

void HeadlessToolkit::addLabel(int window, int gadget, Rect place, std::string_view text) {
  add(window, gadget, GadgetKind::Label, place, text);
}
void HeadlessToolkit::addTextField(int window, int gadget, Rect place) {
  add(window, gadget, GadgetKind::TextField, place, "");
}
void HeadlessToolkit::addReadOnlyText(int window, int gadget, Rect place) {
  add(window, gadget, GadgetKind::ReadOnlyText, place, "");
}
void HeadlessToolkit::addComboBox(int window, int gadget, Rect place) {
  add(window, gadget, GadgetKind::ComboBox, place, "");
}
void HeadlessToolkit::addOption(int window, int gadget, Rect place, std::string_view text, int group) {
  add(window, gadget, GadgetKind::Option, place, text).group = group;
}
void HeadlessToolkit::addCheckBox(int window, int gadget, Rect place, std::string_view text) {
  add(window, gadget, GadgetKind::CheckBox, place, text);
}
void HeadlessToolkit::addFrame(int window, Rect place, std::string_view caption) {
  add(window, kUnnumbered, GadgetKind::Frame, place, caption);
}
void HeadlessToolkit::addPicture(int window, int gadget, Rect place, int imageSlot) {
  add(window, gadget, GadgetKind::Picture, place, "").image = imageSlot;
}
void HeadlessToolkit::addButton(int window, int gadget, Rect place, std::string_view text) {
  add(window, gadget, GadgetKind::Button, place, text);
}
void HeadlessToolkit::addHyperlink(int window, int gadget, Rect place, std::string_view text,
                                   Rgb hoverColour) {
  add(window, gadget, GadgetKind::Hyperlink, place, text).hoverColour = hoverColour;
}
void HeadlessToolkit::addList(int window, int gadget, Rect place, const std::vector<ListColumn>& columns) {
  add(window, gadget, GadgetKind::List, place, "").columns = columns;
}

// --- Gadget properties ---------------------------------------------------------------------

void HeadlessToolkit::setText(int window, int gadget, std::string_view text) {
  gadgetRef(window, gadget).text = shown(text);
}
std::string HeadlessToolkit::text(int window, int gadget) const {
  const HeadlessGadget& g = this->gadget(window, gadget);
  if (g.kind == GadgetKind::ComboBox) return g.selected == kNoSelection ? "" : g.items[g.selected].first;
  return g.text;
}
void HeadlessToolkit::setEnabled(int window, int gadget, bool enabled) {
  gadgetRef(window, gadget).enabled = enabled;
}
bool HeadlessToolkit::enabled(int window, int gadget) const { return this->gadget(window, gadget).enabled; }
void HeadlessToolkit::setTextColour(int window, int gadget, std::optional<Rgb> colour) {
  gadgetRef(window, gadget).textColour = colour;
}
void HeadlessToolkit::setTooltip(int window, int gadget, std::string_view text) {
  gadgetRef(window, gadget).tooltip = shown(text);
}
void HeadlessToolkit::setHandCursor(int window, int gadget) { gadgetRef(window, gadget).handCursor = true; }
void HeadlessToolkit::setFocus(int window, int gadget) {
  gadgetRef(window, gadget);
  focus_ = {window, gadget};
}
void HeadlessToolkit::setFirstTabStop(int window, int gadget) {
  gadgetRef(window, gadget);
  windowRef(window).firstTabStop = gadget;
}
void HeadlessToolkit::bindLeftClick(int window, int gadget, std::function<void()> action) {
  gadgetRef(window, gadget).onLeftClick = std::move(action);
}
void HeadlessToolkit::setChecked(int window, int gadget, bool checked) {
  HeadlessGadget& target = gadgetRef(window, gadget);
  if (checked && target.kind == GadgetKind::Option) {
    for (HeadlessGadget& other : windowRef(window).gadgets)
      if (other.kind == GadgetKind::Option && other.group == target.group) other.checked = false;
  }
  target.checked = checked;
}
bool HeadlessToolkit::checked(int window, int gadget) const { return this->gadget(window, gadget).checked; }
void HeadlessToolkit::setPicture(int window, int gadget, int imageSlot) {
  gadgetRef(window, gadget).image = imageSlot;
}

void HeadlessToolkit::addItem(int window, int gadget, std::string_view text, int data) {
  gadgetRef(window, gadget).items.emplace_back(shown(text), data);
}
void HeadlessToolkit::clearItems(int window, int gadget) {
  HeadlessGadget& target = gadgetRef(window, gadget);
  target.items.clear();
  target.selected = kNoSelection;
}
int HeadlessToolkit::itemCount(int window, int gadget) const {
  return static_cast<int>(this->gadget(window, gadget).items.size());
}
std::string HeadlessToolkit::itemText(int window, int gadget, int index) const {
  const HeadlessGadget& g = this->gadget(window, gadget);
  return index >= 0 && index < static_cast<int>(g.items.size()) ? g.items[index].first : "";
}
int HeadlessToolkit::itemData(int window, int gadget, int index) const {
  const HeadlessGadget& g = this->gadget(window, gadget);
  return index >= 0 && index < static_cast<int>(g.items.size()) ? g.items[index].second : 0;
}
void HeadlessToolkit::selectItem(int window, int gadget, int index) {
  HeadlessGadget& target = gadgetRef(window, gadget);
  const std::size_t count = target.kind == GadgetKind::List ? target.rows.size() : target.items.size();
  target.selected = index >= 0 && index < static_cast<int>(count) ? index : kNoSelection;
}
int HeadlessToolkit::selectedItem(int window, int gadget) const { return this->gadget(window, gadget).selected; }

void HeadlessToolkit::appendLine(int window, int gadget, std::string_view line) {
  gadgetRef(window, gadget).lines.push_back(shown(line));
}

void HeadlessToolkit::addRow(int window, int gadget, int position, const std::vector<std::string>& cells,
                             RowStyle style) {
  HeadlessGadget& list = gadgetRef(window, gadget);
  position = std::clamp(position, 0, static_cast<int>(list.rows.size()));
  std::vector<std::string> row;
  for (const std::string& cell : cells) row.push_back(shown(cell));
  row.resize(list.columns.size());
  list.rows.insert(list.rows.begin() + position, std::move(row));
  list.rowStyles.insert(list.rowStyles.begin() + position, style);
  if (list.selected >= position) ++list.selected;
}
void HeadlessToolkit::setRow(int window, int gadget, int row, const std::vector<std::string>& cells, RowStyle style) {
  HeadlessGadget& list = gadgetRef(window, gadget);
  if (row < 0 || row >= static_cast<int>(list.rows.size())) return;
  list.rows[row].clear();
  for (const std::string& cell : cells) list.rows[row].push_back(shown(cell));
  list.rows[row].resize(list.columns.size());
  list.rowStyles[row] = style;
}
void HeadlessToolkit::clearRows(int window, int gadget) {
  HeadlessGadget& list = gadgetRef(window, gadget);
  list.rows.clear();
  list.rowStyles.clear();
  list.selected = kNoSelection;
}
int HeadlessToolkit::rowCount(int window, int gadget) const {
  return static_cast<int>(this->gadget(window, gadget).rows.size());
}
std::string HeadlessToolkit::cellText(int window, int gadget, int row, int column) const {
  const HeadlessGadget& list = this->gadget(window, gadget);
  if (row < 0 || row >= static_cast<int>(list.rows.size())) return "";
  if (column < 0 || column >= static_cast<int>(list.rows[row].size())) return "";
  return list.rows[row][column];
}
int HeadlessToolkit::selectedRow(int window, int gadget) const { return this->gadget(window, gadget).selected; }

void HeadlessToolkit::setDialogButtons(int window, int defaultButton, int cancelButton) {
  HeadlessWindow& target = windowRef(window);
  target.defaultButton = defaultButton;
  target.cancelButton = cancelButton;
}

// --- Message boxes and events ----------------------------------------------------------------

MessageAnswer HeadlessToolkit::messageBox(std::string_view caption, std::string_view text,
                                          MessageButtons buttons) {
  messages_.push_back({shown(caption), shown(text), buttons});
  record("message " + std::string(text));
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers_.empty()) throw std::logic_error("unexpected question: " + std::string(text));
  const MessageAnswer answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::optional<std::string> HeadlessToolkit::chooseFile(const FileChoice& choice) {
  fileDialogs_.push_back(choice);
  record("file dialog " + choice.title + " in " + choice.folder);
  if (fileAnswers_.empty()) throw std::logic_error("unexpected file dialog: " + choice.title);
  std::optional<std::string> answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

Event HeadlessToolkit::waitEvent() {
  while (!queue_.empty()) {
    auto next = std::move(queue_.front());
    queue_.pop_front();
    if (auto* event = std::get_if<Event>(&next)) return *event;
    std::get<std::function<void()>>(next)();
  }
  throw NoMoreEvents();
}

void HeadlessToolkit::showBusyCursor(bool busy) {
  busyCursor_ = busy;
  record(busy ? "busy on" : "busy off");
}

std::vector<Event> HeadlessToolkit::takeEvents(int window) {
  record("events " + std::to_string(window));
  return takeWindowEvents(queue_, window);
}

}  // namespace gui
