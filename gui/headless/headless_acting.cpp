// The in-memory toolkit as the tests' user sees it: acting on the windows, and inspecting and
// finding their state.

#include <algorithm>
#include <string>

#include "gui/headless/headless_toolkit.h"
#include "platform/utf8_text.h"

namespace gui {

std::string HeadlessToolkit::describe(int window, int gadget) {
  return "window " + std::to_string(window) + " gadget " + std::to_string(gadget);
}

// --- Acting as a user ------------------------------------------------------------------------

void HeadlessToolkit::moveFocus(int window, int gadget) {
  const auto [oldWindow, oldGadget] = focus_;
  focus_ = {window, gadget};
  if (std::pair{oldWindow, oldGadget} == focus_ || oldGadget == kUnnumbered || !windowExists(oldWindow)) return;
  // As on screen, the fields and drop-down lists report that the focus left them.
  for (const HeadlessGadget& old : this->window(oldWindow).gadgets) {
    if (old.number == oldGadget && (old.kind == GadgetKind::TextField || old.kind == GadgetKind::ComboBox))
      queue_.emplace_back(Event{oldWindow, EventKind::Gadget, oldGadget, GadgetEvent::LostFocus});
  }
}

void HeadlessToolkit::chooseItem(int window, int gadget, int index) {
  HeadlessGadget& combo = reachable(window, gadget);
  if (combo.kind != GadgetKind::ComboBox || index < 0 || index >= static_cast<int>(combo.items.size()))
    throw std::logic_error("no item " + std::to_string(index) + " to choose in " + describe(window, gadget));
  moveFocus(window, gadget);
  combo.selected = index;
  queue_.emplace_back(Event{window, EventKind::Gadget, gadget, GadgetEvent::Change});
}

void HeadlessToolkit::chooseItem(int window, int gadget, std::string_view itemText) {
  const HeadlessGadget& combo = this->gadget(window, gadget);
  for (std::size_t i = 0; i < combo.items.size(); ++i) {
    if (combo.items[i].first == itemText) return chooseItem(window, gadget, static_cast<int>(i));
  }
  throw std::logic_error("no item '" + std::string(itemText) + "' in " + describe(window, gadget));
}

void HeadlessToolkit::type(int window, int gadget, std::string_view text) {
  HeadlessGadget& field = reachable(window, gadget);
  if (field.kind != GadgetKind::TextField) throw std::logic_error("cannot type into " + describe(window, gadget));
  moveFocus(window, gadget);
  field.text = platform::validUtf8(text);  // as the screen shows it
  queue_.emplace_back(Event{window, EventKind::Gadget, gadget, GadgetEvent::Change});
}

void HeadlessToolkit::leave(int window, int gadget) {
  reachable(window, gadget);
  if (focus_ == std::pair{window, gadget}) focus_ = {window, kUnnumbered};
  queue_.emplace_back(Event{window, EventKind::Gadget, gadget, GadgetEvent::LostFocus});
}

void HeadlessToolkit::click(int window, int gadget) {
  HeadlessGadget& target = reachable(window, gadget);
  if (target.kind != GadgetKind::Picture && target.kind != GadgetKind::Label) moveFocus(window, gadget);
  if (target.kind == GadgetKind::Option) setChecked(window, gadget, true);
  if (target.kind == GadgetKind::CheckBox) target.checked = !target.checked;
  queueClick(window, target);
}

void HeadlessToolkit::queueClick(int window, const HeadlessGadget& target) {
  if (target.onLeftClick) {
    queue_.emplace_back(target.onLeftClick);
  } else {
    queue_.emplace_back(Event{window, EventKind::Gadget, target.number, GadgetEvent::LeftClick});
  }
}

void HeadlessToolkit::pressKey(int window, Key key) {
  const HeadlessWindow& target = this->window(window);
  if (!target.enabled || !target.shown)
    throw std::logic_error("a key in an unreachable window " + std::to_string(window));
  int button = key == Key::Enter ? target.defaultButton : target.cancelButton;
  if (key == Key::Enter && focus_.first == window && focus_.second != kUnnumbered &&
      gadget(window, focus_.second).kind == GadgetKind::Button)
    button = focus_.second;
  if (button == kUnnumbered || !gadget(window, button).enabled) return;
  // The focus stays where it is: no field reports losing it.
  queueClick(window, gadget(window, button));
}

void HeadlessToolkit::selectRow(int window, int gadget, int row) {
  HeadlessGadget& list = reachable(window, gadget);
  if (list.kind != GadgetKind::List || row < 0 || row >= static_cast<int>(list.rows.size()))
    throw std::logic_error("no row " + std::to_string(row) + " to select in " + describe(window, gadget));
  moveFocus(window, gadget);
  list.selected = row;
  queue_.emplace_back(Event{window, EventKind::Gadget, gadget, GadgetEvent::Other});
}

void HeadlessToolkit::chooseMenu(int window, int item) {
  const HeadlessWindow& target = this->window(window);
  if (!target.enabled || !target.shown) throw std::logic_error("menu of an unreachable window " + std::to_string(window));
  bool found = false;
  for (const MenuTitle& title : target.menu)
    for (const MenuItem& entry : title.items) found = found || entry.id == item;
  if (!found) throw std::logic_error("no menu item " + std::to_string(item) + " in window " + std::to_string(window));
  queue_.emplace_back(Event{window, EventKind::Menu, item, GadgetEvent::Other});
}

void HeadlessToolkit::pressClose(int window) {
  const HeadlessWindow& target = this->window(window);
  if (!target.enabled || !target.shown) throw std::logic_error("close box of an unreachable window " + std::to_string(window));
  queue_.emplace_back(Event{window, EventKind::CloseRequest, 0, GadgetEvent::Other});
}

// --- Inspection and lookup ------------------------------------------------------------------

const HeadlessWindow& HeadlessToolkit::window(int window) const {
  const auto found = windows_.find(window);
  if (found == windows_.end()) throw std::logic_error("no window " + std::to_string(window));
  return found->second;
}

HeadlessWindow& HeadlessToolkit::windowRef(int window) {
  return const_cast<HeadlessWindow&>(static_cast<const HeadlessToolkit*>(this)->window(window));
}

const HeadlessGadget& HeadlessToolkit::gadget(int window, int gadget) const {
  for (const HeadlessGadget& candidate : this->window(window).gadgets)
    if (candidate.number == gadget && gadget != kUnnumbered) return candidate;
  throw std::logic_error("no " + describe(window, gadget));
}

HeadlessGadget& HeadlessToolkit::gadgetRef(int window, int gadget) {
  return const_cast<HeadlessGadget&>(static_cast<const HeadlessToolkit*>(this)->gadget(window, gadget));
}

HeadlessGadget& HeadlessToolkit::reachable(int window, int gadget) {
  const HeadlessWindow& target = this->window(window);
  HeadlessGadget& g = gadgetRef(window, gadget);
  if (!target.shown || !target.enabled || !g.enabled)
    throw std::logic_error("a user cannot reach " + describe(window, gadget));
  return g;
}

bool HeadlessToolkit::windowShown(int window) const { return windowExists(window) && this->window(window).shown; }

std::vector<const HeadlessGadget*> HeadlessToolkit::unnumberedGadgets(int window) const {
  std::vector<const HeadlessGadget*> result;
  for (const HeadlessGadget& g : this->window(window).gadgets)
    if (g.number == kUnnumbered) result.push_back(&g);
  return result;
}

std::vector<const HeadlessGadget*> HeadlessToolkit::tabCandidates(int window,
                                                                 std::vector<TabCandidate>& candidates) const {
  const HeadlessWindow& target = this->window(window);
  std::vector<const HeadlessGadget*> focusable;
  for (const HeadlessGadget& g : target.gadgets) {
    if (g.kind == GadgetKind::Label || g.kind == GadgetKind::Frame || g.kind == GadgetKind::Picture) continue;
    focusable.push_back(&g);
    candidates.push_back({g.place, g.kind == GadgetKind::Option ? g.group + 1 : 0, g.checked, g.enabled,
                          g.number != kUnnumbered && g.number == target.firstTabStop});
  }
  return focusable;
}

std::vector<const HeadlessGadget*> HeadlessToolkit::tabOrder(int window) const {
  std::vector<TabCandidate> candidates;
  const std::vector<const HeadlessGadget*> focusable = tabCandidates(window, candidates);
  std::vector<const HeadlessGadget*> ordered;
  for (const std::size_t i : tabStops(candidates)) ordered.push_back(focusable[i]);
  return ordered;
}

void HeadlessToolkit::pressTab(int window, bool backward) {
  const HeadlessWindow& target = this->window(window);
  if (!target.enabled || !target.shown)
    throw std::logic_error("Tab in an unreachable window " + std::to_string(window));
  std::vector<TabCandidate> candidates;
  const std::vector<const HeadlessGadget*> focusable = tabCandidates(window, candidates);
  std::optional<std::size_t> current;
  for (std::size_t i = 0; i < focusable.size(); ++i) {
    if (focus_.first == window && focusable[i]->number == focus_.second) current = i;
  }
  if (const auto next = nextTabStop(candidates, current, backward)) moveFocus(window, focusable[*next]->number);
}

void HeadlessToolkit::record(std::string entry) {
  journal_.push_back(std::move(entry));
  if (observer_) observer_(journal_.back());
}

}  // namespace gui
