// The wx toolkit's keyboard: Tab through a window's stops, the keys that press a window's
// default and cancel buttons, and the focus given back to a window enabled again.

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

#include <wx/radiobut.h>

#include "gui/tab_stops.h"
#include "gui/wx/wx_backend.h"
#include "gui/wx/wx_list.h"

namespace gui::wx {

// ---------------------------------------------------------------------------------------------
// Tab.

void WxToolkit::setFirstTabStop(int window, int gadget) {
  if (WindowRecord* record = findWindow(window)) record->firstTabStop = gadget;
}

bool WxToolkit::tabPressed(int window, const wxWindow* frame, const wxKeyEvent& key) {
  WindowRecord* record = liveWindow(window, frame);
  if (!record || key.GetKeyCode() != WXK_TAB || key.ControlDown() || key.AltDown()) return false;
  std::vector<TabCandidate> candidates;
  std::vector<GadgetRecord*> gadgets;
  std::map<const wxRadioButton*, int> groups;  // an option group by its hidden first button
  for (const auto& g : record->gadgets) {
    if (!g->control || g->kind == Kind::Label || g->kind == Kind::Frame) continue;
    const bool option = g->kind == Kind::Option;
    const int group = option ? groups.emplace(g->groupBlank, static_cast<int>(groups.size()) + 1).first->second : 0;
    candidates.push_back({g->place, group, option && static_cast<wxRadioButton*>(g->control)->GetValue(),
                          g->control->IsEnabled() && g->control->IsShown(), g->number == record->firstTabStop});
    gadgets.push_back(g.get());
  }
  wxWindow* focus = wxWindow::FindFocus();
  std::optional<std::size_t> current;
  for (std::size_t i = 0; i < gadgets.size(); ++i) {
    wxWindow* control = gadgets[i]->control;
    if (focus && (control == focus || control->IsDescendant(focus))) current = i;
  }
  if (const auto next = nextTabStop(candidates, current, key.ShiftDown())) focusGadget(*gadgets[*next]);
  return true;
}

void WxToolkit::focusGadget(GadgetRecord& g) {
  if (g.grid) {
    g.grid->takeFocus();
  } else if (g.control) {
    g.control->SetFocus();
  }
}

void WxToolkit::focusEntered(int window, const wxWindow* frame, wxWindow* control) {
  WindowRecord* record = liveWindow(window, frame);
  if (!record || !control) return;
  for (const auto& g : record->gadgets) {
    if (g->control && g->number != kUnnumbered && (g->control == control || g->control->IsDescendant(control))) {
      record->lastFocus = g->number;
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Dialog keys.

void WxToolkit::setDialogButtons(int window, int defaultButton, int cancelButton) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  record->defaultButton = defaultButton;
  record->cancelButton = cancelButton;
}

bool WxToolkit::dialogKeyPressed(int window, const wxWindow* frame, const wxKeyEvent& key) {
  WindowRecord* record = liveWindow(window, frame);
  if (!record || key.HasAnyModifiers()) return false;
  const int code = key.GetKeyCode();
  const bool enter = code == WXK_RETURN || code == WXK_NUMPAD_ENTER;
  if (!enter && code != WXK_ESCAPE) return false;
  // Enter on a focused button belongs to that button, which presses itself.
  const wxWindow* focus = wxWindow::FindFocus();
  if (enter && std::any_of(record->gadgets.begin(), record->gadgets.end(), [focus](const auto& g) {
        return g->kind == Kind::Button && g->control == focus;
      }))
    return false;
  const GadgetRecord* button =
      findGadget(window, enter ? record->defaultButton : record->cancelButton, Kind::Button);
  if (!button || !button->control->IsEnabled()) return false;
  clicked(window, *button);
  return true;
}

}  // namespace gui::wx
