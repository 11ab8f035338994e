#include "cli/csv_records.h"

#include <csv.h>

#include <algorithm>
#include <string_view>

#include "platform/utf8_text.h"
#include "platform/windows1251.h"

namespace cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A field's bytes as UTF-8: valid UTF-8 stays, anything else is Windows-1251.
std::string fieldText(std::string_view bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii || platform::validUtf8(bytes) == bytes) return std::string(bytes);
  return platform::fromWindows1251(bytes);
}

struct Reading {
  const CsvRecordHandler& handler;
  std::vector<std::string> fields;
  std::size_t line = 0;        // the line being fed
  std::size_t recordLine = 0;  // the line the record in progress starts on
  bool stopped = false;

  static void onField(void* bytes, std::size_t size, void* self) {
    auto& reading = *static_cast<Reading*>(self);
    if (reading.fields.empty()) reading.recordLine = reading.line;
    reading.fields.push_back(fieldText({static_cast<const char*>(bytes), size}));
  }
  static void onRecordEnd(int, void* self) {
    auto& reading = *static_cast<Reading*>(self);
    if (!reading.stopped && !reading.handler(reading.recordLine, reading.fields)) reading.stopped = true;
    reading.fields.clear();
  }
};

}  // namespace

bool readCsvRecords(std::istream& in, const CsvRecordHandler& handler) {
  csv_parser parser;
  if (csv_init(&parser, 0) != 0) return false;
  Reading reading{handler, {}};
  std::string line;
  bool ok = true;
  while (ok && !reading.stopped && std::getline(in, line)) {
    if (++reading.line == 1) {
      if (line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
      if (line.find(';') != std::string::npos && line.find(',') == std::string::npos) csv_set_delim(&parser, ';');
    }
    line += '\n';
    ok = csv_parse(&parser, line.data(), line.size(), Reading::onField, Reading::onRecordEnd, &reading) == line.size();
  }
  if (ok && !reading.stopped) ok = csv_fini(&parser, Reading::onField, Reading::onRecordEnd, &reading) == 0;
  csv_free(&parser);
  return ok;
}

}  // namespace cli
