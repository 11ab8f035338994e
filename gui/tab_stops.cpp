#include "gui/tab_stops.h"

#include <algorithm>
#include <map>

#include "gui/reading_order.h"

namespace gui {

std::vector<std::size_t> tabStops(const std::vector<TabCandidate>& candidates) {
  std::vector<Rect> places;
  for (const TabCandidate& c : candidates) places.push_back(c.place);
  std::vector<std::size_t> order = readingOrder(places);
  std::stable_partition(order.begin(), order.end(), [&](std::size_t i) { return candidates[i].first; });

  // Each option group stands where its first option is read, at its ticked option.
  std::map<int, std::size_t> groupStop;
  for (std::size_t i : order) {
    const TabCandidate& c = candidates[i];
    if (c.optionGroup == 0) continue;
    const auto [it, added] = groupStop.emplace(c.optionGroup, i);
    if (!added && c.checked && !candidates[it->second].checked) it->second = i;
  }
  std::vector<std::size_t> stops;
  for (std::size_t i : order) {
    const int group = candidates[i].optionGroup;
    if (group == 0 || groupStop[group] == i) stops.push_back(i);
  }
  return stops;
}

std::optional<std::size_t> nextTabStop(const std::vector<TabCandidate>& candidates,
                                       std::optional<std::size_t> current, bool backward) {
  const std::vector<std::size_t> stops = tabStops(candidates);
  const std::size_t count = stops.size();
  if (count == 0) return std::nullopt;
  // Where the focus is now among the stops: an option stands for its group's stop.
  std::optional<std::size_t> at;
  if (current && *current < candidates.size()) {
    const int group = candidates[*current].optionGroup;
    for (std::size_t k = 0; k < count; ++k) {
      const std::size_t i = stops[k];
      if (i == *current || (group != 0 && candidates[i].optionGroup == group)) at = k;
    }
  }
  for (std::size_t step = 1; step <= count; ++step) {
    std::size_t k = 0;
    if (!at) {
      k = backward ? count - step : step - 1;
    } else {
      k = backward ? (*at + count - step) % count : (*at + step) % count;
    }
    if (candidates[stops[k]].enabled) return stops[k];
  }
  return std::nullopt;
}

}  // namespace gui
