#include "gui/scale.h"

#include <algorithm>
#include <cmath>

namespace gui {

double sensibleScale(double reading) {
  if (!(reading > 0)) return 1.0;  // also a NaN
  return std::clamp(reading, 0.5, 4.0);
}

int scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

Rect scaled(const Rect& place, double scale) {
  const int left = scaled(place.x, scale);
  const int top = scaled(place.y, scale);
  return Rect{left, top, scaled(place.x + place.width, scale) - left,
              scaled(place.y + place.height, scale) - top};
}

int dialogFontPixels(double scale) {
  constexpr double kPoints = 8.0;
  return static_cast<int>(std::lround(kPoints * 96.0 * scale / 72.0));
}

}  // namespace gui
