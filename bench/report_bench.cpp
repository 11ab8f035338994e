// Writing one selection report: logo, icon and page into a folder, as a button press does.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "report/report_files.h"
#include "report/report_layouts.h"
#include "resources/pictures.h"

namespace {

void BM_WriteReport(benchmark::State& state) {
  const auto logo = resources::decodeProgramPicture(resources::kLogoImage);
  report::ReportValues values;
  values.company = "ООО «Холод» & Co";
  values.address = "Москва, ул. Ленина, 1";
  values.project = "Склад №5";
  values.conditions = {"-10", "VK-M", "5", "7", "", "12.500", "2000", "R404A"};
  values.cells = {"VKM 123-2", "13.104", "4.8", "3500", "52.1", "8.6", "12", "1500 x 600",
                  "350", "220/1/50", "2 x 95", "2 x 0.43", "1200"};
  values.siteAddress = "https://orvex.example";
  const auto folder =
      std::filesystem::temp_directory_path() / ("orvex-report-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    const bool written = report::writeReportFiles(folder.string(), logo, report::kCoolerReport, values);
    benchmark::DoNotOptimize(written);
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_WriteReport)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
