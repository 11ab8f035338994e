#pragma once
// A decoded picture: 8-bit RGBA pixels, rows top to bottom.

#include <cstdint>
#include <vector>

namespace gui {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
};

}  // namespace gui
