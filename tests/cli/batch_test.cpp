// A batch file in the forms users have: UTF-8 with or without a byte-order mark, Windows-1251,
// CR LF line ends, quoted fields, ';' as the separator, bad lines among good ones. Each line's
// record must be what the single command says for the same duty.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "platform/windows1251.h"
#include "run_select.h"

namespace {

using testing_support::runSelect;

// A line's expected record: its name, its status, and the duty the single command is given
// (none for a bad line).
struct Expected {
  std::string name, status;
  std::vector<std::string> duty;
  std::string message = "";  // a bad line's message, where the case is about it
};

const std::vector<std::string> kCoolerDuty{"cooler", "--series", "VK-M", "--refrigerant", "R404a/R507",
                                           "--temperature", "-10", "--difference", "8", "--capacity", "5.5"};
const std::vector<std::string> kCondenserDuty{"condenser", "--series", "KD-630", "--ambient", "32", "--difference", "10",
                                              "--refrigerant", "R134a", "--capacity", "40", "--connection", "star",
                                              "--poles", "4,6"};

TEST(BatchTest, EveryLineIsSelectedAsTheSingleCommandSelectsIt) {
  const std::string header = "name,series,refrigerant,temperature,ambient,difference,capacity,connection,poles";
  const std::string cooler = ",VK-M,R404a/R507,-10,,8,5.5,,";
  const std::string condenser = ",KD-630,R134a,,32,10,40,star,\"4,6\"";
  const struct {
    const char* what;
    std::string file;
    int status;
    std::vector<Expected> records;
    std::vector<int> lines = {};  // the records' line numbers, where the case is about them
  } cases[] = {
      {"UTF-8, LF", header + "\n\"Камера 1, склад\"" + cooler + "\nRack" + condenser + "\n", 0,
       {{"Камера 1, склад", "ok", kCoolerDuty}, {"Rack", "ok", kCondenserDuty}}},
      {"UTF-8 with byte-order mark, CR LF, no last line end",
       "\xEF\xBB\xBF" + header + "\r\nКамера" + cooler + "\r\n\r\nRack" + condenser, 0,
       {{"Камера", "ok", kCoolerDuty}, {"Rack", "ok", kCondenserDuty}}},
      {"Windows-1251, full series name",
       *platform::toWindows1251(header + "\r\nКамера,ORVEX VK-M ( среднетемпературные ),R404a/R507,-10,,8,5.5,,\r\n"), 0,
       {{"Камера", "ok", kCoolerDuty}}},
      {"';' separated", "name;series;refrigerant;temperature;difference;capacity\nA;VK-M;R404a/R507;-10;8;5.5\n", 0,
       {{"A", "ok", kCoolerDuty}}},
      {"bad lines among good ones",
       header + "\nA" + cooler + "\nB,VK-M,R404a/R507,-7,,8,5.5,,\nC" + condenser + "\nD,VP,R22,-10,,8,900,,\nE,1,2,3,4,5,6,7,8,9\n",
       1,
       {{"A", "ok", kCoolerDuty},
        {"B", "error", {}},
        {"C", "ok", kCondenserDuty},
        {"D", "no model", {}},
        {"E", "error", {}}}},
      // What a Russian Excel saves: ';', decimal commas, Windows-1251, CR LF; "4,6" stays a list.
      {"a Russian Excel's CSV",
       *platform::toWindows1251("name;series;refrigerant;temperature;ambient;difference;capacity;connection;poles\r\n"
                                "Камера;VK-M;R404a/R507;-10;;8;5,5;;\r\nСтойка;KD-630;R134a;;32;10;40,0;star;4,6\r\n"),
       0, {{"Камера", "ok", kCoolerDuty}, {"Стойка", "ok", kCondenserDuty}}},
      {"a decimal comma where ',' separates stays refused", header + "\nA,VK-M,R404a/R507,-10,,8,\"5,5\",,\n", 1,
       {{"A", "error", {}, "line 2, column 7 (capacity): \"5,5\" is not a number"}}},
      {"CR alone ends the lines; a CR inside quotes is kept", header + "\rA" + cooler + "\r\"B\rC\"" + condenser + "\r", 0,
       {{"A", "ok", kCoolerDuty}, {"B\rC", "ok", kCondenserDuty}}, {2, 3}},
      {"a quote never closed: the lines before it are selected",
       header + "\nA" + cooler + "\n\"B" + cooler + "\nC" + cooler + "\n", 1,
       {{"A", "ok", kCoolerDuty}, {"", "error", {}, "line 3: a quote opened here is never closed"}}, {2, 3}},
  };
  for (const auto& c : cases) {
    const auto run = runSelect({"batch", "-", "--format", "json"}, c.file);
    EXPECT_EQ(run.status, c.status) << c.what;
    const auto records = nlohmann::json::parse(run.out);
    ASSERT_EQ(records.size(), c.records.size()) << c.what << "\n" << run.out;
    for (std::size_t i = 0; i < records.size(); ++i) {
      const Expected& expected = c.records[i];
      EXPECT_EQ(records[i]["name"], expected.name) << c.what;
      EXPECT_EQ(records[i]["status"], expected.status) << c.what;
      if (!c.lines.empty()) EXPECT_EQ(records[i]["line"], c.lines[i]) << c.what;
      if (expected.duty.empty()) {
        // A bad line's message says which line and column, and stands on standard error too.
        const std::string message = records[i]["message"];
        if (expected.status == "error") {
          EXPECT_TRUE(message.starts_with("line " + std::to_string(int(records[i]["line"])))) << message;
          EXPECT_NE(run.err.find(message), std::string::npos) << c.what << ": " << message;
          if (!expected.message.empty()) EXPECT_TRUE(message.starts_with(expected.message)) << message;
        }
        continue;
      }
      std::vector<std::string> duty = expected.duty;
      duty.insert(duty.end(), {"--format", "json"});
      const auto single = nlohmann::json::parse(runSelect(duty).out);
      for (const auto& row : single["rows"]) {
        const std::string prefix = row["role"] == "chosen" ? "" : std::string(row["role"]) + "_";
        EXPECT_EQ(records[i][prefix + "model"], row["model"]) << c.what;
        EXPECT_EQ(records[i][prefix + "capacity_kw"], row["capacity_kw"]) << c.what;
        EXPECT_EQ(records[i][prefix + "deviation_percent"], row["deviation_percent"]) << c.what;
      }
    }
  }
}

// A project's file is a batch with a quantity and the model kept for each line: the kept model
// is reported at the line's conditions between its own neighbours, with the rule's choice when
// it differs.
TEST(BatchTest, AKeptModelIsReportedAtItsLinesConditions) {
  const std::string header = "name,series,refrigerant,temperature,difference,capacity,quantity,model\n";
  const std::string duty = ",VK-M,R404a/R507,-10,8,5.5,";
  const struct {
    const char* what;
    std::string line;
    std::string status, model, capacity, smaller, message;
  } cases[] = {
      {"the larger neighbour kept", "A" + duty + "2,vk-m 230a21", "ok", "VK-M 230A21", "6.500", "VK-M 200A20",
       "the rule chooses VK-M 200A20"},
      {"the rule's own model kept", "B" + duty + "1,VK-M 200A20", "ok", "VK-M 200A20", "5.978", "VK-M 110A11", ""},
      {"no model kept, no quantity", "C" + duty + ",", "ok", "VK-M 200A20", "5.978", "VK-M 110A11", ""},
      {"a model of another series", "D" + duty + "1,VP-20-200", "error", "", "", "",
       "line 2, column 8 (model): \"VP-20-200\" is not a model of the series \"VK-M\""},
      {"a quantity of 0", "E" + duty + "0,", "error", "", "", "", "line 2, column 7 (quantity): \"0\" is not a quantity"},
      {"a fractional quantity", "F" + duty + "1.5,", "error", "", "", "", "line 2, column 7 (quantity)"},
  };
  for (const auto& c : cases) {
    const auto run = runSelect({"batch", "-", "--format", "json"}, header + c.line + "\n");
    const auto record = nlohmann::json::parse(run.out).at(0);
    EXPECT_EQ(record["status"], c.status) << c.what;
    EXPECT_EQ(record["model"], c.model) << c.what;
    EXPECT_EQ(record["capacity_kw"], c.capacity) << c.what;
    EXPECT_EQ(record["smaller_model"], c.smaller) << c.what;
    EXPECT_TRUE(std::string(record["message"]).starts_with(c.message)) << c.what << ": " << record["message"];
  }
}

}  // namespace
