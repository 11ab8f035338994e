// The application shell through the headless toolkit: start-up order and timing, the main
// window, the exit question, and the closing of windows with stand-in window handlers.

#include "app/shell.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/catalog.h"
#include "gui/headless/headless_toolkit.h"
#include "selection/window_numbers.h"
#include "support/fake_clock.h"
#include "support/scratch_folder.h"
#include "support/serve_queued.h"

namespace {

using gui::EventKind;
using gui::MessageAnswer;
using testing_support::FakeClock;
using testing_support::serveQueued;

class ShellTest : public ::testing::Test {
 protected:
  std::ptrdiff_t journalIndex(const std::string& entry) const {
    const auto& journal = toolkit_.journal();
    const auto found = std::find(journal.begin(), journal.end(), entry);
    return found == journal.end() ? -1 : found - journal.begin();
  }

  // A stand-in window that asks to be closed on its close box and counts its events. A window
  // of the main window asks before closing, as the selection windows do; any other is a child
  // window that gives its parent back when it closes.
  void openStandIn(int window, int parent) {
    ASSERT_TRUE(toolkit_.openWindow({window, "stand-in", 100, 100, gui::FrameStyle::Dialog, parent,
                                     gui::Placement::CentreOnParentFrame, false}));
    const bool selectionWindow = parent == selection::kMainWindow;
    shell_.setRole(window, {.handle = [this](const gui::Event& event) {
                              ++handled_;
                              return event.kind == EventKind::CloseRequest ? 0 : 1;
                            },
                            .afterClosing = [this, window] { closedWindows_.push_back(window); },
                            .asksBeforeClosing = selectionWindow,
                            .parent = selectionWindow ? gui::kNoParent : parent});
  }

