#include "duties/csv_records.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/utf8_text.h"
#include "platform/windows1251.h"

namespace duties {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// A field's bytes as UTF-8: valid UTF-8 stays, anything else is Windows-1251.
std::string fieldText(std::string_view bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii || platform::validUtf8(bytes) == bytes) return std::string(bytes);
  return platform::fromWindows1251(bytes);
}

struct Reading {
  explicit Reading(const CsvRecordHandler& handler) : handler(handler) {}

  csv_parser parser{};
  const CsvRecordHandler& handler;
  CsvRecord record;
  std::size_t line = 1;                  // the line being fed
  std::optional<std::size_t> quoteLine;  // where the quoted field in progress opened
  bool recordOpen = false;               // a record has begun and not yet ended
  bool stopped = false;
  bool previousWasCarriageReturn = false;
  bool endedWithLineEnd = true;

  static void onField(void* bytes, std::size_t size, void* self) {
    auto& reading = *static_cast<Reading*>(self);
    reading.record.fields.push_back(fieldText({static_cast<const char*>(bytes), size}));
    reading.quoteLine.reset();
  }
  static void onRecordEnd(int, void* self) {
    auto& reading = *static_cast<Reading*>(self);
    if (!reading.stopped && !reading.handler(reading.record)) reading.stopped = true;
    reading.record.fields.clear();
    reading.recordOpen = false;
  }

  // Feeds bytes that hold at most one line end, at their end; false when libcsv failed. A
  // record starts on the first line after the last record that holds more than a line end.
  bool feed(std::string_view bytes) {
    if (!recordOpen && bytes.find_first_not_of("\r\n") != std::string_view::npos) {
      record.line = line;
      recordOpen = true;
    }
    endedWithLineEnd = bytes.ends_with('\n') || bytes.ends_with('\r');
    if (csv_parse(&parser, bytes.data(), bytes.size(), onField, onRecordEnd, this) != bytes.size()) return false;
    if (parser.quoted && !quoteLine) quoteLine = line;
    return true;
  }

  // Feeds a block line by line, counting CR, LF and CR LF as one line end each.
  bool feedBlock(std::string_view block) {
    while (!block.empty() && !stopped) {
      const std::size_t end = block.find_first_of("\r\n");
      const std::size_t size = end == std::string_view::npos ? block.size() : end + 1;
      if (!feed(block.substr(0, size))) return false;
      if (end != std::string_view::npos) {
        const bool secondHalfOfCrLf = block[end] == '\n' && previousWasCarriageReturn && end == 0;
        if (!secondHalfOfCrLf) ++line;
        previousWasCarriageReturn = block[end] == '\r';
      } else {
        previousWasCarriageReturn = false;
      }
      block.remove_prefix(size);
    }
    return true;
  }
};

// The first line (up to its line end), which sets the separator, read whole before parsing.
std::string firstLine(std::istream& in) {
  std::string line;
  for (int c; (c = in.get()) != std::char_traits<char>::eof();) {
    line.push_back(static_cast<char>(c));
    if (c == '\n' || c == '\r') {
      if (c == '\r' && in.peek() == '\n') line.push_back(static_cast<char>(in.get()));
      break;
    }
  }
  return line;
}

}  // namespace

CsvReading readCsvRecords(std::istream& in, const CsvRecordHandler& handler) {
  Reading reading(handler);
  if (csv_init(&reading.parser, 0) != 0) return {false, std::nullopt};
  std::string first = firstLine(in);
  if (first.starts_with(kByteOrderMark)) first.erase(0, kByteOrderMark.size());
  const std::string_view firstText = std::string_view(first).substr(0, first.find_first_of("\r\n"));
  if (firstText.find(';') != std::string_view::npos && firstText.find(',') == std::string_view::npos) {
    csv_set_delim(&reading.parser, ';');
    reading.record.separator = ';';
  }
  CsvReading result;
  result.ok = reading.feedBlock(first);
  std::array<char, 1 << 16> block;
  while (result.ok && !reading.stopped && in) {
    in.read(block.data(), block.size());
    result.ok = reading.feedBlock({block.data(), static_cast<std::size_t>(in.gcount())});
  }
  // A last line without its line end gets one, which ends a quoted field that was closed; a
  // field still quoted after it was opened and never closed, and is no record.
  if (result.ok && !reading.stopped && !reading.endedWithLineEnd) result.ok = reading.feed("\n");
  if (result.ok && !reading.stopped && reading.parser.quoted && reading.quoteLine) {
    result.unclosedQuoteLine = reading.quoteLine;
  } else if (result.ok && !reading.stopped) {
    result.ok = csv_fini(&reading.parser, Reading::onField, Reading::onRecordEnd, &reading) == 0;
  }
  csv_free(&reading.parser);
  return result;
}

}  // namespace duties
