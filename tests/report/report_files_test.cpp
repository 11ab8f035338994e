#include "report/report_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "report/report_layouts.h"
#include "resources/codecs.h"
#include "resources/pictures.h"
#include "support/scratch_folder.h"

namespace {

using testing_support::readWholeFile;
using testing_support::ScratchFolder;

std::span<const std::uint8_t> asBytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

report::ReportValues valuesFor(std::string model) {
  report::ReportValues values;
  values.company = "ООО Холод";
  values.cells[0] = std::move(model);
  values.siteAddress = "https://orvex.example";
  return values;
}

std::size_t filesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

class ReportFiles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { logo_ = resources::decodeProgramPicture(resources::kLogoImage); }
  static inline gui::Image logo_;
  ScratchFolder folder_;
};

TEST_F(ReportFiles, WritesPageLogoAndIcon) {
  ASSERT_TRUE(report::writeReportFiles(folder_.path(), logo_, report::kCoolerReport,
                                       valuesFor("VP 1")));
  const std::string page = readWholeFile(folder_.pathOf("orvex-selection.htm"));
  // "<html><head><title>ВОЗДУХООХЛАДИТЕЛЬ VP 1</title>" in Windows-1251, no byte-order mark.
  EXPECT_TRUE(page.starts_with("<html><head><title>\xC2\xCE\xC7\xC4\xD3\xD5\xCE\xCE\xD5\xCB\xC0"
                               "\xC4\xC8\xD2\xC5\xCB\xDC VP 1</title>\r\n<link "));
  EXPECT_TRUE(page.ends_with("</body></html>\r\n"));
  EXPECT_NE(page.find("<td class=\"fmt\">\xCE\xCE\xCE \xD5\xEE\xEB\xEE\xE4</td>"), std::string::npos);
  EXPECT_NE(page.find("/content/files/durovidud/VP%201.pdf\""), std::string::npos);

  const std::string icon = readWholeFile(folder_.pathOf("favicon.ico"));
  ASSERT_EQ(icon.size(), 1150u);
  EXPECT_TRUE(std::ranges::equal(asBytes(icon), resources::faviconBytes()));

  const auto png = resources::decodePng(asBytes(readWholeFile(folder_.pathOf("orvex-selection.png"))));
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(png->width, 155);
  EXPECT_EQ(png->height, 101);
  EXPECT_EQ(png->rgba, logo_.rgba);
  EXPECT_EQ(filesIn(folder_.path()), 3u);
}

TEST_F(ReportFiles, ASecondReportReplacesTheFirst) {
  ASSERT_TRUE(report::writeReportFiles(folder_.path(), logo_, report::kCoolerReport,
                                       valuesFor("VP 1")));
  ASSERT_TRUE(report::writeReportFiles(folder_.path(), logo_, report::kCondenserReport,
                                       valuesFor("KD-100A")));
  const std::string page = readWholeFile(folder_.pathOf("orvex-selection.htm"));
  // "КОНДЕНСАТОР KD-100A"
  EXPECT_TRUE(page.starts_with("<html><head><title>\xCA\xCE\xCD\xC4\xC5\xCD\xD1\xC0\xD2\xCE\xD0 KD-100A</title>"));
  EXPECT_EQ(page.find("VP 1"), std::string::npos);
  EXPECT_EQ(readWholeFile(folder_.pathOf("favicon.ico")).size(), 1150u);
  EXPECT_EQ(filesIn(folder_.path()), 3u);  // no temporaries left behind
}

TEST_F(ReportFiles, APageThatCannotBeWrittenIsReported) {
  EXPECT_FALSE(report::writeReportFiles(folder_.pathOf("missing"), logo_,
                                        report::kCoolerReport, valuesFor("VP 1")));
  EXPECT_EQ(filesIn(folder_.path()), 0u);

  // The page's name is taken by a folder: the page fails, the logo and the icon are still written.
  std::filesystem::create_directory(folder_.pathOf("orvex-selection.htm"));
  EXPECT_FALSE(report::writeReportFiles(folder_.path(), logo_, report::kCoolerReport,
                                        valuesFor("VP 1")));
  EXPECT_TRUE(std::filesystem::is_regular_file(folder_.pathOf("orvex-selection.png")));
  EXPECT_EQ(readWholeFile(folder_.pathOf("favicon.ico")).size(), 1150u);
}

TEST_F(ReportFiles, ALogoOrIconThatCannotBeWrittenIsSkipped) {
  std::filesystem::create_directory(folder_.pathOf("orvex-selection.png"));
  std::filesystem::create_directory(folder_.pathOf("favicon.ico"));
  EXPECT_TRUE(report::writeReportFiles(folder_.path(), logo_, report::kCondenserReport,
                                       valuesFor("KD-100A")));
  EXPECT_TRUE(readWholeFile(folder_.pathOf("orvex-selection.htm")).ends_with("</body></html>\r\n"));
}

}  // namespace