  gui::HeadlessToolkit toolkit_;
  FakeClock clock_;
  testing_support::ScratchFolder folder_;
  app::Shell shell_{toolkit_, clock_, folder_.path()};
  int handled_ = 0;
  std::vector<int> closedWindows_;
};

TEST_F(ShellTest, StartsUpInOrder) {
  bool catalogLoadedAtSplash = false;
  toolkit_.onJournal([&](const std::string& entry) {
    if (entry == "open 0") catalogLoadedAtSplash = catalog::condenserList630().size() == 120;
  });
  ASSERT_TRUE(shell_.startUp());

  // Pictures 0 to 6, then the catalog, then the splash, then the hidden main window, shown
  // after the wait, and only then the splash goes.
  for (int slot = 0; slot < 7; ++slot) {
    EXPECT_LT(journalIndex("image " + std::to_string(slot)), journalIndex("open 0")) << slot;
    EXPECT_GT(toolkit_.image(slot).width, 0) << slot;
  }
  EXPECT_TRUE(catalogLoadedAtSplash);
  EXPECT_LT(journalIndex("open 0"), journalIndex("open 1"));
  EXPECT_LT(journalIndex("open 1"), journalIndex("show 1"));
  EXPECT_LT(journalIndex("show 1"), journalIndex("close 0"));
  EXPECT_EQ(journalIndex("show 0") + 1, journalIndex("paint"));  // the splash is painted at once
  EXPECT_FALSE(toolkit_.windowExists(selection::kSplashWindow));
  EXPECT_TRUE(toolkit_.windowShown(selection::kMainWindow));
  EXPECT_TRUE(toolkit_.messages().empty());
}

TEST_F(ShellTest, StartUpRemovesTheProgramsOwnLeftoversOnly) {
  const std::vector<std::string> leftovers{"orvex-selection.ini.a1B2c3", "orvex-selection.htm.Zz09Aa",
                                           "orvex-selection.png.000000", "favicon.ico.q1w2e3",
                                           "VK-M 200A20.pdf.XyZ123", "KD-400B.pdf.abcdef"};
  const std::vector<std::string> kept{"orvex-selection.htm.bak", "orvex-selection.ini.a1B2c", "notes.txt.a1B2c3",
                                      "VK-M 999.pdf.XyZ123",  // no such model
                                      "orvex-selection.ini"};
  for (const auto& name : leftovers) folder_.write(name, "partial");
  for (const auto& name : kept) folder_.write(name, "user's");
  ASSERT_TRUE(shell_.startUp());
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(folder_.names(), expected);
}

TEST_F(ShellTest, SplashWindowAndMainWindowLookAsDesigned) {
  gui::WindowSpec splash;
  std::vector<gui::HeadlessGadget> splashGadgets;
  toolkit_.onJournal([&](const std::string& entry) {
    if (entry == "paint" && toolkit_.windowExists(selection::kSplashWindow) && splashGadgets.empty()) {
      splash = toolkit_.window(selection::kSplashWindow).layout;
      splashGadgets = toolkit_.window(selection::kSplashWindow).gadgets;
    }
  });
  ASSERT_TRUE(shell_.startUp());
  EXPECT_EQ(splash.style, gui::FrameStyle::Borderless);
  EXPECT_EQ(splash.title, "");
  EXPECT_EQ(std::pair(splash.width, splash.height), std::pair(455, 297));
  EXPECT_EQ(splash.placement, gui::Placement::CentreOnScreen);
  ASSERT_EQ(splashGadgets.size(), 1u);
  EXPECT_EQ(splashGadgets[0].place, (gui::Rect{0, 0, 455, 297}));
  EXPECT_EQ(splashGadgets[0].image, 6);

  const gui::HeadlessWindow& main = toolkit_.window(selection::kMainWindow);
  EXPECT_EQ(main.layout.title, "ORVEX-selection 2 - подбор оборудования ORVEX®");
  EXPECT_EQ(std::pair(main.layout.width, main.layout.height), std::pair(800, 620));
  EXPECT_EQ(main.layout.style, gui::FrameStyle::Main);
  EXPECT_EQ(main.layout.placement, gui::Placement::CentreOnScreen);
  EXPECT_TRUE(main.layout.hidden);
  ASSERT_EQ(main.menu.size(), 2u);
  EXPECT_EQ(main.menu[0].title, "Программа");
  EXPECT_EQ(main.menu[0].items[0].text, "Выйти");
  EXPECT_EQ(main.menu[1].title, "Окна");
  EXPECT_EQ(main.menu[1].items[0].id, selection::kMenuCoolerWindow);
  EXPECT_EQ(main.menu[1].items[0].text, "Воздухоохладитель");
  EXPECT_EQ(main.menu[1].items[1].text, "Конденсатор");

  const auto& background = toolkit_.gadget(selection::kMainWindow, selection::kBackgroundPicture);
  EXPECT_EQ(background.image, 0);
  EXPECT_FALSE(background.enabled);
  EXPECT_EQ(background.place, (gui::Rect{0, 0, 800, 600}));
  const struct {
    int gadget;
    gui::Rect place;
    const char* tooltip;
  } areas[] = {{selection::kCoolerArea, {0, 200, 400, 400}, "Воздухоохладитель"},
               {selection::kCondenserArea, {450, 200, 350, 400}, "Конденсатор"}};
  for (const auto& area : areas) {
    const auto& picture = toolkit_.gadget(selection::kMainWindow, area.gadget);
    EXPECT_EQ(picture.place, area.place);
    EXPECT_EQ(picture.image, gui::kNoImage);
    EXPECT_EQ(picture.tooltip, area.tooltip);
    EXPECT_TRUE(picture.handCursor);
  }
}

TEST_F(ShellTest, MainWindowWaitsUntilMoreThanFiveSecondsAfterTheSplash) {
  // Each sleep lands the clock exactly on the 5000 ms mark first: that still waits.
  std::int64_t splashShownAt = -1;
  std::vector<std::int64_t> elapsedAtSleeps;
  toolkit_.onJournal([&](const std::string& entry) {
    if (entry == "show 0") splashShownAt = clock_.milliseconds();
    if (entry == "show 1") {
      EXPECT_GT(clock_.milliseconds() - splashShownAt, 5000);
    }
  });
  clock_.setStep([&](std::int64_t asked) {
    const std::int64_t elapsed = clock_.milliseconds() - splashShownAt;
    return elapsed < 5000 ? 5000 - elapsed : asked;
  });
  clock_.afterEachSleep([&] {
    elapsedAtSleeps.push_back(clock_.milliseconds() - splashShownAt);
    if (elapsedAtSleeps.back() <= 5000) {
      EXPECT_FALSE(toolkit_.windowShown(selection::kMainWindow)) << elapsedAtSleeps.back();
    }
  });
  ASSERT_TRUE(shell_.startUp());
  ASSERT_GE(elapsedAtSleeps.size(), 2u);
  EXPECT_EQ(elapsedAtSleeps.front(), 5000);
  EXPECT_GT(elapsedAtSleeps.back(), 5000);
  EXPECT_LE(elapsedAtSleeps.back(), 5020);
}

TEST_F(ShellTest, SplashThatCannotOpenStillWaits) {
  toolkit_.failToOpen(selection::kSplashWindow);
  const std::int64_t start = clock_.milliseconds();
  ASSERT_TRUE(shell_.startUp());
  EXPECT_GT(clock_.milliseconds() - start, 5000);
  EXPECT_TRUE(toolkit_.windowShown(selection::kMainWindow));
}

TEST_F(ShellTest, MainWindowThatCannotOpenEndsSilentlyWithZero) {
  toolkit_.failToOpen(selection::kMainWindow);
  EXPECT_EQ(shell_.run(), 0);
  EXPECT_TRUE(toolkit_.messages().empty());
  EXPECT_FALSE(toolkit_.windowExists(selection::kSplashWindow));
}

TEST_F(ShellTest, ExitQuestionFromCloseBoxOrMenu) {
  ASSERT_TRUE(shell_.startUp());
  for (const bool viaMenu : {false, true}) {
    SCOPED_TRACE(viaMenu ? "menu" : "close box");
    auto askToExit = [&] {
      if (viaMenu) {
        toolkit_.chooseMenu(selection::kMainWindow, selection::kMenuExit);
      } else {
        toolkit_.pressClose(selection::kMainWindow);
      }
    };
    toolkit_.answerNextMessage(MessageAnswer::No);
    askToExit();
    EXPECT_EQ(serveQueued(shell_, toolkit_), std::nullopt);
    EXPECT_TRUE(toolkit_.windowShown(selection::kMainWindow));

    toolkit_.answerNextMessage(MessageAnswer::Yes);
    askToExit();
    EXPECT_EQ(serveQueued(shell_, toolkit_), 0);
  }
  ASSERT_EQ(toolkit_.messages().size(), 4u);
  for (const gui::ShownMessage& message : toolkit_.messages()) {
    EXPECT_EQ(message.caption, "ORVEX-selection");
    EXPECT_EQ(message.text, "Вы уверены, что хотите выйти из программы?");
    EXPECT_EQ(message.buttons, gui::MessageButtons::YesNo);
  }
}

TEST_F(ShellTest, EventLoopEndsWithExitCodeZeroAfterYes) {
  toolkit_.answerNextMessage(MessageAnswer::Yes);
  toolkit_.onJournal([&](const std::string& entry) {
    if (entry == "show 1") toolkit_.chooseMenu(selection::kMainWindow, selection::kMenuExit);
  });
  EXPECT_EQ(shell_.run(), 0);
}

TEST_F(ShellTest, MenuItemsAndPictureAreasOpenTheSelectionWindows) {
  int coolerOpens = 0, condenserOpens = 0;
  shell_.addOpener({selection::kMenuCoolerWindow, selection::kCoolerArea, [&] { ++coolerOpens; }});
  shell_.addOpener({selection::kMenuCondenserWindow, selection::kCondenserArea, [&] { ++condenserOpens; }});
  ASSERT_TRUE(shell_.startUp());
  toolkit_.chooseMenu(selection::kMainWindow, selection::kMenuCoolerWindow);
  toolkit_.click(selection::kMainWindow, selection::kCoolerArea);
  toolkit_.chooseMenu(selection::kMainWindow, selection::kMenuCondenserWindow);
  toolkit_.click(selection::kMainWindow, selection::kCondenserArea);
  toolkit_.click(selection::kMainWindow, selection::kCondenserArea);
  EXPECT_EQ(serveQueued(shell_, toolkit_), std::nullopt);
  EXPECT_EQ(coolerOpens, 2);
  EXPECT_EQ(condenserOpens, 3);
  EXPECT_THROW(toolkit_.click(selection::kMainWindow, selection::kBackgroundPicture), std::logic_error);
}

TEST_F(ShellTest, SelectionWindowsCloseOnlyAfterYes) {
  ASSERT_TRUE(shell_.startUp());
  openStandIn(selection::kCoolerWindow, selection::kMainWindow);
  openStandIn(selection::kCondenserWindow, selection::kMainWindow);
  for (int window : {selection::kCoolerWindow, selection::kCondenserWindow}) {
    toolkit_.answerNextMessage(MessageAnswer::No);
    toolkit_.pressClose(window);
    serveQueued(shell_, toolkit_);
    EXPECT_TRUE(toolkit_.windowExists(window));
    EXPECT_EQ(std::count(closedWindows_.begin(), closedWindows_.end(), window), 0);
    toolkit_.answerNextMessage(MessageAnswer::Yes);
    toolkit_.pressClose(window);
    serveQueued(shell_, toolkit_);
    EXPECT_FALSE(toolkit_.windowExists(window));
  }
  EXPECT_EQ(closedWindows_, (std::vector<int>{selection::kCoolerWindow, selection::kCondenserWindow}));
  ASSERT_EQ(toolkit_.messages().size(), 4u);
  EXPECT_EQ(toolkit_.messages()[0].text, "Вы уверены, что хотите закрыть окно?");
  EXPECT_EQ(toolkit_.messages()[0].caption, "ORVEX-selection");
}

TEST_F(ShellTest, ClosingAChildReEnablesItsOwnParentWithoutAQuestion) {
  ASSERT_TRUE(shell_.startUp());
  openStandIn(selection::kCoolerWindow, selection::kMainWindow);
  openStandIn(selection::kCondenserWindow, selection::kMainWindow);
  const struct {
    int child, parent, otherParent;
  } pairs[] = {{4, 2, 3}, {6, 2, 3}, {5, 3, 2}, {7, 3, 2}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(pair.child);
    openStandIn(pair.child, pair.parent);
    toolkit_.enableWindow(selection::kCoolerWindow, false);
    toolkit_.enableWindow(selection::kCondenserWindow, false);
    toolkit_.pressClose(pair.child);
    serveQueued(shell_, toolkit_);
    EXPECT_FALSE(toolkit_.windowExists(pair.child));
    EXPECT_TRUE(toolkit_.windowEnabled(pair.parent));
    EXPECT_FALSE(toolkit_.windowEnabled(pair.otherParent));
    EXPECT_TRUE(toolkit_.window(pair.parent).active);
  }
  EXPECT_TRUE(toolkit_.messages().empty());
  EXPECT_TRUE(toolkit_.windowEnabled(selection::kMainWindow));
}

TEST_F(ShellTest, ExitWithSelectionWindowsOpenAsksOnlyTheExitQuestion) {
  ASSERT_TRUE(shell_.startUp());
  openStandIn(selection::kCoolerWindow, selection::kMainWindow);
  openStandIn(selection::kCondenserWindow, selection::kMainWindow);
  toolkit_.answerNextMessage(MessageAnswer::Yes);
  toolkit_.pressClose(selection::kMainWindow);
  EXPECT_EQ(serveQueued(shell_, toolkit_), 0);
  ASSERT_EQ(toolkit_.messages().size(), 1u);
  EXPECT_EQ(handled_, 0);
}

TEST_F(ShellTest, EventsOfUnknownOrSplashWindowsAreIgnored) {
  ASSERT_TRUE(shell_.startUp());
  EXPECT_EQ(shell_.serve({0, EventKind::CloseRequest, 0, gui::GadgetEvent::Other}), std::nullopt);
  EXPECT_EQ(shell_.serve({9, EventKind::CloseRequest, 0, gui::GadgetEvent::Other}), std::nullopt);
  EXPECT_EQ(shell_.serve({selection::kCondenserWindow, EventKind::CloseRequest, 0, gui::GadgetEvent::Other}),
            std::nullopt);
  EXPECT_TRUE(toolkit_.messages().empty());
}

}  // namespace
