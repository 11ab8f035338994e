#pragma once
// Taking one window's events out of a backend's queue of pending user actions, which may also
// hold other entries (actions to run); the rest stay queued in their order.

#include <variant>
#include <vector>

#include "gui/toolkit.h"

namespace gui {

template <typename Queue>
std::vector<Event> takeWindowEvents(Queue& queue, int window) {
  std::vector<Event> taken;
  for (auto item = queue.begin(); item != queue.end();) {
    const auto* event = std::get_if<Event>(&*item);
    if (event && event->window == window) {
      taken.push_back(*event);
      item = queue.erase(item);
    } else {
      ++item;
    }
  }
  return taken;
}

}  // namespace gui
