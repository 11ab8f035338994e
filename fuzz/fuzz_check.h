#pragma once
// The fuzzers' assertion: a broken property stops the run at once, and libFuzzer keeps the
// input that broke it.

#include <cstdlib>

inline void fuzzCheck(bool property) {
  if (!property) std::abort();
}
