#pragma once
// A file of duties, one a line, as `orvex-select batch` takes it and a project is kept: the
// first line names the columns (the duty's values, and as needed the line's name, quantity and
// kept model), each further line is one duty. Lines are read one at a time and handed on as
// they come; a bad line is told by its line and column, and the lines after it are still read.
// Nothing here selects a model or writes anything.

#include <cstddef>
#include <functional>
#include <istream>
#include <optional>
#include <string>

#include "duties/duty_input.h"

namespace duties {

// One line of the file, read. `error` is "" when the line's values are good, and otherwise says
// what is wrong and where ("line 4, column 7 (quantity): …"); `duty` then holds nothing to use.
struct DutyLine {
  std::size_t line = 0;
  std::string name;
  int quantity = 1;   // 1 when the file gives none
  std::string model;  // the model kept for the line; "" for the rule's choice
  AnyDuty duty = InputError{};
  std::string series;  // the series as the line names it
  std::size_t modelColumn = 0;  // the kept model's column, from 0
  std::string error;
};

// How the reading ended.
struct DutyFileEnd {
  // Why the file could not be read at all (no header, a header naming no such column): "" when
  // it could.
  std::string refusal;
  // The line of a quote that is never closed: the lines after it were not read.
  std::optional<std::size_t> unclosedQuoteLine;
  bool readToEnd = true;  // false when reading failed part way
};

// Hands on every line after the header, but empty ones, in the file's order; `headerRead` is
// called once the header is accepted, before the first line.
DutyFileEnd readDutyFile(std::istream& in, const std::function<void()>& headerRead,
                         const std::function<void(DutyLine&)>& onLine);

// What a line is told when the series, within the line's limits, has no model of the kept
// model's name: "line 4, column 9 (model): "KD-1" is not a model of the series "VP" within the
// line's limits".
std::string unknownModelMessage(const DutyLine& line);

// The message of a quote never closed, told at the line where it opened.
std::string unclosedQuoteMessage(std::size_t line);

}  // namespace duties
