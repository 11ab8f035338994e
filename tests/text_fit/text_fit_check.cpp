// Whether every text of every window fits its box at the scales real desktops use: each window
// opened on the in-memory toolkit as a user opens it, its labels, buttons, check boxes, frame
// captions, list titles and read-only lines measured in the windows' real font (the screen
// toolkit's: Liberation Sans on Linux, Tahoma on Windows) at s = 1, 1.25, 1.5 and 2. Prints
// each text that does not fit and ends with 1 when there was one, with 2 without a display.

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "gui/headless/headless_toolkit.h"
#include "gui/text_fit.h"
#include "gui/wx/wx_toolkit.h"
#include "project/project_window.h"
#include "selection/condenser_window_ids.h"
#include "selection/cooler_window_ids.h"
#include "selection/window_numbers.h"
#include "support/fake_clock.h"
#include "support/recording_desktop_opener.h"
#include "support/serve_queued.h"

namespace {

// No transfer is ever made: the version check of About shows its "?" at once.
class Offline final : public net::Network {
 public:
  bool start() override { return false; }
  net::TransferOutcome download(const std::string&, const std::string&, net::TransferKind,
                                const net::TransferProgress&) override {
    return {};
  }
};

std::vector<gui::TextBox> textBoxesOf(const gui::HeadlessWindow& window) {
  using gui::GadgetKind, gui::TextBoxKind;
  std::vector<gui::TextBox> boxes;
  for (const gui::HeadlessGadget& g : window.gadgets) {
    switch (g.kind) {
      case GadgetKind::Label: boxes.push_back({TextBoxKind::Label, g.place, g.text}); break;
      case GadgetKind::Button: boxes.push_back({TextBoxKind::Button, g.place, g.text}); break;
      case GadgetKind::CheckBox:
      case GadgetKind::Option: boxes.push_back({TextBoxKind::Mark, g.place, g.text}); break;
      case GadgetKind::Frame: boxes.push_back({TextBoxKind::FrameCaption, g.place, g.text}); break;
      case GadgetKind::Hyperlink: boxes.push_back({TextBoxKind::Link, g.place, g.text}); break;
      case GadgetKind::List:
        for (const gui::ListColumn& column : g.columns) {
          if (column.width > 0) boxes.push_back({TextBoxKind::ListTitle, {0, 0, column.width, 0}, column.title});
        }
        break;
      case GadgetKind::ReadOnlyText:
        for (const std::string& line : g.lines) boxes.push_back({TextBoxKind::TextLines, g.place, line});
        break;
      default: break;
    }
  }
  return boxes;
}

// The windows as a user opens them: the main window, both selection windows, the About and
// user information windows of each, and the project window.
std::vector<std::pair<std::string, std::vector<gui::TextBox>>> everyWindow(const std::string& folder) {
  gui::HeadlessToolkit toolkit;
  testing_support::FakeClock clock;
  testing_support::RecordingDesktopOpener opener;
  Offline network;
  selection::Services services{clock, opener, network, folder};
  app::Program program(toolkit, services);
  std::vector<std::pair<std::string, std::vector<gui::TextBox>>> windows;
  if (!program.shell().startUp()) return windows;
  const auto serve = [&] { testing_support::serveQueued(program.shell(), toolkit); };
  const auto keep = [&](int window) {
    windows.emplace_back(toolkit.window(window).layout.title, textBoxesOf(toolkit.window(window)));
  };
  keep(selection::kMainWindow);
  const struct {
    int area, window, about, aboutWindow, userInfo, userInfoWindow;
  } selections[] = {
      {selection::kCoolerArea, selection::kCoolerWindow, selection::cooler::kMenuAbout,
       selection::kCoolerAboutWindow, selection::cooler::kMenuUserInfo, selection::kCoolerUserInfoWindow},
      {selection::kCondenserArea, selection::kCondenserWindow, selection::condenser::kMenuAbout,
       selection::kCondenserAboutWindow, selection::condenser::kMenuUserInfo, selection::kCondenserUserInfoWindow},
  };
  for (const auto& s : selections) {
    toolkit.click(selection::kMainWindow, s.area);
    serve();
    keep(s.window);
    for (const auto& [item, child] : {std::pair{s.about, s.aboutWindow}, std::pair{s.userInfo, s.userInfoWindow}}) {
      toolkit.chooseMenu(s.window, item);
      serve();
      keep(child);
      toolkit.pressKey(child, gui::Key::Escape);
      serve();
    }
  }
  // The project window, its totals line as long as a large project makes it.
  toolkit.chooseMenu(selection::kMainWindow, selection::kMenuProjectWindow);
  serve();
  toolkit.setText(selection::kProjectWindow, project::kTotalsLabel,
                  project::totalsText({{999, 99999.999}, {999, 99999.999}}));
  keep(selection::kProjectWindow);
  return windows;
}

}  // namespace

int main(int argc, char** argv) {
  const auto screen = gui::createWxToolkit(argc, argv);  // the real fonts need the toolkit
  if (!screen) {
    std::fprintf(stderr, "text_fit_check: no display\n");
    return 2;
  }
  const auto windows = everyWindow(argc > 1 ? argv[1] : ".");
  if (windows.size() != 8) {
    std::fprintf(stderr, "text_fit_check: %zu windows opened instead of 8\n", windows.size());
    return 1;
  }
  int misfitCount = 0;
  for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
    const gui::MeasureText measure = [scale](const std::string& line) { return gui::measureText(line, scale); };
    for (const auto& [title, boxes] : windows) {
      for (const gui::Misfit& misfit : gui::misfits(boxes, scale, measure)) {
        std::printf("s = %.2f, %s: \"%s\" needs %d px, has %d\n", scale, title.c_str(), misfit.text.c_str(),
                    misfit.needed, misfit.available);
        ++misfitCount;
      }
    }
  }
  std::printf("%d texts that do not fit, in %zu windows at 4 scales\n", misfitCount, windows.size());
  return misfitCount == 0 ? 0 : 1;
}
