// Windows-1251 conversions of a 1 MiB text, the size of a large report page.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/windows1251.h"

namespace {

constexpr std::size_t kMiB = 1 << 20;

// 1 MiB of Windows-1251 bytes, every byte value in turn.
std::string windows1251Text() {
  std::string text;
  text.reserve(kMiB);
  for (std::size_t i = 0; text.size() < kMiB; ++i) text += static_cast<char>(i * 7 % 256);
  return text;
}

// 1 MiB of UTF-8 report text: mostly Cyrillic, with some characters Windows-1251 lacks.
std::string reportText() {
  const std::string line = "Воздухоохладитель VK-M 1660D40: 12.5 кВт, Δt = 8 K, ±2 %, Müller\r\n";
  std::string text;
  text.reserve(kMiB + line.size());
  while (text.size() < kMiB) text += line;
  return text;
}

void BM_FromWindows1251(benchmark::State& state) {
  const std::string bytes = windows1251Text();
  for (auto _ : state) benchmark::DoNotOptimize(platform::fromWindows1251(bytes));
  state.SetBytesProcessed(static_cast<long long>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_FromWindows1251)->Unit(benchmark::kMillisecond);

void BM_ToWindows1251WithReferences(benchmark::State& state) {
  const std::string utf8 = reportText();
  for (auto _ : state) benchmark::DoNotOptimize(platform::toWindows1251WithReferences(utf8));
  state.SetBytesProcessed(static_cast<long long>(state.iterations() * utf8.size()));
}
BENCHMARK(BM_ToWindows1251WithReferences)->Unit(benchmark::kMillisecond);

}  // namespace
