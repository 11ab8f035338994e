#pragma once
// The project's page: the maker's contact details and the project's name, a summary table of
// every position with the totals, then each position in its own section with the tables of the
// single report. Printed on A4 portrait, no table is wider than the printable width and a
// section that fits on one page is not broken across two. Pure: values in, lines of text out;
// the bytes are the single report's (Windows-1251, CR LF).

#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"
#include "report/report_page.h"

namespace project {

inline constexpr std::string_view kProjectPageFile = "orvex-selection-project.htm";

// `contact` gives the contact details (company to manager) and the maker's site; the rest of
// it is not read.
std::vector<std::string> composeProjectPage(std::string_view projectName, const report::ReportValues& contact,
                                            const std::vector<Position>& positions,
                                            const std::vector<PositionFigures>& figures);

}  // namespace project
