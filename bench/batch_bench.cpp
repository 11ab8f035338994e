// orvex-select batch over a file of duty lines, air coolers and condensers mixed, its output
// in CSV or as a workbook to a stream that keeps nothing. The batch reads and writes line by
// line (a workbook's rows go to its temporary file as they come), so the peak memory must not
// grow with the number of lines: peak_rss_growth_kb stays flat from 10,000 to 100,000 lines.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "catalog/catalog.h"
#include "catalog/series_grids.h"
#include "cli/select_program.h"

namespace {

// An output that takes every byte and keeps none.
class DiscardingBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

// A batch file of `lines` duties, every grid point in turn, capacities from 1 to 50 kW.
std::string writeDutyFile(long lines) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("orvex-batch-" + std::to_string(::getpid()) + "-" + std::to_string(lines) + ".csv"))
                               .string();
  std::ofstream file(path, std::ios::binary);
  file << "name,series,refrigerant,temperature,ambient,difference,capacity,noise,poles\r\n";
  const catalog::SeriesGrid& cubic = catalog::kCubicGrid;
  const catalog::SeriesGrid& condenser = catalog::kCondenserGrid;
  for (long line = 0; line < lines; ++line) {
    const std::string capacity = std::to_string(line % 50 + 1) + "." + std::to_string(line % 1000);
    if (line % 2 == 0) {
      const std::size_t row = static_cast<std::size_t>(line / 2) % cubic.rows();
      file << "Камера " << line << ",VK-M," << cubic.refrigerants[line % 3] << ',' << cubic.temperatureOfRow(row)
           << ",," << cubic.differenceOfRow(row) << ',' << capacity << ",,\r\n";
    } else {
      const std::size_t row = static_cast<std::size_t>(line / 2) % condenser.rows();
      file << "Rack " << line << ",KD-500," << condenser.refrigerants[line % 3] << ",," << condenser.temperatureOfRow(row)
           << ',' << condenser.differenceOfRow(row) << ',' << capacity << ",45,\"4,6\"\r\n";
    }
  }
  return path;
}

long peakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

constexpr const char* kFormats[] = {"csv", "xlsx"};

// Arguments: the number of lines, the format (0 csv, 1 xlsx).
void BM_BatchOfDutyLines(benchmark::State& state) {
  catalog::loadCatalog();
  const std::string path = writeDutyFile(state.range(0));
  DiscardingBuffer discard;
  std::ostream out(&discard);
  std::ostringstream err;
  std::istringstream in;
  const long peakBefore = peakResidentKilobytes();
  for (auto _ : state) {
    err.str({});
    const int status = cli::runSelectProgram({"orvex-select", "batch", path, "--format", kFormats[state.range(1)]}, in,
                                             out, err);
    benchmark::DoNotOptimize(status);
  }
  state.counters["peak_rss_growth_kb"] = static_cast<double>(peakResidentKilobytes() - peakBefore);
  state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(state.range(0)) * state.iterations(),
                                                     benchmark::Counter::kIsRate);
  std::filesystem::remove(path);
}
BENCHMARK(BM_BatchOfDutyLines)->ArgsProduct({{10'000, 100'000}, {0, 1}})->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
