#pragma once
// A model's drawing: a PDF file named after the model, kept in the current directory and
// fetched from the maker's web site when missing.

#include <string>

#include "platform/file_queries.h"
#include "net/network.h"

namespace report {

// The model name unchanged (spaces kept) followed by ".pdf".
std::string drawingFileName(const std::string& model);

// Where the site holds the drawing; the name is percent-encoded, so "VP 1" gives ".../VP%201.pdf".
std::string drawingUrl(const std::string& model);

enum class DrawingDownload {
  NetworkNotStarted,  // nothing was attempted; the user is not told
  Failed,             // the transfer failed; the user is told
  Cancelled,          // the user stopped it; nothing to tell
  Done,               // the complete drawing is in the folder
};

// Starts the network and downloads the model's drawing into the folder under its file name,
// telling `progress` how far it has come. A failed or cancelled transfer leaves an older file
// of that name as it was.
DrawingDownload downloadDrawing(net::Network& network, const std::string& model,
                                const std::string& folder = platform::currentDirectory(),
                                const net::TransferProgress& progress = {});

}  // namespace report
