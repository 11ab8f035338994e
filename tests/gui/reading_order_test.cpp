#include "gui/reading_order.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadingOrder, PlacesNoStripPartsFollowByTopThenLeft) {
  // Overlapping places, as a picture with a button over it: no empty strip either way.
  const std::vector<gui::Rect> places = {{50, 40, 100, 20}, {0, 0, 200, 100}, {10, 40, 30, 20}};
  EXPECT_EQ(gui::readingOrder(places), (std::vector<std::size_t>{1, 2, 0}));
}

}  // namespace
