#include "selection/number_field.h"

#include "selection/field_bounds.h"

namespace selection {

void normalizeNumberField(gui::Toolkit& toolkit, int window, int gadget, float lower, float upper,
                          int decimals) {
  toolkit.setText(window, gadget, normalizedNumberText(toolkit.text(window, gadget), lower, upper, decimals));
}

}  // namespace selection
