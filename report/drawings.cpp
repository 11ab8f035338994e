#include "report/drawings.h"

#include "net/site_files.h"

namespace report {

std::string drawingFileName(const std::string& model) { return model + ".pdf"; }

std::string drawingUrl(const std::string& model) { return net::siteFileUrl(drawingFileName(model)); }

DrawingDownload downloadDrawing(net::Network& network, const std::string& model, const std::string& folder,
                                const net::TransferProgress& progress) {
  if (!network.start()) return DrawingDownload::NetworkNotStarted;
  const std::string target = platform::pathInFolder(folder, drawingFileName(model));
  switch (network.download(drawingUrl(model), target, net::TransferKind::Drawing, progress)) {
    case net::TransferOutcome::Completed:
      return DrawingDownload::Done;
    case net::TransferOutcome::Cancelled:
      return DrawingDownload::Cancelled;
    case net::TransferOutcome::Failed:
      break;
  }
  return DrawingDownload::Failed;
}

}  // namespace report
