// One selection of each kind on its largest series.

#include <benchmark/benchmark.h>

#include "catalog/catalog.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace {

void BM_SelectCoolers(benchmark::State& state) {
  catalog::loadCatalog();
  // The last table and the last grid point: the lookup walks past everything else.
  const selection::CoolerInputs inputs{"R134a", 12500, 2, "0", "10"};
  const auto* series = selection::coolerSeriesList(inputs.seriesCode);
  for (auto _ : state) {
    auto rows = selection::selectCoolers(inputs, series);
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_SelectCoolers)->Unit(benchmark::kMicrosecond);

}  // namespace

// One condenser selection on a 120-record series with every filter at work: a noise limit,
// one connection and two of the three pole kinds allowed, the last table and grid point.
void BM_SelectCondensers(benchmark::State& state) {
  catalog::loadCatalog();
  selection::CondenserInputs inputs{.refrigerant = "R407a",
                                    .requiredWatts = 30000,
                                    .seriesCode = 1,
                                    .temperatureKey = "50",
                                    .deltaKey = "20",
                                    .noiseLimit = 60.0f,
                                    .deltaAllowed = true,
                                    .starAllowed = false,
                                    .fourPolesAllowed = true,
                                    .sixPolesAllowed = true,
                                    .eightPolesAllowed = false};
  const auto* series = selection::condenserSeriesList(inputs.seriesCode);
  for (auto _ : state) {
    auto rows = selection::selectCondensers(inputs, series);
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_SelectCondensers)->Unit(benchmark::kMicrosecond);
