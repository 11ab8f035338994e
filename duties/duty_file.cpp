#include "duties/duty_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "duties/csv_records.h"

namespace duties {
namespace {

// The columns besides the duty's values: a name for the duty, and what a project adds, the
// quantity and the model kept.
enum LineColumn : int { kNameColumn, kQuantityColumn, kModelColumn, kLineColumnCount };
constexpr std::array<std::string_view, kLineColumnCount> kLineColumnNames{"name", "quantity", "model"};

// The duty's values that are numbers: in a file separated by ';' (a Russian Excel's) they may
// have a decimal comma.
constexpr std::array<DutyField, 8> kNumberFields{kTemperature, kAmbient, kDifference, kCapacity,
                                                 kAirThrow,    kLength,  kWidth,      kNoise};

// "5,5" as "5.5": a single comma in a number without a point is its decimal comma.
void readDecimalComma(std::string& number) {
  if (std::count(number.begin(), number.end(), ',') == 1 && number.find('.') == std::string::npos)
    number[number.find(',')] = '.';
}

// "1", "12": a quantity, at most 999 999.
std::optional<int> quantityOf(std::string_view text) {
  if (text.empty() || text.size() > 6 || text[0] == '0' ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoi(std::string(text));
}

std::string lowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
  return text;
}

// A line with the position of a column: "line 4, column 7 (quantity): ".
std::string where(std::size_t line, std::size_t column, std::string_view name) {
  return "line " + std::to_string(line) + ", column " + std::to_string(column + 1) + " (" + std::string(name) + "): ";
}

// The header's columns: each a duty value, or one of the line's other columns.
class Header {
 public:
  // "" when the names are accepted, else why not.
  std::string read(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      const std::string key = lowerAscii(name);
      const auto other = std::find(kLineColumnNames.begin(), kLineColumnNames.end(), key);
      const auto known = std::find(kDutyFieldNames.begin(), kDutyFieldNames.end(), key);
      const auto field = static_cast<DutyField>(known - kDutyFieldNames.begin());
      const bool twice = other != kLineColumnNames.end()
                             ? others_[other - kLineColumnNames.begin()].has_value()
                             : std::find(fields_.begin(), fields_.end(), std::optional(field)) != fields_.end();
      if ((other == kLineColumnNames.end() && known == kDutyFieldNames.end()) || twice) {
        std::string accepted(kLineColumnNames[kNameColumn]);
        for (const std::string_view known_name : kDutyFieldNames) accepted += ", " + std::string(known_name);
        for (const LineColumn column : {kQuantityColumn, kModelColumn})
          accepted += ", " + std::string(kLineColumnNames[column]);
        return "header column " + std::to_string(fields_.size() + 1) + " " + quotedForMessage(name) + " is " +
               (twice ? "named twice" : "not a column") + "; accepted: " + accepted;
      }
      if (other != kLineColumnNames.end()) others_[other - kLineColumnNames.begin()] = fields_.size();
      fields_.push_back(other != kLineColumnNames.end() ? std::nullopt : std::optional(field));
    }
    for (const DutyField needed : {kSeries, kRefrigerant, kDifference, kCapacity}) {
      if (std::find(fields_.begin(), fields_.end(), std::optional(needed)) == fields_.end())
        return "the header names no \"" + std::string(kDutyFieldNames[needed]) + "\" column";
    }
    return "";
  }

  // One line's record, read.
  DutyLine line(CsvRecord& record) const {
    std::vector<std::string>& fields = record.fields;
    DutyLine read;
    read.line = record.line;
    read.name = other(fields, kNameColumn);
    if (fields.size() > fields_.size()) {
      read.error = "line " + std::to_string(read.line) + ": " + std::to_string(fields.size()) +
                   " fields, the header names " + std::to_string(fields_.size());
      return read;
    }
    const std::string quantity = other(fields, kQuantityColumn);
    if (!quantity.empty()) {
      const std::optional<int> number = quantityOf(quantity);
      if (!number) {
        read.error = where(read.line, *others_[kQuantityColumn], kLineColumnNames[kQuantityColumn]) +
                     quotedForMessage(quantity) + " is not a quantity; a whole number from 1 is";
        return read;
      }
      read.quantity = *number;
    }
    read.model = other(fields, kModelColumn);
    if (others_[kModelColumn]) read.modelColumn = *others_[kModelColumn];
    DutyTexts duty;
    for (std::size_t column = 0; column < fields.size(); ++column)
      if (fields_[column]) duty[*fields_[column]] = std::move(fields[column]);
    if (record.separator == ';')
      for (const DutyField number : kNumberFields) readDecimalComma(duty[number]);
    read.series = duty[kSeries];
    read.duty = readDuty(duty);
    if (const auto* error = std::get_if<InputError>(&read.duty)) {
      const auto column = std::find(fields_.begin(), fields_.end(), std::optional(error->field));
      read.error = column == fields_.end()
                       ? "line " + std::to_string(read.line) + " (" + std::string(kDutyFieldNames[error->field]) + "): "
                       : where(read.line, column - fields_.begin(), kDutyFieldNames[error->field]);
      read.error += error->message;
    }
    return read;
  }

 private:
  std::string other(const std::vector<std::string>& fields, LineColumn column) const {
    const std::optional<std::size_t> at = others_[column];
    return at && *at < fields.size() ? fields[*at] : std::string();
  }

  std::vector<std::optional<DutyField>> fields_;  // a duty value a column, or none
  std::array<std::optional<std::size_t>, kLineColumnCount> others_;
};

}  // namespace

std::string unknownModelMessage(const DutyLine& line) {
  return where(line.line, line.modelColumn, kLineColumnNames[kModelColumn]) + quotedForMessage(line.model) +
         " is not a model of the series " + quotedForMessage(line.series) + " within the line's limits";
}

std::string unclosedQuoteMessage(std::size_t line) {
  return "line " + std::to_string(line) + ": a quote opened here is never closed";
}

DutyFileEnd readDutyFile(std::istream& in, const std::function<void()>& headerRead,
                         const std::function<void(DutyLine&)>& onLine) {
  DutyFileEnd end;
  std::optional<Header> header;
  const CsvReading reading = readCsvRecords(in, [&](CsvRecord& record) {
    if (!header) {
      Header named;
      end.refusal = named.read(record.fields);
      if (!end.refusal.empty()) return false;
      header = std::move(named);
      headerRead();
      return true;
    }
    if (std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& field) { return field.empty(); }))
      return true;
    DutyLine line = header->line(record);
    onLine(line);
    return true;
  });
  end.readToEnd = reading.ok;
  end.unclosedQuoteLine = reading.unclosedQuoteLine;
  if (!header && end.refusal.empty())
    end.refusal = reading.unclosedQuoteLine ? unclosedQuoteMessage(*reading.unclosedQuoteLine)
                                            : "the file holds no header line naming its columns";
  return end;
}

}  // namespace duties
