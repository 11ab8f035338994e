#include "cli/result_rows.h"

#include <cctype>

#include <nlohmann/json.hpp>

#include "cli/sheet_writer.h"
#include "platform/number_text.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace cli {

using selection::ResultRow;
using selection::RowRole;

const ResultColumns kCoolerColumns{
    selection::kCoolerColumnTitles,
    {"model", "capacity_kw", "deviation_percent", "airflow_m3h", "surface_m2", "tube_volume_l",
     "air_throw_m", "dimensions_mm", "fans_mm", "power_supply", "motor_power_w", "current_a",
     "defrost_power_w"}};

const ResultColumns kCondenserColumns{
    selection::kCondenserColumnTitles,
    {"model", "capacity_kw", "deviation_percent", "airflow_m3h", "surface_m2", "tube_volume_l",
     "noise_level_dba", "dimensions_mm", "fans_mm", "power_supply", "motor_power_w", "current_a",
     "connection"}};

std::string_view roleName(RowRole role) {
  switch (role) {
    case RowRole::Smaller: return "smaller";
    case RowRole::Chosen: return "chosen";
    case RowRole::Larger: return "larger";
    case RowRole::Nothing: break;
  }
  return "none";
}

std::string noCoverReason(const std::optional<selection::LargestModel>& largest, std::string_view requiredKilowatts) {
  std::string reason = "no model covers the duty; ";
  if (!largest) return reason + "the limits leave no model";
  if (!(platform::textToFloat(requiredKilowatts) > 0)) return reason + "the required capacity is not above 0";
  return reason + "the largest, " + largest->modelName + ", gives " +
         selection::capacityKilowattText(largest->capacityWatts) + " kW here";
}

bool writeResultRows(std::ostream& out, OutputFormat format, const ResultColumns& columns,
                     const std::vector<ResultRow>& rows, std::string_view noCoverReason, std::string& error) {
  switch (format) {
    case OutputFormat::Table: {
      if (rows.size() == 1 && rows[0].role == RowRole::Nothing) {
        // The reason as a sentence of its own: "No model covers the duty; …."
        std::string sentence(noCoverReason.empty() ? "no model covers the duty" : noCoverReason);
        sentence[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(sentence[0])));
        out << sentence << ".\n";
        return true;
      }
      std::vector<std::string> titles{"row"};
      titles.insert(titles.end(), columns.titles.begin(), columns.titles.end());
      std::vector<std::vector<std::string>> lines;
      for (const ResultRow& row : rows) {
        lines.push_back({std::string(roleName(row.role))});
        lines.back().insert(lines.back().end(), row.cells.begin(), row.cells.end());
      }
      writeTable(out, titles, lines);
      return true;
    }
    case OutputFormat::Csv:
    case OutputFormat::ExcelCsv:
    case OutputFormat::Xlsx: {
      // Every column but the model's holds numbers where its texts are numbers.
      std::vector<SheetColumn> header{{"role", "row", false}};
      for (int column = 0; column < selection::kResultColumns; ++column)
        header.push_back({columns.keys[column], columns.titles[column], column != 0});
      const auto sheet = makeSheetWriter(format, out);
      sheet->header(header);
      for (const ResultRow& row : rows) {
        std::vector<std::string> record{std::string(roleName(row.role))};
        record.insert(record.end(), row.cells.begin(), row.cells.end());
        sheet->row(record);
      }
      return sheet->finish(error);
    }
    case OutputFormat::Json: {
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (const ResultRow& row : rows) {
        nlohmann::ordered_json object{{"role", roleName(row.role)}};
        for (int column = 0; column < selection::kResultColumns; ++column)
          object[std::string(columns.keys[column])] = row.cells[column];
        list.push_back(std::move(object));
      }
      nlohmann::ordered_json document{{"rows", std::move(list)}};
      if (!noCoverReason.empty()) document["message"] = noCoverReason;
      out << document.dump(2) << '\n';
      return true;
    }
  }
  return true;
}

}  // namespace cli
