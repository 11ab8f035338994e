// Frame and panel handlers: they pass what the user does to the toolkit.

#include "gui/wx/wx_frames.h"

#include <wx/dcclient.h>

#include "gui/wx/wx_backend.h"
#include "gui/wx/wx_records.h"

namespace gui::wx {

// ---------------------------------------------------------------------------------------------
// Frames.

ProgramFrame::ProgramFrame(WxToolkit& toolkit, int number, wxWindow* parent, const wxString& title,
                           long style)
    : wxFrame(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, style),
      toolkit_(toolkit),
      number_(number) {
  Bind(wxEVT_CLOSE_WINDOW, &ProgramFrame::onClose, this);
  Bind(wxEVT_MENU, &ProgramFrame::onMenu, this);
  Bind(wxEVT_ACTIVATE, &ProgramFrame::onActivate, this);
  // GTK gives a frame no default or cancel button of its own: the frame sees every key first.
  Bind(wxEVT_CHAR_HOOK, &ProgramFrame::onCharHook, this);
  // Moved to a monitor of another DPI (Windows): the window lays itself out again.
  Bind(wxEVT_DPI_CHANGED, &ProgramFrame::onDpiChanged, this);
  Bind(wxEVT_SIZE, &ProgramFrame::onSize, this);
}

void ProgramFrame::onClose(wxCloseEvent& event) {
  // The close box only asks; the program decides and calls closeWindow.
  if (!toolkit_.liveWindow(number_, this)) {
    event.Skip();  // already given up by the program: let wx finish
    return;
  }
  toolkit_.post(Event{number_, EventKind::CloseRequest, 0, GadgetEvent::Other});
  if (event.CanVeto()) {
    event.Veto();
  } else {
    toolkit_.closeWindow(number_);
  }
}

void ProgramFrame::onMenu(wxCommandEvent& event) {
  if (!toolkit_.liveWindow(number_, this)) return;
  toolkit_.menuChosen(number_, event.GetId(), event);
}

void ProgramFrame::onActivate(wxActivateEvent& event) {
  event.Skip();
  if (event.GetActive() && toolkit_.liveWindow(number_, this)) toolkit_.frameActivated(number_);
}

void ProgramFrame::onCharHook(wxKeyEvent& event) {
  if (!toolkit_.tabPressed(number_, this, event) && !toolkit_.dialogKeyPressed(number_, this, event)) {
    event.Skip();
  }
}

void ProgramFrame::onDpiChanged(wxDPIChangedEvent& event) {
  event.Skip();
  if (toolkit_.liveWindow(number_, this)) toolkit_.rescaleWindow(number_);
}

void ProgramFrame::onSize(wxSizeEvent& event) {
  event.Skip();
  if (IsMaximized() || IsIconized()) return;
  // Checked once the resizing has settled, not in the middle of it.
  CallAfter([this] {
    if (toolkit_.liveWindow(number_, this)) toolkit_.keepClientSize(number_);
  });
}

bool ProgramFrame::followFocus() {
  return focus_.start(this, [this](WXWidget oldFocus, WXWidget newFocus) {
    toolkit_.focusMoving(number_, this, oldFocus, newFocus);
  });
}

void ProgramFrame::stopFollowingFocus() { focus_.stop(); }

// ---------------------------------------------------------------------------------------------
// Client panels.

ClientPanel::ClientPanel(WxToolkit& toolkit, int number, wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE),
      toolkit_(toolkit),
      number_(number) {
  Bind(wxEVT_PAINT, &ClientPanel::onPaint, this);
  Bind(wxEVT_LEFT_DOWN, &ClientPanel::onLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &ClientPanel::onLeftDown, this);
  Bind(wxEVT_LEFT_UP, &ClientPanel::onLeftUp, this);
  Bind(wxEVT_MOTION, &ClientPanel::onMotion, this);
  Bind(wxEVT_LEAVE_WINDOW, &ClientPanel::onLeave, this);
  Bind(wxEVT_CHILD_FOCUS, &ClientPanel::onChildFocus, this);
}

void ClientPanel::onChildFocus(wxChildFocusEvent& event) {
  event.Skip();
  if (toolkit_.liveWindow(number_, GetParent())) toolkit_.focusEntered(number_, GetParent(), event.GetWindow());
}

void ClientPanel::onPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  if (toolkit_.liveWindow(number_, GetParent())) toolkit_.paintPictures(number_, dc);
  painted = true;
}

void ClientPanel::onLeftDown(wxMouseEvent& event) {
  event.Skip();
  pressed_ = toolkit_.liveWindow(number_, GetParent())
                 ? toolkit_.pictureAt(number_, event.GetPosition())
                 : nullptr;
  if (pressed_ && !HasCapture()) CaptureMouse();
}

void ClientPanel::onLeftUp(wxMouseEvent& event) {
  event.Skip();
  if (HasCapture()) ReleaseMouse();
  const GadgetRecord* pressed = pressed_;
  pressed_ = nullptr;
  if (!pressed || !toolkit_.liveWindow(number_, GetParent())) return;
  if (!toolkit_.gadgetStillExists(number_, pressed)) return;
  if (toolkit_.pictureAt(number_, event.GetPosition()) != pressed) return;
  toolkit_.clicked(number_, *pressed);
}

void ClientPanel::onMotion(wxMouseEvent& event) {
  event.Skip();
  if (!toolkit_.liveWindow(number_, GetParent())) return;
  updateHover(toolkit_.pictureAt(number_, event.GetPosition()));
}

void ClientPanel::onLeave(wxMouseEvent& event) {
  event.Skip();
  updateHover(nullptr);
}

void ClientPanel::pointerOverLabel(bool hand) {
  updateHover(nullptr);
  showHand(hand);
}

void ClientPanel::updateHover(const GadgetRecord* picture) {
  showHand(picture && picture->handCursor);
  const wxString tooltip = picture ? picture->tooltip : wxString();
  if (picture == hovered_ && GetToolTipText() == tooltip) return;
  hovered_ = picture;
  if (tooltip.empty()) {
    UnsetToolTip();
  } else {
    SetToolTip(tooltip);
  }
}

void ClientPanel::showHand(bool hand) {
  if (hand == handShown_) return;
  handShown_ = hand;
  SetCursor(hand ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
}

}  // namespace gui::wx
