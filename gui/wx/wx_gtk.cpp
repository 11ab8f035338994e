// The backend's direct use of GTK 3, below wx.

#include "gui/wx/wx_gtk.h"

#include <langinfo.h>

#include <clocale>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include <gtk/gtk.h>

#include "gui/scale.h"

namespace gui::wx {

namespace {

// Names given to the GTK widgets of our windows; the style sheet selects them.
constexpr const char* kClientWidgetName = "orvex-client";
constexpr const char* kFrameWidgetName = "orvex-frame";

// The style sheet at 96 dpi; each %N% stands for N pixels, given at the desktop's scale.
constexpr std::string_view kStyleSheet = R"css(
#orvex-client entry {
  min-height: 0; padding-top: 0; padding-bottom: 0; padding-left: %3%; padding-right: %3%;
}
#orvex-client button {
  min-height: 0; min-width: 0; padding: 0 %6%;
}
#orvex-client combobox button {
  padding: 0 %2% 0 %4%;
}
#orvex-client combobox arrow {
  min-height: %12%; min-width: %12%;
}
#orvex-client checkbutton, #orvex-client radiobutton {
  min-height: 0; padding: 0;
}
#orvex-client check, #orvex-client radio {
  min-height: %13%; min-width: %13%; margin: 0 %4% 0 0; padding: 0;
}
#orvex-client scrolledwindow undershoot, #orvex-client scrolledwindow overshoot {
  background: none;
}
#orvex-frame menubar {
  padding: 0; min-height: 0;
}
#orvex-frame menubar > menuitem {
  min-height: 0; padding: %3% %6% %4% %6%;
}
)css";

// The style sheet with its lengths at scale s.
std::string styleSheetAt(double scale) {
  std::string css;
  std::size_t start = 0;
  for (std::size_t mark = kStyleSheet.find('%'); mark != std::string_view::npos;
       mark = kStyleSheet.find('%', start)) {
    const std::size_t end = kStyleSheet.find('%', mark + 1);
    css.append(kStyleSheet.substr(start, mark - start));
    const int pixels = std::stoi(std::string(kStyleSheet.substr(mark + 1, end - mark - 1)));
    css += std::to_string(scaled(pixels, scale)) + "px";
    start = end + 1;
  }
  css.append(kStyleSheet.substr(start));
  return css;
}

void nameWidget(wxWindow* window, const char* name) {
  if (window && window->GetHandle()) gtk_widget_set_name(window->GetHandle(), name);
}

// A GTK combo box opened without a chosen item highlights its first item, so that the first
// press of the down key goes to the second one. On Windows, for which the program was made,
// such a list opens with nothing highlighted and the first press chooses the first item. The
// highlight is taken away once GTK has finished opening the list.
gboolean unhighlightOpenList(gpointer data) {
  auto* combo = static_cast<GtkWidget*>(data);
  if (listShown(combo) && gtk_combo_box_get_active(GTK_COMBO_BOX(combo)) < 0) {
    for (GList* menu = gtk_menu_get_for_attach_widget(combo); menu; menu = menu->next) {
      gtk_menu_shell_deselect(GTK_MENU_SHELL(menu->data));
    }
  }
  g_object_unref(combo);
  return G_SOURCE_REMOVE;  // runs once
}

void onPopupShownChanged(GObject* combo, GParamSpec*, gpointer) {
  g_idle_add(&unhighlightOpenList, g_object_ref(combo));
}

}  // namespace

void prepareProcess() {
  // Lists show classic scroll bars, so that rows beyond the visible ones are noticed; GTK's
  // overlay scroll bars only appear under the mouse pointer. A user's own choice is kept.
  setenv("GTK_OVERLAY_SCROLLING", "0", 0);
  // wx keeps GTK from setting the process locale. The character type matters for the window
  // titles, though: the title property older window managers and tools read is converted
  // through the C library, which needs a UTF-8 character type for Russian text. The user's
  // own locale is taken when it is a UTF-8 one, else the neutral UTF-8 locale.
  const char* ctype = std::setlocale(LC_CTYPE, "");
  if (!ctype || std::string_view(nl_langinfo(CODESET)) != "UTF-8") {
    if (!std::setlocale(LC_CTYPE, "C.UTF-8")) std::setlocale(LC_CTYPE, "C");
  }
}

void installStyleSheet(double scale) {
  GdkScreen* screen = gdk_screen_get_default();
  if (!screen) return;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, styleSheetAt(scale).c_str(), -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);  // the screen keeps its own reference
}

void nameFrameWidget(wxWindow* frame) { nameWidget(frame, kFrameWidgetName); }

void nameClientWidget(wxWindow* panel) { nameWidget(panel, kClientWidgetName); }

void openListsUnhighlighted(wxChoice* choice) {
  if (!choice->GetHandle()) return;
  g_signal_connect(choice->GetHandle(), "notify::popup-shown", G_CALLBACK(&onPopupShownChanged),
                   nullptr);
}

bool listShown(WXWidget combo) {
  gboolean shown = FALSE;
  g_object_get(combo, "popup-shown", &shown, nullptr);
  return shown != FALSE;
}

bool widgetWithin(WXWidget widget, WXWidget container) {
  return widget && container && (widget == container || gtk_widget_is_ancestor(widget, container));
}

struct FocusFollower::Signals {
  // Runs before GTK moves the focus, so the window still reports the old focus widget.
  static void onSetFocus(GtkWindow* window, GtkWidget* newFocus, gpointer follower) {
    static_cast<FocusFollower*>(follower)->handler_(gtk_window_get_focus(window), newFocus);
  }

  static gboolean onFocusOut(GtkWidget* window, GdkEvent*, gpointer follower) {
    static_cast<FocusFollower*>(follower)->handler_(gtk_window_get_focus(GTK_WINDOW(window)),
                                                    nullptr);
    return FALSE;  // GTK goes on handling the event
  }
};

bool FocusFollower::start(wxWindow* window, Handler handler) {
  widget_ = window->GetHandle();
  if (!widget_) return false;
  handler_ = std::move(handler);
  connections_.push_back(
      g_signal_connect(widget_, "set-focus", G_CALLBACK(&Signals::onSetFocus), this));
  connections_.push_back(
      g_signal_connect(widget_, "focus-out-event", G_CALLBACK(&Signals::onFocusOut), this));
  return true;
}

void FocusFollower::stop() {
  for (gulong connection : connections_) {
    if (connection) g_signal_handler_disconnect(widget_, connection);
  }
  connections_.clear();
}

}  // namespace gui::wx
