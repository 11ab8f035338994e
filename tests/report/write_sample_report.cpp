// Writes a condenser report with typed values that must come out in a browser exactly as
// typed, into the folder given as the only argument. Used by the browser check.

#include <cstdio>

#include "report/report_files.h"
#include "report/report_layouts.h"
#include "resources/pictures.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_sample_report <folder>\n");
    return 2;
  }
  report::ReportValues values;
  values.company = "<b>&ООО «Холод»";
  values.address = "Москва, ул. Łódź ✓";
  values.phoneFax = "+7 495 123-45-67";
  values.email = "info@holod.ru";
  values.manager = "Иванов И. И.";
  values.project = "Склад \"Север\"";
  values.contactPerson = "Петров П. П.";
  values.conditions.resize(report::kCondenserConditionCount);
  values.conditions[report::kAmbientTemperature] = "32";
  values.conditions[report::kCondenserSeries] = "KD-630";
  values.conditions[report::kCondenserTemperatureDifference] = "15";
  values.conditions[report::kRequiredHeatRejection] = "100.000";
  values.conditions[report::kCondenserRefrigerant] = "R507";
  values.cells = {"KD-100A", "101.234", "1.2", "24000", "310", "21", "48", "2400 x 1100 x 1200",
                  "630", "400/50", "4 x 750", "4 x 1.6", "Y"};
  values.siteAddress = "https://orvex.example";
  return report::writeReportFiles(argv[1], resources::decodeProgramPicture(resources::kLogoImage),
                                  report::kCondenserReport, values)
             ? 0
             : 1;
}
