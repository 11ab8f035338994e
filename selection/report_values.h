#pragma once
// What a selection report shows, gathered the same way by a window and by the console program:
// the contact details, the project and contact person, the form's texts in the layout's order
// and the cells of the reported row.

#include <string>
#include <vector>

#include "report/report_page.h"
#include "selection/selection_core.h"
#include "userdata/user_info.h"

namespace selection {

report::ReportValues reportValues(const userdata::UserInfo& user, std::string project,
                                  std::string contactPerson, std::vector<std::string> conditions,
                                  const ResultCells& cells);

}  // namespace selection
