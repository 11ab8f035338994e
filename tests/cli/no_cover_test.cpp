// When no model covers a duty, the console program says why: the largest model the limits leave
// and what it gives at the duty's grid point, or that the limits leave none.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include <nlohmann/json.hpp>

#include "run_select.h"

namespace {

using testing_support::runSelect;

TEST(NoCoverTest, NamesTheLargestModelOrTheLimits) {
  const struct {
    std::vector<std::string> duty;  // a selection command without --format
    std::string reason;             // the message's pattern after "no model covers the duty; "
  } cases[] = {
      {{"cooler", "--series", "VK-M", "--refrigerant", "R404a/R507", "--temperature", "-10", "--difference", "8",
        "--capacity", "900"},
       "the largest, (VK-M \\S+), gives (\\d+\\.\\d{3}) kW here"},
      {{"condenser", "--series", "KD-630", "--ambient", "32", "--difference", "10", "--refrigerant", "R134a",
        "--capacity", "999", "--poles", "8"},
       "the largest, (KD-\\S+), gives (\\d+\\.\\d{3}) kW here"},
      {{"cooler", "--series", "VP", "--refrigerant", "R22", "--temperature", "0", "--difference", "5", "--capacity",
        "1", "--width", "10"},
       "the limits leave no model"},
      {{"condenser", "--series", "KD-500", "--ambient", "32", "--difference", "10", "--refrigerant", "R134a",
        "--capacity", "1", "--noise", "1"},
       "the limits leave no model"},
      {{"cooler", "--series", "VP", "--refrigerant", "R22", "--temperature", "0", "--difference", "5", "--capacity", "0"},
       "the required capacity is not above 0"},
  };
  for (const auto& c : cases) {
    const auto table = runSelect(c.duty);
    EXPECT_EQ(table.status, 1) << table.err;
    std::smatch said;
    ASSERT_TRUE(std::regex_match(table.out, said, std::regex("No model covers the duty; " + c.reason + "\\.\n")))
        << table.out;

    auto asJson = c.duty;
    asJson.insert(asJson.end(), {"--format", "json"});
    const auto json = nlohmann::json::parse(runSelect(asJson).out);
    EXPECT_EQ(json["message"], "no model covers the duty; " + table.out.substr(26, table.out.size() - 28));

    if (said.size() < 3) continue;
    // The named model at the named capacity is chosen exactly, with nothing larger beside it.
    auto atLargest = c.duty;
    *(std::find(atLargest.begin(), atLargest.end(), "--capacity") + 1) = said[2];
    atLargest.insert(atLargest.end(), {"--format", "json"});
    const auto rows = nlohmann::json::parse(runSelect(atLargest).out)["rows"];
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.back()["role"], "chosen") << rows.dump();
    EXPECT_EQ(rows.back()["model"], said[1].str());
    EXPECT_EQ(rows.back()["deviation_percent"], "0.0");
  }
}

TEST(NoCoverTest, BatchRecordsCarryTheReason) {
  const auto run = runSelect({"batch", "-", "--format", "csv"},
                             "name,series,refrigerant,temperature,difference,capacity,length\n"
                             "Big,VK-L,R404a/R507,-31,7,999,\nNarrow,VK-L,R404a/R507,-31,7,1,1\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex("\n2,Big,no model,,,,,,,,,,\"no model covers the duty; the largest, VK-L \\S+, gives [0-9.]+ kW here\"\n")))
      << run.out;
  EXPECT_NE(run.out.find("\n3,Narrow,no model,,,,,,,,,,no model covers the duty; the limits leave no model\n"),
            std::string::npos)
      << run.out;
}

}  // namespace
