#pragma once
// Program windows: every one is a frame holding one client panel, and the gadgets are
// children of that panel placed at fixed pixel positions. Pictures are not native controls:
// the panel paints them from the image slots and does their hit-testing itself, so that they
// take clicks, tooltips and the hand cursor on every platform, and so that a picture without
// an image can serve as an invisible click area.

#include <wx/frame.h>
#include <wx/panel.h>

#include "gui/wx/wx_gtk.h"

namespace gui::wx {

class WxToolkit;
struct GadgetRecord;

class ProgramFrame : public wxFrame {
 public:
  ProgramFrame(WxToolkit& toolkit, int number, wxWindow* parent, const wxString& title, long style);

  // Combo boxes get no focus events from wx on GTK (the focus sits on a button inside them),
  // so the window's own focus changes are followed (see FocusFollower). False when GTK is not
  // at hand.
  bool followFocus();
  void stopFollowingFocus();

 private:
  void onClose(wxCloseEvent& event);
  void onMenu(wxCommandEvent& event);
  void onActivate(wxActivateEvent& event);
  void onCharHook(wxKeyEvent& event);
  void onDpiChanged(wxDPIChangedEvent& event);
  void onSize(wxSizeEvent& event);

  WxToolkit& toolkit_;
  int number_;
  FocusFollower focus_;
};

class ClientPanel : public wxPanel {
 public:
  ClientPanel(WxToolkit& toolkit, int number, wxWindow* parent);

  bool painted = false;  // painted at least once since it was last shown

  // The pointer moves over a label, which shows the hand cursor or the normal one.
  void pointerOverLabel(bool hand);

 private:
  void onPaint(wxPaintEvent& event);
  void onLeftDown(wxMouseEvent& event);
  void onLeftUp(wxMouseEvent& event);
  void onMotion(wxMouseEvent& event);
  void onLeave(wxMouseEvent& event);
  void onChildFocus(wxChildFocusEvent& event);
  void updateHover(const GadgetRecord* picture);
  void showHand(bool hand);

  WxToolkit& toolkit_;
  int number_;
  // Pictures: the one under the pointer when the button went down, and the one whose tooltip
  // and cursor are shown; compared, never followed without checking.
  const GadgetRecord* pressed_ = nullptr;
  const GadgetRecord* hovered_ = nullptr;
  bool handShown_ = false;
};

}  // namespace gui::wx
