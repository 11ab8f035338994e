#include "selection/number_field.h"

#include "platform/number_text.h"

namespace selection {

void normalizeNumberField(gui::Toolkit& toolkit, int window, int gadget, float lower, float upper,
                          int decimals) {
  float value = platform::textToFloat(toolkit.text(window, gadget));
  if (lower > value) {
    value = lower;
  } else if (value > upper) {
    value = upper;
  }
  toolkit.setText(window, gadget, platform::fixedText(value, decimals));
}

}  // namespace selection
