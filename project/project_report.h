#pragma once
// Writing a project's page, orvex-selection-project.htm, with the single report's logo and
// icon into one folder: the project window and orvex-select report project write the same bytes.

#include <string>
#include <vector>

#include "project/project.h"
#include "userdata/user_info.h"

namespace project {

// Returns whether the page was written (an older page may be left when it was not).
bool writeProjectReport(const std::string& folder, const userdata::UserInfo& user, const std::string& projectName,
                        const std::vector<Position>& positions);

// A project's name as its file gives it: the file name without its folder and extension.
std::string projectNameOf(const std::string& path);

}  // namespace project
