// The wx toolkit: start-up and shut-down, message boxes, the event queue, finding windows and
// gadgets, createWxToolkit and measureText.

#include "gui/wx/wx_toolkit.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/filedlg.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/msgdlg.h>

#include "gui/queued_events.h"
#include "gui/wx/wx_backend.h"
#include "gui/wx/wx_convert.h"
#include "gui/wx/wx_frames.h"
#include "gui/wx/wx_gtk.h"
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
// Message boxes.

MessageAnswer WxToolkit::messageBox(std::string_view caption, std::string_view text,
                                    MessageButtons buttons) {
  wxWindow* parent = nullptr;
  if (WindowRecord* active = activeRecord()) parent = active->frame;
  const long style = buttons == MessageButtons::Ok          ? (wxOK | wxICON_INFORMATION)
                     : buttons == MessageButtons::YesNo      ? (wxYES_NO | wxICON_QUESTION)
                                                             : (wxYES_NO | wxCANCEL | wxICON_QUESTION);
  wxMessageDialog dialog(parent, toWx(text), toWx(caption), style | wxCENTRE);
  // The program speaks Russian whatever the desktop's language.
  dialog.SetYesNoCancelLabels(toWx("Да"), toWx("Нет"), toWx("Отмена"));
  dialog.SetOKLabel(toWx("OK"));
  const int answer = dialog.ShowModal();
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answer == wxID_YES) return MessageAnswer::Yes;
  return answer == wxID_NO ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::optional<std::string> WxToolkit::chooseFile(const FileChoice& choice) {
  wxWindow* parent = nullptr;
  if (WindowRecord* active = activeRecord()) parent = active->frame;
  const long style = choice.save ? (wxFD_SAVE | wxFD_OVERWRITE_PROMPT) : (wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  wxFileDialog dialog(parent, toWx(choice.title), toWx(choice.folder), toWx(choice.name), toWx(choice.filter), style);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return fromWx(dialog.GetPath());
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

TextExtent measureText(const std::string& line, double scale) {
  wxBitmap canvas(1, 1);
  wxMemoryDC dc(canvas);
  dc.SetFont(wx::layoutFont(scale));
  wxCoord width = 0, height = 0;
  dc.GetTextExtent(wx::toWx(line), &width, &height);
  return {width, height};
}

}  // namespace gui
