// A project of 1,000 positions, air coolers and condensers mixed, some keeping a neighbour: its
// file read, every position selected anew, and its page written with the logo and the icon, as
// opening a project and pressing "Подобрать заново" and "Отчет по проекту" do.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "catalog/catalog.h"
#include "project/project_file.h"
#include "project/project_report.h"

namespace {

std::string projectFile(int positions) {
  std::string text = "name,series,refrigerant,temperature,ambient,difference,capacity,connection,poles,quantity,model\n";
  for (int i = 1; i <= positions; ++i) {
    switch (i % 4) {
      case 0: text += "Камера " + std::to_string(i) + ",VK-M,R404a/R507,-10,,8," + std::to_string(i % 9 + 2) + ".5,,,2,\n"; break;
      case 1: text += "Камера " + std::to_string(i) + ",VK-L,R404a/R507,-30,,7," + std::to_string(i % 5 + 1) + ".2,,,1,\n"; break;
      case 2: text += "Камера " + std::to_string(i) + ",VP,R404a/R507,-10,,8,0.5,,,3,VP-25-200\n"; break;
      default: text += "Стойка " + std::to_string(i) + ",KD-630,R134a,,32,10," + std::to_string(i % 60 + 20) + ",star,\"4,6\",1,\n";
    }
  }
  return text;
}

void BM_ProjectOpenSelectAnewAndReport(benchmark::State& state) {
  if (catalog::ceilingCoolerList().empty()) catalog::loadCatalog();
  const std::string file = projectFile(static_cast<int>(state.range(0)));
  const auto folder = std::filesystem::temp_directory_path() / ("orvex-project-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    std::istringstream in(file);
    project::ProjectReading reading = project::readProjectFile(in);
    project::selectAnew(reading.positions);
    const bool written = project::writeProjectReport(folder.string(), {}, "Проект", reading.positions);
    if (!written || reading.positions.size() != static_cast<std::size_t>(state.range(0)))
      state.SkipWithError("the project was not read or its page not written");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ProjectOpenSelectAnewAndReport)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
