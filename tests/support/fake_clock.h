#pragma once
// A millisecond clock that moves only when the program sleeps (or, where a test asks, each time
// it is read), so start-up waits take no time.

#include <functional>

#include "platform/clock.h"

namespace testing_support {

class FakeClock final : public platform::Clock {
 public:
  explicit FakeClock(std::int64_t start = 100000) : now_(start) {}
  std::int64_t milliseconds() override { return now_ += readingStep_; }
  void sleepFor(std::int64_t milliseconds) override {
    now_ += step_ ? step_(milliseconds) : milliseconds;
    if (afterSleep_) afterSleep_();
  }
  // How far a sleep of the given length moves the clock (default: exactly that far).
  void setStep(std::function<std::int64_t(std::int64_t)> step) { step_ = std::move(step); }
  void afterEachSleep(std::function<void()> check) { afterSleep_ = std::move(check); }
  // Every reading moves the clock this far first, as a long operation that reads it would.
  void advanceOnEachReading(std::int64_t milliseconds) { readingStep_ = milliseconds; }

 private:
  std::int64_t now_;
  std::int64_t readingStep_ = 0;
  std::function<std::int64_t(std::int64_t)> step_;
  std::function<void()> afterSleep_;
};

}  // namespace testing_support
