#pragma once
// The condenser selection window (window 3): the form of design conditions with the condensing
// temperature, the fan connection and poles, the noise limit, on the selection-window skeleton.

#include "gui/toolkit.h"
#include "gui/window_roles.h"
#include "selection/selection_context.h"

namespace selection {

// Registers window 3 with the shell: its handler, its closing and its way in from the main
// window (menu item 3, the right picture area).
void registerCondenserWindow(gui::WindowRegistry& registry, SelectionContext& context);

// Writes the condensing temperature (ambient temperature + difference) once both are chosen;
// leaves it as it is otherwise.
void updateCondensingTemperature(gui::Toolkit& toolkit);

}  // namespace selection
