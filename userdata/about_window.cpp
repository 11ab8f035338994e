#include "userdata/about_window.h"

#include "platform/site.h"
#include "resources/pictures.h"
#include "userdata/version_check.h"

namespace userdata {

using namespace about;

namespace {

constexpr gui::Rgb kLinkColour{0, 0, 255};
constexpr const char* kSupportAddress = "support@orvex.example";

}  // namespace

void openAboutWindow(gui::Toolkit& tk, int parent, int window, net::Network& network,
                     const std::string& folder) {
  if (!tk.openWindow({window, "О программе", 232, 341, gui::FrameStyle::Dialog, parent,
                      gui::Placement::CentreOnParentFrame, false}))
    return;
  tk.addPicture(window, gui::kUnnumbered, {36, 4, 155, 101}, resources::kLogoImage);
  tk.addReadOnlyText(window, kText, {10, 121, 212, 80});
  for (const std::string& line : {std::string(" Подбор оборудования ORVEX®"),
                                  std::string(" Воздухоохладители, Конденсаторы"),
                                  std::string(" Техническая поддержка по "),
                                  " e-mail: " + std::string(kSupportAddress),
                                  " " + platform::siteAddress()})
    tk.appendLine(window, kText, line);
  tk.showBusyCursor(true);
  tk.paintPending();  // the logo and the text are seen while the check waits for the site
  const std::string latest = fetchLatestVersion(network, folder);
  tk.showBusyCursor(false);
  tk.addFrame(window, {10, 206, 212, 80}, "");
  tk.addLabel(window, gui::kUnnumbered, {20, 221, 200, 15}, "Ваша версия программы: " + platform::programVersion());
  tk.addLabel(window, gui::kUnnumbered, {20, 241, 200, 15}, "Новейшая версия программы: " + latest);
  tk.addHyperlink(window, kSiteLink, {20, 261, 200, 15}, "Посетить сайт программы", versionStateColour(latest));
  tk.setTextColour(window, kSiteLink, kLinkColour);
  tk.addButton(window, kOkButton, {66, 301, 100, 25}, "Ok");
  tk.setDialogButtons(window, kOkButton, kOkButton);
}

int handleAboutEvent(platform::DesktopOpener& opener, const gui::Event& event) {
  if (event.kind == gui::EventKind::CloseRequest) return 0;
  if (event.kind != gui::EventKind::Gadget) return 1;
  if (event.item == kOkButton) return 0;
  if (event.item == kSiteLink) opener.open(platform::siteAddress() + "/calk/");
  return 1;
}

}  // namespace userdata
