#pragma once
// The air cooler selection window (window 2): the form of design conditions with its hints,
// the result list, and the buttons that lead to the selection, the report, the drawing and the
// clearing of the form.

#include "gui/toolkit.h"
#include "selection/selection_context.h"

namespace selection {

// Brings an open window 2 to the front, or builds it.
void openCoolerWindow(SelectionContext& context);
// Opens window 2 and creates its menu and gadgets; records whether the window exists.
void buildCoolerWindow(SelectionContext& context);
// Serves one event of window 2; returns 0 when the window asks to be closed, 1 otherwise.
int handleCoolerEvent(SelectionContext& context, const gui::Event& event);

// Refills the evaporating temperatures and the differences for the chosen series and resets
// the hints.
void onSeriesChanged(SelectionContext& context);
// Writes the air inlet temperature (evaporating temperature + difference) once both are chosen.
void updateAirInletTemperature(SelectionContext& context);
// Colours the air inlet and room temperature labels red when t is outside the series' range.
void checkRoomTemperatureRange(SelectionContext& context, int airInletTemperature);
// Shows the expected relative humidity for the chosen temperature difference.
void updateHumidityHint(SelectionContext& context);
// Resets the whole form after confirmation, when it holds data.
void clearCoolerData(SelectionContext& context);
// "Подобрать": reads the form, selects and fills the result list.
void selectCoolers(SelectionContext& context);

}  // namespace selection
