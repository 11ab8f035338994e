// Build step: turns one readable catalog data file (catalog/data/*.txt) into a C++ source that
// holds the series as one run of zero-terminated texts (the records' fields, in the order the
// catalog loader reads them) and one run of capacity slots (the rating tables, record after
// record, each value zero-padded to kCapacitySlot bytes). It checks the file's shape (field
// order, grid groups, value counts, value lengths) so that a broken data file fails the build
// instead of the program.
//
// Usage: catalog_embed <data file> <output .cpp> <symbol>
// Output: const char <symbol>Texts[], <symbol>Capacities[];
//         const std::size_t <symbol>Size, <symbol>RecordCount.

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/records.h"

namespace {

struct SeriesShape {
  std::vector<std::string> leadingFields;   // after the model name, before the tables
  const catalog::SeriesGrid& grid;          // the tables: refrigerants, difference groups, temperatures
  std::vector<std::string> trailingFields;  // after the tables
};

const std::vector<std::string> kCoolerTrailing = {"surface", "tubeVolume", "fans", "airflow",
                                                  "powerSupply", "motorPower", "current",
                                                  "defrostPower"};

SeriesShape shapeOf(const std::string& kind) {
  const std::vector<std::string> coolerLeading = {"airThrow", "length", "width"};
  if (kind == "ceiling") return {coolerLeading, catalog::kCeilingGrid, kCoolerTrailing};
  if (kind == "cubic") return {coolerLeading, catalog::kCubicGrid, kCoolerTrailing};
  if (kind == "condenser")
    return {{},
            catalog::kCondenserGrid,
            {"poles", "connection", "airflow", "noiseLevel", "surface", "tubeVolume", "dimensions",
             "fans", "powerSupply", "motorPower", "current"}};
  throw std::runtime_error("unknown series kind '" + kind + "'");
}

// Reads the data file line by line, skipping comments and blank lines.
class Reader {
 public:
  explicit Reader(const std::string& path) : in_(path), path_(path) {
    if (!in_) throw std::runtime_error("cannot open " + path);
  }
  bool next(std::string& line) {
    while (std::getline(in_, line)) {
      ++number_;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.empty() || line[0] == '#') continue;
      return true;
    }
    return false;
  }
  std::string expectNext(const std::string& what) {
    std::string line;
    if (!next(line)) fail("file ends where " + what + " was expected");
    return line;
  }
  [[noreturn]] void fail(const std::string& message) const {
    throw std::runtime_error(path_ + ":" + std::to_string(number_) + ": " + message);
  }

 private:
  std::ifstream in_;
  std::string path_;
  int number_ = 0;
};

std::string fieldValue(Reader& reader, const std::string& field) {
  const std::string line = reader.expectNext("field " + field);
  const std::string prefix = field + ": ";
  if (line == field + ":") return "";
  if (line.rfind(prefix, 0) != 0) reader.fail("expected '" + prefix + "', found '" + line + "'");
  return line.substr(prefix.size());
}

std::vector<std::string> tableValues(Reader& reader, const SeriesShape& shape,
                                     const std::string& refrigerant) {
  if (reader.expectNext("table " + refrigerant) != "table " + refrigerant)
    reader.fail("expected 'table " + refrigerant + "'");
  std::vector<std::string> values;
  const std::size_t valuesPerGroup = shape.grid.temperatures.size();
  for (const std::string_view deltaKey : shape.grid.differences) {
    const std::string delta(deltaKey);
    const std::string line = reader.expectNext("group " + delta);
    if (line.rfind(delta + ":", 0) != 0) reader.fail("expected group '" + delta + ":'");
    std::istringstream words(line.substr(delta.size() + 1));
    std::size_t count = 0;
    for (std::string value; words >> value; ++count) {
      if (value.size() > catalog::kCapacitySlot)
        reader.fail("value '" + value + "' is longer than " +
                    std::to_string(catalog::kCapacitySlot) + " characters");
      values.push_back(value);
    }
    if (count != valuesPerGroup)
      reader.fail("group " + delta + " has " + std::to_string(count) + " values, expected " +
                  std::to_string(valuesPerGroup));
  }
  return values;
}

// A C++ string literal of a text as it stands, padded with `zeros` zero characters.
std::string literal(const std::string& text, std::size_t zeros) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  for (std::size_t i = 0; i < zeros; ++i) out += "\\0";
  out += '"';
  return out;
}

// A zero-terminated text.
std::string literal(const std::string& text) { return literal(text, 1); }

// One capacity slot: the text padded with zeros to kCapacitySlot bytes.
std::string slotLiteral(const std::string& text) {
  return literal(text, catalog::kCapacitySlot - text.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: catalog_embed <data file> <output .cpp> <symbol>\n";
    return 2;
  }
  try {
    Reader reader(argv[1]);
    const std::string seriesLine = reader.expectNext("series");
    if (seriesLine.rfind("series ", 0) != 0) reader.fail("expected 'series <kind>'");
    const SeriesShape shape = shapeOf(seriesLine.substr(7));

    std::ostringstream body;
    std::ostringstream capacities;
    std::size_t records = 0;
    std::size_t bytes = 0;
    auto emit = [&](const std::string& text) {
      body << literal(text) << '\n';
      bytes += text.size() + 1;
    };
    std::string line;
    while (reader.next(line)) {
      if (line.rfind("model ", 0) != 0) reader.fail("expected 'model <name>'");
      emit(line.substr(6));
      for (const auto& field : shape.leadingFields) emit(fieldValue(reader, field));
      for (const std::string_view refrigerant : shape.grid.refrigerants)
        for (const auto& value : tableValues(reader, shape, std::string(refrigerant)))
          capacities << slotLiteral(value) << '\n';
      for (const auto& field : shape.trailingFields) emit(fieldValue(reader, field));
      if (reader.expectNext("end") != "end") reader.fail("expected 'end'");
      ++records;
    }

    std::ofstream out(argv[2]);
    const std::string symbol = argv[3];
    out << "// Generated by catalog_embed from " << argv[1] << "; do not edit.\n"
        << "#include <cstddef>\n"
        << "namespace catalog::data {\n"
        << "extern const char " << symbol << "Texts[] =\n"
        << body.str() << ";\n"
        << "extern const char " << symbol << "Capacities[] =\n"
        << capacities.str() << ";\n"
        << "extern const std::size_t " << symbol << "Size = " << bytes << ";\n"
        << "extern const std::size_t " << symbol << "RecordCount = " << records << ";\n"
        << "}  // namespace catalog::data\n";
    if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "catalog_embed: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
