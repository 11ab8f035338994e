#pragma once
// What the backend asks of GTK directly, below wx: the style sheet that fits GTK's controls
// to the pixel layout, the widget names that let it touch only the program's windows,
// following the keyboard focus inside a window, and combo box lists. On the MSW port there is
// no GTK underneath (wx_msw.cpp): the functions there do nothing and focus following is
// unavailable, so combo boxes report their own focus losses.

#include <functional>
#include <vector>

#include <wx/choice.h>
#include <wx/window.h>

namespace gui::wx {

// Settings the process needs before the toolkit starts: scroll bars and the character type.
void prepareProcess();

// Installs the style sheet for the whole display at the desktop's scale; it applies only to
// the widgets named below.
void installStyleSheet(double scale);

// Names the GTK widget of a program window's frame, and that of its client panel, so that the
// style sheet touches only them (message boxes keep the desktop's look).
void nameFrameWidget(wxWindow* frame);
void nameClientWidget(wxWindow* panel);

// Makes the combo box's list open the Windows way, with nothing highlighted while no item is
// chosen.
void openListsUnhighlighted(wxChoice* choice);

// Whether the combo box's list is open: its pop-up takes the keyboard from the window
// without the combo box losing the focus.
bool listShown(WXWidget combo);

// Whether `widget` is `container` or lies inside it.
bool widgetWithin(WXWidget widget, WXWidget container);

// Follows the keyboard focus inside one top-level window: GTK's "set-focus" when the focus
// moves inside the window, "focus-out-event" when the window loses it. Each move is handed on
// as the widget that had the focus and the one that gets it (empty when the window loses it).
class FocusFollower {
 public:
  using Handler = std::function<void(WXWidget oldFocus, WXWidget newFocus)>;

  FocusFollower() = default;
  FocusFollower(const FocusFollower&) = delete;
  FocusFollower& operator=(const FocusFollower&) = delete;

  // False when the window has no GTK widget to follow.
  bool start(wxWindow* window, Handler handler);
  void stop();

 private:
  struct Signals;  // the GTK signal handlers, which call `handler_`

  WXWidget widget_ = nullptr;
  Handler handler_;
  std::vector<unsigned long> connections_;
};

}  // namespace gui::wx
