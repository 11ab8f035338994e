#include "platform/clock.h"

#include <chrono>
#include <thread>

namespace platform {

std::int64_t SteadyClock::milliseconds() {
  using namespace std::chrono;
  return duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::sleepFor(std::int64_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace platform
