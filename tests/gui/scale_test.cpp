// Places and the dialog font at a window's scale.

#include "gui/scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Scale, PlacesKeepTouchingAndTheFontFollowsThePoints) {
  struct Case {
    double scale;
    int font;             // em height of 8 points
    gui::Rect first, second;  // two fields side by side at 96 dpi: {5, 20, 115, 20}, {120, ...}
  };
  const Case cases[] = {
      {1.0, 11, {5, 20, 115, 20}, {120, 20, 115, 20}},
      {1.25, 13, {6, 25, 144, 25}, {150, 25, 144, 25}},
      {1.5, 16, {8, 30, 172, 30}, {180, 30, 173, 30}},
      {2.0, 21, {10, 40, 230, 40}, {240, 40, 230, 40}},
  };
  for (const Case& c : cases) {
    const gui::Rect first = gui::scaled(gui::Rect{5, 20, 115, 20}, c.scale);
    const gui::Rect second = gui::scaled(gui::Rect{120, 20, 115, 20}, c.scale);
    EXPECT_EQ(first, c.first) << c.scale;
    EXPECT_EQ(second, c.second) << c.scale;
    EXPECT_EQ(first.x + first.width, second.x) << c.scale;
    EXPECT_EQ(gui::dialogFontPixels(c.scale), c.font) << c.scale;
  }
}

TEST(Scale, ReadingsOfNothingOrBeyondADesktopAreKeptSensible) {
  EXPECT_EQ(gui::sensibleScale(0), 1.0);
  EXPECT_EQ(gui::sensibleScale(-1), 1.0);
  EXPECT_EQ(gui::sensibleScale(std::nan("")), 1.0);
  EXPECT_EQ(gui::sensibleScale(1.5), 1.5);
  EXPECT_EQ(gui::sensibleScale(40), 4.0);
}

}  // namespace
