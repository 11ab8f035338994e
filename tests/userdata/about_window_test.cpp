// The About window opened from the selection windows' menus, with the version check against a
// site on 127.0.0.1 that answers as each case needs.

#include "userdata/about_window.h"

#include <gtest/gtest.h>

#include "platform/site.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"

namespace {

using namespace userdata::about;
constexpr int kFromCooler = 4, kFromCondenser = 5;
constexpr gui::Rgb kBlue{0, 0, 255}, kGreen{0, 128, 0}, kRed{255, 0, 0};

class AboutWindowTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    click(selection::kMainWindow, selection::kCoolerArea);
    click(selection::kMainWindow, selection::kCondenserArea);
  }
  void openFromCooler() { chooseMenu(selection::kCoolerWindow, 7); }
  std::string latestVersionLabel(int window) const {
    for (const auto* gadget : toolkit_.unnumberedGadgets(window))
      if (gadget->text.starts_with("Новейшая")) return gadget->text;
    return "";
  }
  testing_support::LoopbackSite site_;
};

TEST_F(AboutWindowTest, ShowsTheProgramItsVersionAndTheLink) {
  bool checkedBeforePaint = false;
  std::vector<std::string> busyCursor;  // "on" or "off", with whether the check had run
  toolkit_.onJournal([&](const std::string& entry) {
    if (entry == "paint") checkedBeforePaint = checkedBeforePaint || !network_.askedUrls.empty();
    if (entry.starts_with("busy ")) busyCursor.push_back(entry.substr(5) + (network_.askedUrls.empty() ? "" : " checked"));
  });
  openFromCooler();
  EXPECT_FALSE(checkedBeforePaint);  // the logo and the text are painted before the check waits
  EXPECT_EQ(busyCursor, (std::vector<std::string>{"on", "off checked"}));  // the cursor says it waits
  const gui::HeadlessWindow& window = toolkit_.window(kFromCooler);
  EXPECT_EQ(window.layout.title, "О программе");
  EXPECT_EQ(std::pair(window.layout.width, window.layout.height), std::pair(232, 341));
  const gui::HeadlessGadget& text = toolkit_.gadget(kFromCooler, kText);
  EXPECT_EQ(text.kind, gui::GadgetKind::ReadOnlyText);
  EXPECT_EQ(text.place, (gui::Rect{10, 121, 212, 80}));
  ASSERT_EQ(text.lines.size(), 5u);
  EXPECT_EQ(text.lines[0], " Подбор оборудования ORVEX®");
  EXPECT_EQ(text.lines[1], " Воздухоохладители, Конденсаторы");
  EXPECT_EQ(text.lines[2], " Техническая поддержка по ");
  EXPECT_EQ(text.lines[3], " e-mail: support@orvex.example");
  for (const std::string& line : text.lines) EXPECT_EQ(line[0], ' ');

  std::vector<std::pair<std::string, gui::Rect>> pieces;
  for (const auto* gadget : toolkit_.unnumberedGadgets(kFromCooler)) pieces.emplace_back(gadget->text, gadget->place);
  EXPECT_EQ(pieces, (std::vector<std::pair<std::string, gui::Rect>>{
                        {"", {36, 4, 155, 101}},
                        {"", {10, 206, 212, 80}},
                        {"Ваша версия программы: 2.2.0", {20, 221, 200, 15}},
                        {"Новейшая версия программы: ?", {20, 241, 200, 15}}}));
  EXPECT_EQ(toolkit_.unnumberedGadgets(kFromCooler)[0]->image, 1);
  const gui::HeadlessGadget& link = toolkit_.gadget(kFromCooler, kSiteLink);
  EXPECT_EQ(link.kind, gui::GadgetKind::Hyperlink);
  EXPECT_EQ(link.text, "Посетить сайт программы");
  EXPECT_EQ(link.place, (gui::Rect{20, 261, 200, 15}));
  EXPECT_EQ(link.textColour, kBlue);
  EXPECT_EQ(link.hoverColour, kRed);  // no site here: "?"
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kOkButton).place, (gui::Rect{66, 301, 100, 25}));
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kOkButton).text, "Ok");
}

TEST_F(AboutWindowTest, TheLinkColourTellsWhetherThisIsTheNewestVersion) {
  const struct {
    std::string file;
    std::string shown;
    gui::Rgb colour;
  } cases[] = {
      {"2.2.0\r\n", "2.2.0", kGreen},
      {"2.3.0\r\n", "2.3.0", kRed},
      {"2.1.9", "2.1.9", kRed},
      {"\xEF\xBB\xBF" "2.2.0\r\n", "п»ї2.2.0", kRed},  // the mark is part of the line
  };
  network_.moveTo(site_.base("ok"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    site_.putFile("orvexselectver.txt", c.file);
    openFromCooler();
    EXPECT_EQ(latestVersionLabel(kFromCooler), "Новейшая версия программы: " + c.shown);
    EXPECT_EQ(toolkit_.gadget(kFromCooler, kSiteLink).hoverColour, c.colour);
    click(kFromCooler, kOkButton);
    EXPECT_FALSE(toolkit_.windowExists(kFromCooler));
  }
  network_.moveTo(site_.base("status404"));  // an error answer is no version
  openFromCooler();
  EXPECT_EQ(latestVersionLabel(kFromCooler), "Новейшая версия программы: ?");
  EXPECT_TRUE(folder_.names().empty());  // the version file never stays
}

TEST_F(AboutWindowTest, TheLinkOpensTheProgramsPageAndKeepsTheWindow) {
  openFromCooler();
  click(kFromCooler, kSiteLink);
  EXPECT_EQ(opener_.opened, std::vector<std::string>{platform::siteAddress() + "/calk/"});
  EXPECT_TRUE(toolkit_.windowShown(kFromCooler));
  EXPECT_FALSE(toolkit_.windowEnabled(selection::kCoolerWindow));
}

TEST_F(AboutWindowTest, BothWindowsMayShowOneEachWithTheirOwnGadgets) {
  network_.moveTo(site_.base("ok"));
  site_.putFile("orvexselectver.txt", "2.2.0");
  openFromCooler();
  site_.putFile("orvexselectver.txt", "3.0.0");
  chooseMenu(selection::kCondenserWindow, 11);
  ASSERT_TRUE(toolkit_.windowShown(kFromCondenser));
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kSiteLink).hoverColour, kGreen);
  EXPECT_EQ(toolkit_.gadget(kFromCondenser, kSiteLink).hoverColour, kRed);
  toolkit_.pressClose(kFromCondenser);
  serve();
  EXPECT_TRUE(toolkit_.windowEnabled(selection::kCondenserWindow));
  EXPECT_FALSE(toolkit_.windowEnabled(selection::kCoolerWindow));
  EXPECT_EQ(latestVersionLabel(kFromCooler), "Новейшая версия программы: 2.2.0");
}

}  // namespace
