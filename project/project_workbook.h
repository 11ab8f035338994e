#pragma once
// A project's positions as an .xlsx workbook: the project window's columns, numbers as numbers,
// and under the positions the totals per kind of equipment as formulas over them.

#include <ostream>
#include <string>
#include <vector>

#include "project/project.h"

namespace project {

// Writes the workbook into `out`; false, with the reason in `error`, when it could not be made.
bool writeProjectWorkbook(std::ostream& out, const std::vector<Position>& positions, std::string& error);

}  // namespace project
