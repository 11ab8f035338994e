// The GTK-only parts of the backend on the MSW port: the native Windows controls already fit
// the pixel layout in the system's UI font and report their own focus losses, so there is
// nothing to do.

#include "gui/wx/wx_gtk.h"

#include <wx/sysopt.h>

namespace gui::wx {

void prepareProcess() { wxSystemOptions::SetOption("msw.staticbox.optimized-paint", 0); }

void installStyleSheet() {}

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
