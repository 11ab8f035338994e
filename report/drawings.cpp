#include "report/drawings.h"

#include "report/site_files.h"

namespace report {

std::string drawingFileName(const std::string& model) { return model + ".pdf"; }

std::string drawingUrl(const std::string& model) { return siteFileUrl(drawingFileName(model)); }

DrawingDownload downloadDrawing(Network& network, const std::string& model, const std::string& folder) {
  if (!network.start()) return DrawingDownload::NetworkNotStarted;
  const std::string target = platform::pathInFolder(folder, drawingFileName(model));
  return network.download(drawingUrl(model), target) ? DrawingDownload::Done : DrawingDownload::Failed;
}

}  // namespace report
