#pragma once
// Rating-table capacities laid out as the compiled-in catalog holds them: one zero-padded slot
// of catalog::kCapacitySlot bytes per row.

#include <initializer_list>
#include <string>

#include "catalog/records.h"

namespace testing_support {

inline std::string capacitySlots(std::initializer_list<int> capacities) {
  std::string slots;
  for (const int capacity : capacities) {
    std::string text = std::to_string(capacity);
    text.resize(catalog::kCapacitySlot, '\0');
    slots += text;
  }
  return slots;
}

}  // namespace testing_support
