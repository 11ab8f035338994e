#pragma once
// The program's compiled-in pictures and icon.

#include <cstdint>
#include <span>

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

// Decodes the picture of one slot from its compiled-in form; the pictures stay compressed in
// the program until a window shows them. A picture that fails to decode (it cannot, short of a
// broken build), or a number that is no slot, gives an empty image.
gui::Image decodeProgramPicture(int slot);

// The 1150 bytes of the 16 x 16 icon the report page names.
std::span<const std::uint8_t> faviconBytes();

}  // namespace resources
