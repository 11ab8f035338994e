// The keyboard in the program's windows: Enter and Escape in the dialogs press their buttons
// as a click does, and Tab follows each window's layout.

#include <gtest/gtest.h>

#include <filesystem>

#include "selection/condenser_window_ids.h"
#include "selection/cooler_window_ids.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"
#include "userdata/about_window.h"
#include "userdata/ini_file.h"
#include "userdata/user_info_window.h"

namespace {

using gui::Key;
using selection::kCondenserWindow, selection::kCoolerWindow, selection::kMainWindow;

class KeyboardTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    click(kMainWindow, selection::kCoolerArea);
    click(kMainWindow, selection::kCondenserArea);
  }
  void press(int window, Key key) {
    toolkit_.pressKey(window, key);
    serve();
  }
};

struct DialogKey {
  const char* what;
  int menuItem;  // of the air cooler window
  int window;
  Key key;
  bool saves;
};

void PrintTo(const DialogKey& key, std::ostream* out) { *out << key.what; }

class DialogKeys : public KeyboardTest, public ::testing::WithParamInterface<DialogKey> {};

TEST_P(DialogKeys, PressTheirButtonAndCloseTheWindow) {
  const DialogKey& c = GetParam();
  chooseMenu(kCoolerWindow, c.menuItem);
  if (c.window == selection::kCoolerUserInfoWindow) toolkit_.type(c.window, userdata::user_info::kAddress, "Москва");
  press(c.window, c.key);
  EXPECT_FALSE(toolkit_.windowExists(c.window));
  EXPECT_TRUE(toolkit_.windowEnabled(kCoolerWindow));
  const std::string iniPath = folder_.pathOf("orvex-selection.ini");
  EXPECT_EQ(std::filesystem::exists(iniPath), c.saves);
  if (c.saves) {
    EXPECT_EQ(userdata::readUserInfoFile(iniPath).address, "Москва");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Windows, DialogKeys,
    ::testing::Values(
        DialogKey{"user information, Enter in a field saves", selection::cooler::kMenuUserInfo,
                  selection::kCoolerUserInfoWindow, Key::Enter, true},
        DialogKey{"user information, Escape does not", selection::cooler::kMenuUserInfo,
                  selection::kCoolerUserInfoWindow, Key::Escape, false},
        DialogKey{"About, Enter", selection::cooler::kMenuAbout, selection::kCoolerAboutWindow, Key::Enter, false},
        DialogKey{"About, Escape", selection::cooler::kMenuAbout, selection::kCoolerAboutWindow, Key::Escape, false}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct WindowTabs {
  const char* what;
  int window;
  int menuItem;  // of the air cooler window opening it; 0: open from the start
  std::vector<int> order;
};

void PrintTo(const WindowTabs& tabs, std::ostream* out) { *out << tabs.what; }

class TabOrder : public KeyboardTest, public ::testing::WithParamInterface<WindowTabs> {};

TEST_P(TabOrder, FollowsTheLayoutTopToBottomLeftToRight) {
  const WindowTabs& c = GetParam();
  if (c.menuItem != 0) chooseMenu(kCoolerWindow, c.menuItem);
  std::vector<int> order;
  for (const gui::HeadlessGadget* gadget : toolkit_.tabOrder(c.window)) order.push_back(gadget->number);
  EXPECT_EQ(order, c.order);
}

namespace cooler = selection::cooler;
namespace condenser = selection::condenser;
namespace info = userdata::user_info;

INSTANTIATE_TEST_SUITE_P(
    Windows, TabOrder,
    ::testing::Values(
        WindowTabs{"main window: pictures only", kMainWindow, 0, {}},
        // The series first, which fills the temperature choices; then column by column: the
        // design data, the choice, the limits under the clear button; then the list and its
        // buttons. An option group is one stop.
        WindowTabs{"air cooler", kCoolerWindow, 0,
                   {cooler::kSeries, cooler::kEvaporatingTemperature, cooler::kTemperatureDifference,
                    cooler::kAirInletTemperature, cooler::kHumidity, cooler::kRequiredCapacity, cooler::kRefrigerant,
                    cooler::kRoomRange, cooler::kClearButton, cooler::kMinAirThrow, cooler::kMaxWidth,
                    cooler::kMaxLength, cooler::kProject, cooler::kContactPerson, cooler::kResultList,
                    cooler::kSelectButton, cooler::kReportButton, cooler::kDrawingButton}},
        WindowTabs{"condenser", kCondenserWindow, 0,
                   {condenser::kAmbientTemperature, condenser::kTemperatureDifference,
                    condenser::kCondensingTemperature, condenser::kAltitude, condenser::kRequiredHeatRejection,
                    condenser::kRefrigerant, condenser::kSeries, condenser::kDeltaConnection,
                    condenser::kClearButton, condenser::kNoiseLimit, condenser::kFourPoles, condenser::kSixPoles, condenser::kEightPoles, condenser::kProject,
                    condenser::kContactPerson, condenser::kResultList, condenser::kSelectButton,
                    condenser::kReportButton, condenser::kDrawingButton}},
        WindowTabs{"user information", selection::kCoolerUserInfoWindow, cooler::kMenuUserInfo,
                   {info::kCompany, info::kAddress, info::kPhoneFax, info::kEmail, info::kManager, info::kOkButton,
                    info::kCancelButton}},
        WindowTabs{"About", selection::kCoolerAboutWindow, cooler::kMenuAbout,
                   {userdata::about::kText, userdata::about::kSiteLink, userdata::about::kOkButton}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// The window opens with the focus on its first stop; Tab walks the stops and skips disabled
// ones; an option group is one stop, at its ticked option; closing About gives the focus back.
TEST_F(KeyboardTest, TabWalksTheStopsAndTheFocusComesBack) {
  EXPECT_EQ(toolkit_.focus(), std::pair(kCondenserWindow, condenser::kAmbientTemperature)) << "opened last";
  toolkit_.pressTab(kCoolerWindow);
  EXPECT_EQ(toolkit_.focus(), std::pair(kCoolerWindow, cooler::kSeries));
  toolkit_.pressTab(kCoolerWindow, true);
  EXPECT_EQ(toolkit_.focus().second, cooler::kDrawingButton) << "back from the first stop to the last one";

  toolkit_.setChecked(kCondenserWindow, condenser::kStarConnection, true);
  toolkit_.setFocus(kCondenserWindow, condenser::kSeries);
  toolkit_.pressTab(kCondenserWindow);
  EXPECT_EQ(toolkit_.focus().second, condenser::kStarConnection) << "the ticked option is the group's stop";
  toolkit_.pressTab(kCondenserWindow);
  EXPECT_EQ(toolkit_.focus().second, condenser::kClearButton);

  toolkit_.setFocus(kCoolerWindow, cooler::kHumidity);
  toolkit_.setEnabled(kCoolerWindow, cooler::kRequiredCapacity, false);
  toolkit_.pressTab(kCoolerWindow);
  EXPECT_EQ(toolkit_.focus().second, cooler::kRefrigerant) << "a disabled field is no stop";

  chooseMenu(kCoolerWindow, cooler::kMenuAbout);
  press(selection::kCoolerAboutWindow, Key::Escape);
  EXPECT_EQ(toolkit_.focus(), std::pair(kCoolerWindow, cooler::kRefrigerant));
}

}  // namespace
