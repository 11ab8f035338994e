#include "selection/report_values.h"

#include <utility>

#include "platform/site.h"

namespace selection {

report::ReportValues reportValues(const userdata::UserInfo& user, std::string project,
                                  std::string contactPerson, std::vector<std::string> conditions,
                                  const ResultCells& cells) {
  return report::ReportValues{.company = user.company,
                              .address = user.address,
                              .phoneFax = user.phoneFax,
                              .email = user.email,
                              .manager = user.manager,
                              .project = std::move(project),
                              .contactPerson = std::move(contactPerson),
                              .conditions = std::move(conditions),
                              .cells = cells,
                              .siteAddress = platform::siteAddress()};
}

}  // namespace selection
