// The wx toolkit: start-up and shut-down, windows and their menus, message boxes, the event
// queue, and createWxToolkit.

#include "gui/wx/wx_toolkit.h"

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include "gui/access_keys.h"
#include "gui/queued_events.h"
#include "gui/scale.h"
#include "gui/wx/wx_backend.h"
#include "gui/wx/wx_convert.h"
#include "gui/wx/wx_frames.h"
#include "gui/wx/wx_gtk.h"
#include "gui/wx/wx_list.h"
#include "gui/wx/wx_look.h"

namespace gui {
namespace wx {
namespace {

// Application object: no command-line parsing, no main loop of its own.
class ToolkitApp : public wxApp {
 public:
  bool OnInit() override { return true; }
  int OnRun() override { return 0; }
};

void printAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                 const wxString& message) {
  fprintf(stderr, "wx assertion failed: %s:%d %s: %s %s\n", fromWx(file).c_str(), line,
          fromWx(func).c_str(), fromWx(cond).c_str(), fromWx(message).c_str());
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Start-up and shut-down.

WxToolkit::WxToolkit() {
  wxTheApp->SetExitOnFrameDelete(false);
  loop_ = std::make_unique<wxGUIEventLoop>();
  wxEventLoopBase::SetActive(loop_.get());
  installStyleSheet(windowScale(nullptr));
}

WxToolkit::~WxToolkit() {
  std::vector<int> numbers;
  for (const auto& [number, record] : windows_) numbers.push_back(number);
  for (int number : numbers) closeWindow(number);
  queue_.clear();
  wxTheApp->ProcessIdle();  // deletes the destroyed frames
  wxEventLoopBase::SetActive(nullptr);
  loop_.reset();
  wxEntryCleanup();
}

// ---------------------------------------------------------------------------------------------
// Windows.

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

void WxToolkit::fitClientArea(WindowRecord& record) {
  // The inner height given by the program includes a menu bar of the layout's height.
  const bool hasBar = record.frame->GetMenuBar() != nullptr;
  const int height = record.wanted.height - (hasBar ? kLayoutMenuBarHeight : 0);
  const wxSize client = record.onScreen(Rect{0, 0, record.wanted.width, std::max(0, height)}).GetSize();
  // wx takes an unchanged client size for a no-op, but GTK sizes a fixed-size window whose
  // menu bar changed from the bar alone; a real change makes both agree again.
  if (record.frame->GetClientSize() == client) {
    record.frame->SetClientSize(client.x, client.y + 1);
  }
  record.frame->SetClientSize(client);
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

// ---------------------------------------------------------------------------------------------
// Message boxes.

MessageAnswer WxToolkit::messageBox(std::string_view caption, std::string_view text,
                                    MessageButtons buttons) {
  wxWindow* parent = nullptr;
  if (WindowRecord* active = activeRecord()) parent = active->frame;
  const long style =
      buttons == MessageButtons::YesNo ? (wxYES_NO | wxICON_QUESTION) : (wxOK | wxICON_INFORMATION);
  wxMessageDialog dialog(parent, toWx(text), toWx(caption), style | wxCENTRE);
  // The program speaks Russian whatever the desktop's language.
  dialog.SetYesNoLabels(toWx("Да"), toWx("Нет"));
  dialog.SetOKLabel(toWx("OK"));
  const int answer = dialog.ShowModal();
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  return answer == wxID_YES ? MessageAnswer::Yes : MessageAnswer::No;
}

// ---------------------------------------------------------------------------------------------
// Events.

Event WxToolkit::waitEvent() {
  for (;;) {
    while (!queue_.empty()) {
      QueueItem item = std::move(queue_.front());
      queue_.pop_front();
      if (auto* event = std::get_if<Event>(&item)) return *event;
      // A bound left-click action: runs here, outside any wx event handler, so it may open
      // and close windows or show message boxes freely.
      std::get<std::function<void()>>(item)();
    }
    loop_->Dispatch();
  }
}

// ---------------------------------------------------------------------------------------------
// While the program works.

void WxToolkit::showBusyCursor(bool busy) {
  if (busy == busyCursor_) return;
  busyCursor_ = busy;
  if (busy) {
    wxBeginBusyCursor();
  } else {
    wxEndBusyCursor();
  }
}

std::vector<Event> WxToolkit::takeEvents(int window) {
  // Paints and the user's input of every window are handled; the input becomes queued events
  // as in waitEvent.
  loop_->YieldFor(wxEVT_CATEGORY_UI | wxEVT_CATEGORY_USER_INPUT);
  return takeWindowEvents(queue_, window);
}

void WxToolkit::post(const Event& event) { queue_.emplace_back(event); }

void WxToolkit::clicked(int window, const GadgetRecord& g) {
  if (g.onLeftClick) {
    queue_.emplace_back(g.onLeftClick);
  } else {
    post(Event{window, EventKind::Gadget, g.number, GadgetEvent::LeftClick});
  }
}

void WxToolkit::menuChosen(int window, int wxId, wxCommandEvent& event) {
  WindowRecord* record = findWindow(window);
  if (!record) return;
  const auto it = record->menuItems.find(wxId);
  if (it == record->menuItems.end()) {
    event.Skip();
    return;
  }
  post(Event{window, EventKind::Menu, it->second, GadgetEvent::Other});
}

void WxToolkit::frameActivated(int window) { activeWindow_ = window; }

void WxToolkit::focusMoving(int window, const wxWindow* frame, WXWidget oldFocus,
                            WXWidget newFocus) {
  WindowRecord* record = liveWindow(window, frame);
  if (!record) return;
  for (const auto& g : record->gadgets) {
    if (g->kind != Kind::ComboBox) continue;
    WXWidget combo = g->control->GetHandle();
    // wx reports no focus of a GTK combo box to the panel.
    if (newFocus && widgetWithin(newFocus, combo)) record->lastFocus = g->number;
    if (!oldFocus || (!newFocus && listShown(combo))) continue;
    if (widgetWithin(oldFocus, combo) && !widgetWithin(newFocus, combo)) {
      post(Event{window, EventKind::Gadget, g->number, GadgetEvent::LostFocus});
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Finding windows and gadgets.

WindowRecord* WxToolkit::findWindow(int window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.get();
}

const WindowRecord* WxToolkit::findWindow(int window) const {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second.get();
}

GadgetRecord* WxToolkit::findGadget(int window, int gadget) {
  WindowRecord* record = findWindow(window);
  if (!record) return nullptr;
  const auto it = record->numbered.find(gadget);
  return it == record->numbered.end() ? nullptr : it->second;
}

const GadgetRecord* WxToolkit::findGadget(int window, int gadget) const {
  const WindowRecord* record = findWindow(window);
  if (!record) return nullptr;
  const auto it = record->numbered.find(gadget);
  return it == record->numbered.end() ? nullptr : it->second;
}

GadgetRecord* WxToolkit::findGadget(int window, int gadget, Kind kind) {
  GadgetRecord* g = findGadget(window, gadget);
  return g && g->kind == kind ? g : nullptr;
}

const GadgetRecord* WxToolkit::findGadget(int window, int gadget, Kind kind) const {
  const GadgetRecord* g = findGadget(window, gadget);
  return g && g->kind == kind ? g : nullptr;
}

WindowRecord* WxToolkit::liveWindow(int window, const wxWindow* frame) {
  WindowRecord* record = findWindow(window);
  return record && record->frame == frame ? record : nullptr;
}

WindowRecord* WxToolkit::activeRecord() {
  if (activeWindow_) {
    WindowRecord* record = findWindow(*activeWindow_);
    if (record && record->frame->IsShown()) return record;
  }
  for (auto& [number, record] : windows_) {
    if (record->frame->IsShown() && record->frame->IsActive()) return record.get();
  }
  for (auto& [number, record] : windows_) {
    if (record->frame->IsShown()) return record.get();
  }
  return nullptr;
}

bool WxToolkit::gadgetStillExists(int window, const GadgetRecord* gadget) const {
  const WindowRecord* record = findWindow(window);
  if (!record || !gadget) return false;
  return std::any_of(record->gadgets.begin(), record->gadgets.end(),
                     [gadget](const auto& g) { return g.get() == gadget; });
}

bool WxToolkit::gadgetAlive(int window, const wxWindow* frame, const GadgetRecord* target) {
  WindowRecord* record = liveWindow(window, frame);
  return record && std::any_of(record->gadgets.begin(), record->gadgets.end(),
                               [target](const auto& x) { return x.get() == target; });
}

}  // namespace wx

std::unique_ptr<Toolkit> createWxToolkit(int argc, char** argv) {
  // wx keeps referring to the arguments, so they live as long as the program.
  static int storedArgc = 0;
  static char defaultName[] = "orvex-selection";
  static char* defaultArgv[] = {defaultName, nullptr};
  if (argc > 0 && argv && argv[0]) {
    storedArgc = argc;
  } else {
    storedArgc = 1;
    argv = defaultArgv;
  }
  // Assertion failures go to the error output instead of a dialog, and so does wx's log.
  wxSetAssertHandler(wx::printAssert);
  wx::prepareProcess();
  wxApp::SetInstance(new wx::ToolkitApp);
  if (!wxEntryStart(storedArgc, argv)) return nullptr;  // no display
  delete wxLog::SetActiveTarget(new wxLogStderr);
  if (!wxTheApp || !wxTheApp->CallOnInit()) {
    wxEntryCleanup();
    return nullptr;
  }
  return std::make_unique<wx::WxToolkit>();
}

}  // namespace gui
