#include "selection/drawing_button.h"

#include "platform/file_queries.h"
#include "report/drawings.h"
#include "selection/drawing_progress.h"

namespace selection {

void openDrawing(SelectionContext& context, const SelectionWindowShape& shape, int row) {
  gui::Toolkit& tk = context.toolkit;
  const Services& services = context.services;
  const std::string model = tk.cellText(shape.window, shape.resultList, row, 0);
  const std::string file = platform::pathInFolder(services.folder, report::drawingFileName(model));
  if (platform::fileSize(file) > 0) {
    services.opener.open(file);
    return;
  }
  if (model.empty()) return;  // the row a selection without result leaves
  const char* caption = shape.drawingText;
  if (tk.messageBox(caption, "Чертеж отсутствует на диске. Загрузить с сайта?", gui::MessageButtons::YesNo) !=
      gui::MessageAnswer::Yes)
    return;
  report::DrawingDownload outcome{};
  {
    DrawingProgress progress(context, shape);
    outcome = report::downloadDrawing(services.network, model, services.folder,
                                      [&progress](std::int64_t received, std::int64_t total) {
                                        return progress.update(received, total);
                                      });
  }
  if (outcome == report::DrawingDownload::Cancelled) return;  // the user's own choice
  if (outcome == report::DrawingDownload::Failed)
    tk.messageBox(caption, "Загрузить чертеж с сайта не удалось!", gui::MessageButtons::Ok);
  services.opener.open(file);
}

}  // namespace selection
