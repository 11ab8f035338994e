#pragma once
// A decoded picture: 8-bit RGBA pixels, rows top to bottom; and where an image slot gets it.

#include <cstdint>
#include <functional>
#include <vector>

namespace gui {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4 bytes
};

// How an image slot gets its picture: decoded when a window shows it, so that pictures stay
// compressed until then and a picture no window shows takes no memory.
using ImageSource = std::function<Image()>;

}  // namespace gui
