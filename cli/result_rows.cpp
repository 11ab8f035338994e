#include "cli/result_rows.h"

#include <nlohmann/json.hpp>

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

void writeResultRows(std::ostream& out, OutputFormat format, const ResultColumns& columns,
                     const std::vector<ResultRow>& rows) {
  switch (format) {
    case OutputFormat::Table: {
      if (rows.size() == 1 && rows[0].role == RowRole::Nothing) {
        out << "No model covers the duty.\n";
        return;
      }
      std::vector<std::string> titles{"row"};
      titles.insert(titles.end(), columns.titles.begin(), columns.titles.end());
      std::vector<std::vector<std::string>> lines;
      for (const ResultRow& row : rows) {
        lines.push_back({std::string(roleName(row.role))});
        lines.back().insert(lines.back().end(), row.cells.begin(), row.cells.end());
      }
      writeTable(out, titles, lines);
      return;
    }
    case OutputFormat::Csv: {
      std::vector<std::string> header{"role"};
      header.insert(header.end(), columns.keys.begin(), columns.keys.end());
      writeCsvRecord(out, header);
      for (const ResultRow& row : rows) {
        std::vector<std::string> record{std::string(roleName(row.role))};
        record.insert(record.end(), row.cells.begin(), row.cells.end());
        writeCsvRecord(out, record);
      }
      return;
    }
    case OutputFormat::Json: {
      nlohmann::ordered_json list = nlohmann::ordered_json::array();
      for (const ResultRow& row : rows) {
        nlohmann::ordered_json object{{"role", roleName(row.role)}};
        for (int column = 0; column < selection::kResultColumns; ++column)
          object[std::string(columns.keys[column])] = row.cells[column];
        list.push_back(std::move(object));
      }
      out << nlohmann::ordered_json{{"rows", std::move(list)}}.dump(2) << '\n';
      return;
    }
  }
}

}  // namespace cli
