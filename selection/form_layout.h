#pragma once
// The layout pieces both selection windows are made of.

#include <string_view>
#include <vector>

#include "gui/toolkit.h"

namespace selection {

enum class InputKind { TextField, ComboBox };

// A labelled input: the label at the top of a 230 x 40 place, the input 20 px high below it.
// labelWidth narrower than 230 keeps a long label off the next column.
void addLabelledInput(gui::Toolkit& toolkit, int window, int x, int y, std::string_view label,
                      InputKind kind, int gadget, int labelGadget = gui::kUnnumbered,
                      int labelWidth = 230);

// Colours of the result lists.
inline constexpr gui::Rgb kChosenModelColour{0, 0, 255};
inline constexpr gui::Rgb kChosenRowBackground{204, 255, 153};
inline constexpr gui::Rgb kLargerRowBackground{255, 255, 153};
inline constexpr gui::Rgb kOutOfRangeColour{255, 0, 0};

}  // namespace selection
