#pragma once
// The millisecond counter and waiting, behind an interface so that tests run the start-up
// wait on a fake clock instead of sleeping.

#include <cstdint>

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since an arbitrary start; never goes backwards.
  virtual std::int64_t milliseconds() = 0;
  virtual void sleepFor(std::int64_t milliseconds) = 0;
};

// The real monotonic clock.
class SteadyClock final : public Clock {
 public:
  std::int64_t milliseconds() override;
  void sleepFor(std::int64_t milliseconds) override;
};

}  // namespace platform
