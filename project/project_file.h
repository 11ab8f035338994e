#pragma once
// A project kept in a file: the duty file of orvex-select batch, one position a line, with two
// more columns, `quantity` and `model` (the model kept), so the same file runs as a batch. A
// file the program writes reads back to the same positions. A bad or hand-edited line is
// skipped and told in the batch's own words; the other lines are read.

#include <istream>
#include <string>
#include <vector>

#include "project/project.h"

namespace project {

// The file's text: UTF-8, ',' between fields, CR LF after every line.
std::string projectFileText(const std::vector<Position>& positions);

struct ProjectReading {
  std::vector<Position> positions;
  std::vector<std::string> skipped;  // a message for every line not read
  std::string refusal;               // why nothing could be read; "" when the file could be
};
ProjectReading readProjectFile(std::istream& in);

}  // namespace project
