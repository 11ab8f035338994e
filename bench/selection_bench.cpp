// One air cooler selection on the largest air cooler series.

#include <benchmark/benchmark.h>

#include "catalog/catalog.h"
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
