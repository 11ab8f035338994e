#include "app/shell.h"

#include <algorithm>

#include "app/leftovers.h"
#include "catalog/catalog.h"
#include "resources/pictures.h"

namespace app {

using namespace selection;  // window numbers

namespace {

constexpr const char* kProgramCaption = "ORVEX-selection";
constexpr const char* kExitQuestion = "Вы уверены, что хотите выйти из программы?";
constexpr const char* kCloseQuestion = "Вы уверены, что хотите закрыть окно?";
constexpr int kExitCode = 0;

bool confirmed(gui::Toolkit& toolkit, const char* question) {
  return toolkit.messageBox(kProgramCaption, question, gui::MessageButtons::YesNo) ==
         gui::MessageAnswer::Yes;
}

}  // namespace

bool Shell::startUp() {
  for (int slot = 0; slot < resources::kImageSlotCount; ++slot) {
    toolkit_.setImage(slot, [slot] { return resources::decodeProgramPicture(slot); });
  }
  catalog::loadCatalog();
  removeProgramLeftovers(folder_);

  // Without a splash window start-up goes on; the wait below still takes place.
  if (toolkit_.openWindow({kSplashWindow, "", 455, 297, gui::FrameStyle::Borderless,
                           gui::kNoParent, gui::Placement::CentreOnScreen, false})) {
    toolkit_.addPicture(kSplashWindow, kSplashPicture, {0, 0, 455, 297}, resources::kSplashImage);
    toolkit_.paintPending();
  }
  const std::int64_t splashStart = clock_.milliseconds();

  if (!toolkit_.openWindow({kMainWindow, "ORVEX-selection 2 - подбор оборудования ORVEX®", 800,
                            620, gui::FrameStyle::Main, gui::kNoParent,
                            gui::Placement::CentreOnScreen, true})) {
    if (toolkit_.windowExists(kSplashWindow)) toolkit_.closeWindow(kSplashWindow);
    return false;
  }
  buildMainWindow();
  waitForSplashTime(splashStart);
  toolkit_.showWindow(kMainWindow);
  if (toolkit_.windowExists(kSplashWindow)) toolkit_.closeWindow(kSplashWindow);
  return true;
}

void Shell::buildMainWindow() {
  toolkit_.setMenu(kMainWindow, {{"Программа", {{kMenuExit, "Выйти"}}},
                                 {"Окна", {{kMenuCoolerWindow, "Воздухоохладитель"},
                                           {kMenuCondenserWindow, "Конденсатор"},
                                           {kMenuProjectWindow, "Проект"}}}});
  toolkit_.addPicture(kMainWindow, kBackgroundPicture, {0, 0, 800, 600},
                      resources::kMainBackgroundImage);
  toolkit_.setEnabled(kMainWindow, kBackgroundPicture, false);  // takes no clicks
  toolkit_.addPicture(kMainWindow, kCoolerArea, {0, 200, 400, 400}, gui::kNoImage);
  toolkit_.setTooltip(kMainWindow, kCoolerArea, "Воздухоохладитель");
  toolkit_.addPicture(kMainWindow, kCondenserArea, {450, 200, 350, 400}, gui::kNoImage);
  toolkit_.setTooltip(kMainWindow, kCondenserArea, "Конденсатор");
  for (const gui::WindowOpener& opener : openers_)
    if (opener.pictureArea != gui::kUnnumbered) toolkit_.bindLeftClick(kMainWindow, opener.pictureArea, opener.open);
  toolkit_.setHandCursor(kMainWindow, kCoolerArea);
  toolkit_.setHandCursor(kMainWindow, kCondenserArea);
}

// Blocks, serving no window events, until more than kSplashMilliseconds have passed since the
// splash appeared; the splash keeps being painted meanwhile.
void Shell::waitForSplashTime(std::int64_t splashStart) {
  for (;;) {
    const std::int64_t elapsed = clock_.milliseconds() - splashStart;
    if (elapsed > kSplashMilliseconds) return;
    toolkit_.paintPending();
    clock_.sleepFor(std::min<std::int64_t>(kSplashMilliseconds + 1 - elapsed, 20));
  }
}

std::optional<int> Shell::serve(const gui::Event& event) {
  if (event.window == kMainWindow) return serveMainWindow(event);
  if (event.window <= kMainWindow || event.window >= kWindowCount) return std::nullopt;
  const gui::WindowRole& role = roles_[event.window];
  if (!role.handle || !toolkit_.windowExists(event.window)) return std::nullopt;
  if (role.handle(event) != 0) return std::nullopt;
  if (role.asksBeforeClosing && !confirmed(toolkit_, kCloseQuestion)) return std::nullopt;
  closeWindow(event.window);
  return std::nullopt;
}

std::optional<int> Shell::serveMainWindow(const gui::Event& event) {
  const bool exitAsked = event.kind == gui::EventKind::CloseRequest ||
                         (event.kind == gui::EventKind::Menu && event.item == kMenuExit);
  if (exitAsked) {
    if (!confirmed(toolkit_, kExitQuestion)) return std::nullopt;
    for (int window = 0; window < kWindowCount; ++window) {
      const gui::WindowRole& role = roles_[window];
      if (role.allowsExit && toolkit_.windowExists(window) && !role.allowsExit()) return std::nullopt;
    }
    return kExitCode;
  }
  if (event.kind == gui::EventKind::Menu) {
    for (const gui::WindowOpener& opener : openers_)
      if (opener.menuItem == event.item) opener.open();
  }
  return std::nullopt;
}

void Shell::closeWindow(int window) {
  toolkit_.closeWindow(window);
  const int parent = roles_[window].parent;
  if (parent != gui::kNoParent && toolkit_.windowExists(parent)) {
    toolkit_.enableWindow(parent, true);
    toolkit_.activateWindow(parent);
  }
  if (roles_[window].afterClosing) roles_[window].afterClosing();
}

int Shell::run() {
  if (!startUp()) return kExitCode;
  for (;;) {
    if (const auto exitCode = serve(toolkit_.waitEvent())) return *exitCode;
  }
}

}  // namespace app
