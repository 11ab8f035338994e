// The wx toolkit's windows: opening and closing them, their scale, menus and places on the
// screen, and painting what is pending.

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include <wx/menu.h>
#include <wx/utils.h>

#include "gui/access_keys.h"
#include "gui/scale.h"
#include "gui/wx/wx_backend.h"
#include "gui/wx/wx_convert.h"
#include "gui/wx/wx_frames.h"
#include "gui/wx/wx_gtk.h"
#include "gui/wx/wx_list.h"
#include "gui/wx/wx_look.h"

namespace gui::wx {

bool WxToolkit::openWindow(const WindowSpec& wanted) {
  if (windowExists(wanted.number)) closeWindow(wanted.number);
  WindowRecord* parent = findWindow(wanted.parent);

  long style = 0;
  switch (wanted.style) {
    case FrameStyle::Borderless:
      style = wxBORDER_NONE | wxFRAME_NO_TASKBAR;
      break;
    case FrameStyle::Main:
    case FrameStyle::Selection:
      style = wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxMAXIMIZE_BOX | wxCLOSE_BOX;
      break;
    case FrameStyle::Dialog:
      style = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX;
      break;
  }
  if (parent) style |= wxFRAME_FLOAT_ON_PARENT;

  auto record = std::make_unique<WindowRecord>();
  record->wanted = wanted;
  record->owner = parent ? wanted.parent : kNoParent;
  auto* frame = new ProgramFrame(*this, wanted.number, parent ? parent->frame : nullptr,
                                 toWx(wanted.title), style);
  if (!frame->GetHandle()) {
    frame->Destroy();
    return false;
  }
  nameFrameWidget(frame);
  giveProgramIcon(frame);
  record->scale = windowScale(frame);
  record->font = layoutFont(record->scale);
  frame->SetFont(record->font);
  auto* panel = new ClientPanel(*this, wanted.number, frame);
  nameClientWidget(panel);
  panel->SetFont(record->font);
  const wxSize inner = record->onScreen(Rect{0, 0, wanted.width, wanted.height}).GetSize();
  frame->SetClientSize(inner);
  panel->SetSize(wxRect(inner));
  record->frame = frame;
  record->panel = panel;
  record->followsFocus = frame->followFocus();
  windows_[wanted.number] = std::move(record);

  if (!wanted.hidden) showWindow(wanted.number);
  return true;
}

void WxToolkit::closeWindow(int window) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  // Owned windows go first: wx would destroy them with their owner anyway.
  std::vector<int> owned;
  for (const auto& [number, other] : windows_) {
    if (other->owner == window && number != window) owned.push_back(number);
  }
  for (int number : owned) closeWindow(number);

  record = findWindow(window);
  if (!record) return;
  ProgramFrame* frame = record->frame;
  if (activeWindow_ == window) activeWindow_.reset();
  windows_.erase(window);
  std::erase_if(queue_, [window](const QueueItem& item) {
    const auto* event = std::get_if<Event>(&item);
    return event && event->window == window;
  });
  frame->stopFollowingFocus();
  frame->Hide();
  frame->Destroy();
  releaseUnshownPictures();
}

bool WxToolkit::windowExists(int window) const { return windows_.count(window) > 0; }

void WxToolkit::showWindow(int window) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  if (!record->placed) place(*record);
  if (!record->frame->IsShown()) record->panel->painted = false;
  record->frame->Show(true);
}

void WxToolkit::activateWindow(int window) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  if (!record->frame->IsShown()) showWindow(window);
  if (record->frame->IsIconized()) record->frame->Iconize(false);
  record->frame->Raise();
  activeWindow_ = window;
}

void WxToolkit::enableWindow(int window, bool enabled) {
  WindowRecord* record = findWindow(window);
  if (!record || record->enabled == enabled) return;
  record->enabled = enabled;
  record->frame->Enable(enabled);
  // Disabling took the focus from the window's controls: it goes back where it was.
  if (GadgetRecord* g = enabled ? findGadget(window, record->lastFocus) : nullptr) focusGadget(*g);
}

bool WxToolkit::windowEnabled(int window) const {
  const WindowRecord* record = findWindow(window);
  return record && record->enabled;
}

void WxToolkit::setMenu(int window, const std::vector<MenuTitle>& menu) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  record->menuItems.clear();
  wxMenuBar* old = record->frame->GetMenuBar();
  wxMenuBar* bar = nullptr;
  if (!menu.empty()) {
    bar = new wxMenuBar;
    std::vector<std::string> titles;
    for (const MenuTitle& title : menu) titles.push_back(title.title);
    titles = withAccessKeys(titles);
    for (std::size_t t = 0; t < menu.size(); ++t) {
      auto* items = new wxMenu;
      std::vector<std::string> texts;
      for (const MenuItem& item : menu[t].items) texts.push_back(item.text);
      texts = withAccessKeys(texts);
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const int id = nextMenuId_++;
        record->menuItems[id] = menu[t].items[i].id;
        items->Append(id, toWx(texts[i]));
      }
      bar->Append(items, toWx(titles[t]));
    }
    bar->SetFont(record->font);
  }
  record->frame->SetMenuBar(bar);
  delete old;
  fitClientArea(*record);
}

