#pragma once
// PNG and JPEG decoding into RGBA images (libpng, libjpeg), and PNG encoding into a file.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "gui/image.h"

namespace resources {

std::optional<gui::Image> decodePng(std::span<const std::uint8_t> bytes);
std::optional<gui::Image> decodeJpeg(std::span<const std::uint8_t> bytes);

// Writes the image as an 8-bit RGBA PNG. The file is written beside the target under a
// temporary name and renamed over it when complete, so a failure never leaves half a file.
// Returns false on failure.
bool writePng(const gui::Image& image, const std::string& path);

}  // namespace resources
