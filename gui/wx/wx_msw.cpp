// The GTK-only parts of the backend on the MSW port: the native Windows controls already fit
// the pixel layout in the system's UI font and report their own focus losses, so most of it
// does nothing.

#include "gui/wx/wx_gtk.h"

#include <wx/sysopt.h>

namespace gui::wx {

// Frames are classic transparent group boxes, painted after the gadgets placed over them.
// wxWidgets' own painting of a group box fills its inside around the controls it finds, and
// leaves buttons made after the box unpainted until they are clicked.
void prepareProcess() { wxSystemOptions::SetOption("msw.staticbox.optimized-paint", 0); }

void installStyleSheet(double) {}

void nameFrameWidget(wxWindow*) {}

void nameClientWidget(wxWindow*) {}

void openListsUnhighlighted(wxChoice*) {}

bool listShown(WXWidget) { return false; }

bool widgetWithin(WXWidget widget, WXWidget container) {
  return widget && container && widget == container;
}

bool FocusFollower::start(wxWindow*, Handler) { return false; }

void FocusFollower::stop() {}

}  // namespace gui::wx
