#include "selection/report_button.h"

#include "platform/file_queries.h"
#include "report/report_files.h"
#include "resources/pictures.h"
#include "selection/report_values.h"
#include "userdata/ini_file.h"
#include "userdata/user_info.h"

namespace selection {

void writeAndShowReport(SelectionContext& context, const SelectionWindowShape& shape, int row) {
  gui::Toolkit& tk = context.toolkit;
  const std::string& folder = context.services.folder;
  const userdata::UserInfo user =
      userdata::readUserInfoFile(platform::pathInFolder(folder, std::string(userdata::kUserInfoFileName)));
  ResultCells cells;
  for (int column = 0; column < kResultColumns; ++column)
    cells[column] = tk.cellText(shape.window, shape.resultList, row, column);
  const report::ReportValues values =
      reportValues(user, tk.text(shape.window, shape.project), tk.text(shape.window, shape.contactPerson),
                   shape.reportConditions(tk), cells);

  if (!report::writeReportFiles(folder, tk.image(resources::kLogoImage), *shape.reportLayout, values)) {
    const std::string page = platform::pathInFolder(folder, std::string(report::kReportPageFile));
    tk.messageBox(kReportText, "Не удалось записать протокол подбора в файл " + page + ".",
                  gui::MessageButtons::Ok);
    return;
  }
  context.services.opener.open(platform::pathInFolder(folder, std::string(report::kReportPageFile)));
}

}  // namespace selection
