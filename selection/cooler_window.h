#pragma once
// The air cooler selection window (window 2): the form of design conditions with its hints
// (air inlet temperature, expected humidity, the series' room temperature range), on the
// selection-window skeleton.

#include "gui/toolkit.h"
#include "gui/window_roles.h"
#include "selection/selection_context.h"

namespace selection {

// Registers window 2 with the shell: its handler, its closing and its way in from the main
// window (menu item 2, the left picture area).
void registerCoolerWindow(gui::WindowRegistry& registry, SelectionContext& context);

// The window's own rules, run on the user's changes of its inputs.
// Refills the evaporating temperatures and the differences for the chosen series and resets
// the hints.
void onSeriesChanged(gui::Toolkit& toolkit);
// Writes the air inlet temperature (evaporating temperature + difference) once both are chosen.
void updateAirInletTemperature(gui::Toolkit& toolkit);
// Colours the air inlet and room temperature labels red when t is outside the series' range.
void checkRoomTemperatureRange(gui::Toolkit& toolkit, int airInletTemperature);
// Shows the expected relative humidity for the chosen temperature difference.
void updateHumidityHint(gui::Toolkit& toolkit);

}  // namespace selection
