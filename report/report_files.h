#pragma once
// Writing a selection report: the page with its logo and icon, into one folder.

#include <string>
#include <string_view>

#include "gui/image.h"
#include "report/report_page.h"

namespace report {

inline constexpr std::string_view kReportPageFile = "orvex-selection.htm";
inline constexpr std::string_view kReportLogoFile = "orvex-selection.png";
inline constexpr std::string_view kReportIconFile = "favicon.ico";

// Writes the logo, the icon and the page into folder (empty: the current directory), each
// file replacing the previous report's as a whole. A logo or icon that cannot be written is
// skipped. Returns whether the page was written; when it was not, an older page may still be
// there and must not be shown as this report.
bool writeReportFiles(const std::string& folder, const gui::Image& logo, const ReportLayout& layout,
                      const ReportValues& values);
// The same for any page that shows the logo and the icon: `pageFile` in folder, with its bytes.
bool writePageFiles(const std::string& folder, const gui::Image& logo, std::string_view pageFile,
                    std::string_view pageBytes);

}  // namespace report