wxSize WxToolkit::wantedClientSize(const WindowRecord& record) const {
  // The inner height given by the program includes a menu bar of the layout's height.
  const bool hasBar = record.frame->GetMenuBar() != nullptr;
  const int height = record.wanted.height - (hasBar ? kLayoutMenuBarHeight : 0);
  return record.onScreen(Rect{0, 0, record.wanted.width, std::max(0, height)}).GetSize();
}

void WxToolkit::fitClientArea(WindowRecord& record) {
  const wxSize client = wantedClientSize(record);
  // wx takes an unchanged client size for a no-op, but GTK sizes a fixed-size window whose
  // menu bar changed from the bar alone; a real change makes both agree again.
  if (record.frame->GetClientSize() == client) {
    record.frame->SetClientSize(client.x, client.y + 1);
  }
  record.frame->SetClientSize(client);
}

void WxToolkit::keepClientSize(int window) {
  constexpr int kMaxRetakes = 3;
  WindowRecord* record = findWindow(window);
  if (!record || record->frame->IsMaximized()) return;
  const wxSize wanted = wantedClientSize(*record);
  if (record->frame->GetClientSize() == wanted) {
    record->sizeRetakes = 0;
    return;
  }
  if (record->sizeRetakes >= kMaxRetakes) return;
  ++record->sizeRetakes;
  record->frame->SetClientSize(wanted);
}

void WxToolkit::rescaleWindow(int window) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const double scale = windowScale(record->frame);
  if (scaled(1000, scale) == scaled(1000, record->scale)) return;
  record->scale = scale;
  record->font = layoutFont(scale);
  record->frame->SetFont(record->font);
  record->panel->SetFont(record->font);
  if (wxMenuBar* bar = record->frame->GetMenuBar()) bar->SetFont(record->font);
  for (const auto& g : record->gadgets) {
    if (g->kind == Kind::Picture) {
      holdPicture(g->imageSlot, scale);
      continue;
    }
    g->control->SetFont(g->kind == Kind::Hyperlink ? record->font.Underlined() : record->font);
    g->control->SetSize(record->onScreen(g->place));
    if (g->grid) g->grid->applyScale(record->font, scale);
  }
  record->panel->SetSize(record->onScreen(Rect{0, 0, record->wanted.width, record->wanted.height}));
  fitClientArea(*record);
  releaseUnshownPictures();
  record->panel->Refresh();
}

void WxToolkit::paintPending() {
  // Only window-system events (mapping, sizing, painting) are handled here; user input
  // waits in GTK's queue for the next waitEvent.
  if (allShownPainted()) {
    loop_->YieldFor(wxEVT_CATEGORY_UI);
    return;
  }
  // A window shown since the last call: until it has painted, and a few rounds more for
  // the native controls and the window manager.
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(1500);
  int roundsAfterPaint = 0;
  while (roundsAfterPaint < 3 && Clock::now() < deadline) {
    for (auto& [number, record] : windows_) {
      if (record->frame->IsShown()) record->frame->Update();
    }
    loop_->YieldFor(wxEVT_CATEGORY_UI);
    if (allShownPainted()) ++roundsAfterPaint;
    wxMilliSleep(10);
  }
}

bool WxToolkit::allShownPainted() const {
  return std::all_of(windows_.begin(), windows_.end(), [](const auto& entry) {
    return !entry.second->frame->IsShown() || entry.second->panel->painted;
  });
}

void WxToolkit::place(WindowRecord& record) {
  record.placed = true;
  wxFrame* frame = record.frame;
  const WindowRecord* parent = findWindow(record.wanted.parent);
  const wxSize outer = frame->GetSize();
  switch (record.wanted.placement) {
    case Placement::CentreOnScreen:
      frame->CentreOnScreen();
      break;
    case Placement::CentreOnParent:
      if (parent) {
        const wxRect client = parent->panel->GetScreenRect();
        frame->Move(client.x + (client.width - outer.x) / 2,
                    client.y + (client.height - outer.y) / 2);
      } else {
        frame->CentreOnScreen();
      }
      break;
    case Placement::CentreOnParentFrame:
      if (parent) {
        const wxRect owner = parent->frame->GetScreenRect();
        frame->Move(std::max(0, owner.x + (owner.width - outer.x) / 2),
                    std::max(0, owner.y + (owner.height - outer.y) / 2));
      } else {
        frame->CentreOnScreen();
      }
      break;
  }
}

}  // namespace gui::wx
