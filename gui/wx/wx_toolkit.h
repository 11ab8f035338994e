#pragma once
// The on-screen backend of the toolkit layer, built on wxWidgets. This header names no wx
// type, so the rest of the program never includes wx headers.

#include <memory>

#include "gui/text_fit.h"
#include "gui/toolkit.h"

namespace gui {

// Starts wxWidgets and returns the toolkit; empty when no display can be opened.
std::unique_ptr<Toolkit> createWxToolkit(int argc, char** argv);

// The extent of one line of text in the windows' font at scale s, as the screen draws it;
// only while a toolkit made by createWxToolkit exists.
TextExtent measureText(const std::string& line, double scale);

}  // namespace gui
