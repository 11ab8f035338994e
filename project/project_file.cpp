#include "project/project_file.h"

#include "duties/duty_file.h"
#include "duties/duty_input.h"

namespace project {
namespace {

// The columns written, in order: the name, the duty's values, the quantity and the model.
constexpr std::string_view kHeader =
    "name,series,refrigerant,temperature,ambient,difference,capacity,air-throw,length,width,noise,connection,"
    "poles,quantity,model";

// A field as CSV writes it: in quotes when it holds a separator, a quote or a line break.
std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted(1, '"');
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += c;
  }
  quoted += '"';
  return quoted;
}

}  // namespace

std::string projectFileText(const std::vector<Position>& positions) {
  std::string text(kHeader);
  text += "\r\n";
  for (const Position& position : positions) {
    const duties::DutyTexts duty = std::visit([](const auto& form) { return duties::dutyTextsOf(form); }, position.duty);
    text += csvField(position.name);
    for (const std::string& value : duty) {
      text += ',';
      text += csvField(value);
    }
    text += ',';
    text += std::to_string(position.quantity);
    text += ',';
    text += csvField(position.model);
    text += "\r\n";
  }
  return text;
}

ProjectReading readProjectFile(std::istream& in) {
  ProjectReading reading;
  const duties::DutyFileEnd end = duties::readDutyFile(in, [] {}, [&](duties::DutyLine& line) {
    if (!line.error.empty()) return reading.skipped.push_back(line.error);
    Position position;
    position.duty = *positionDutyOf(line.duty);
    position.name = line.name.empty() ? defaultPositionName(reading.positions.size() + 1) : line.name;
    position.quantity = line.quantity;
    position.model = line.model.empty() ? ruleChoice(position.duty) : line.model;
    if (position.model.empty())
      return reading.skipped.push_back("line " + std::to_string(line.line) + ": no model covers the duty");
    const PositionFigures figures = figuresOf(position);
    if (!keptRow(figures)) return reading.skipped.push_back(duties::unknownModelMessage(line));
    position.model = keptRow(figures)->cells[0];
    reading.positions.push_back(std::move(position));
  });
  reading.refusal = end.refusal;
  if (end.unclosedQuoteLine) reading.skipped.push_back(duties::unclosedQuoteMessage(*end.unclosedQuoteLine));
  if (!end.readToEnd && reading.refusal.empty()) reading.refusal = "the file could not be read to its end";
  return reading;
}

}  // namespace project
