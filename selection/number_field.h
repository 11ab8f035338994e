#pragma once
// The number fields of both selection windows are corrected when they lose the focus.

#include "gui/toolkit.h"

namespace selection {

// Reads the field as a number (a text that is not a number is 0), raises it to `lower` or
// lowers it to `upper` (both included), and writes it back with exactly `decimals` decimals.
// Writing it back raises no change event.
void normalizeNumberField(gui::Toolkit& toolkit, int window, int gadget, float lower, float upper,
                          int decimals);

}  // namespace selection
