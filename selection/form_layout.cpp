#include "selection/form_layout.h"

namespace selection {

void addLabelledInput(gui::Toolkit& toolkit, int window, int x, int y, std::string_view label,
                      InputKind kind, int gadget, int labelGadget, int labelWidth) {
  toolkit.addLabel(window, labelGadget, {x, y + 5, labelWidth, 15}, label);
  const gui::Rect input{x, y + 20, 230, 20};
  if (kind == InputKind::TextField) {
    toolkit.addTextField(window, gadget, input);
  } else {
    toolkit.addComboBox(window, gadget, input);
  }
}

}  // namespace selection
