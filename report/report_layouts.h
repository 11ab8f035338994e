#pragma once
// What the air cooler and the condenser reports do not share: their title and headings,
// their design-condition table and the column headers of the result.

#include "report/report_page.h"

namespace report {

// The air cooler form's texts that the report shows, as indices into ReportValues::conditions.
enum CoolerCondition : int {
  kEvaporatingTemperature,
  kCoolerSeries,
  kMinimumAirThrow,        // optional limit
  kCoolerTemperatureDifference,
  kMaximumWidth,           // optional limit
  kRequiredCoolingCapacity,
  kMaximumLength,          // optional limit
  kCoolerRefrigerant,
  kCoolerConditionCount
};

// The condenser form's texts that the report shows.
enum CondenserCondition : int {
  kAmbientTemperature,
  kCondenserSeries,
  kMaximumNoiseLevel,      // optional limit
  kCondenserTemperatureDifference,
  kRequiredHeatRejection,
  kCondenserRefrigerant,
  kCondenserConditionCount
};

extern const ReportLayout kCoolerReport;
extern const ReportLayout kCondenserReport;

}  // namespace report
