#include "gui/reading_order.h"

#include <algorithm>
#include <optional>

namespace gui {
namespace {

using Indices = std::vector<std::size_t>;

enum class Axis { Rows, Columns };

int startOn(Axis axis, const Rect& r) { return axis == Axis::Rows ? r.y : r.x; }
int endOn(Axis axis, const Rect& r) { return axis == Axis::Rows ? r.y + r.height : r.x + r.width; }

struct Strip {
  Axis axis;
  int width;
  int at;  // places that start here or later lie beyond the strip
};

// The widest empty strip across all the places along one axis, if there is one.
std::optional<Strip> widestStrip(std::span<const Rect> places, Indices items, Axis axis) {
  std::ranges::sort(items, {}, [&](std::size_t i) { return startOn(axis, places[i]); });
  std::optional<Strip> widest;
  int reached = endOn(axis, places[items.front()]);
  for (std::size_t k = 1; k < items.size(); ++k) {
    const Rect& place = places[items[k]];
    const int gap = startOn(axis, place) - reached;
    if (gap >= 0 && (!widest || gap > widest->width)) widest = Strip{axis, gap, startOn(axis, place)};
    reached = std::max(reached, endOn(axis, place));
  }
  return widest;
}

void read(std::span<const Rect> places, const Indices& items, Indices& order) {
  if (items.size() <= 1) {
    order.insert(order.end(), items.begin(), items.end());
    return;
  }
  const auto rows = widestStrip(places, items, Axis::Rows);
  const auto columns = widestStrip(places, items, Axis::Columns);
  const auto strip = columns && (!rows || columns->width >= rows->width) ? columns : rows;
  if (!strip) {
    Indices sorted = items;
    std::ranges::stable_sort(sorted, {},
                             [&](std::size_t i) { return std::pair(places[i].y, places[i].x); });
    order.insert(order.end(), sorted.begin(), sorted.end());
    return;
  }
  Indices before, beyond;
  for (const std::size_t i : items) (startOn(strip->axis, places[i]) < strip->at ? before : beyond).push_back(i);
  read(places, before, order);
  read(places, beyond, order);
}

}  // namespace

std::vector<std::size_t> readingOrder(std::span<const Rect> places) {
  Indices all(places.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
  Indices order;
  read(places, all, order);
  return order;
}

}  // namespace gui
