#pragma once
// The program's compiled-in pictures and icon.

#include <cstdint>
#include <span>
#include <vector>

#include "gui/image.h"

namespace resources {

// Image slots the windows show pictures from.
enum ImageSlot : int {
  kMainBackgroundImage = 0,  // 800 x 600, main window
  kLogoImage = 1,            // 155 x 101, About window and report
  kSmallLogoImage = 2,       // 72 x 47, selection windows
  kCeilingSeriesImage = 3,   // 240 x 160, ceiling air coolers
  kCubicSeriesImage = 4,     // 240 x 160, cubic air coolers
  kCondenserSeriesImage = 5, // 240 x 160, condensers
  kSplashImage = 6,          // 455 x 297, splash window
  kImageSlotCount = 7
};

// Decodes the seven pictures, in slot order. A picture that fails to decode (it cannot, short
// of a broken build) is an empty image.
std::vector<gui::Image> decodeProgramPictures();

// The 1150 bytes of the 16 x 16 icon the report page names.
std::span<const std::uint8_t> faviconBytes();

}  // namespace resources
