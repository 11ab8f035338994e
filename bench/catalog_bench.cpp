// Catalog loading and working copies, with the heap the loaded catalog takes.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "catalog/catalog.h"

namespace {
std::atomic<long long> liveBytes{0};
}  // namespace

// Counting allocator: every heap block carries its size in front, so the live heap can be read.
void* operator new(std::size_t size) {
  auto* block = static_cast<std::size_t*>(std::malloc(size + sizeof(std::max_align_t)));
  if (!block) throw std::bad_alloc();
  *block = size;
  liveBytes += static_cast<long long>(size);
  return reinterpret_cast<char*>(block) + sizeof(std::max_align_t);
}
void operator delete(void* pointer) noexcept {
  if (!pointer) return;
  auto* block = reinterpret_cast<std::size_t*>(static_cast<char*>(pointer) - sizeof(std::max_align_t));
  liveBytes -= static_cast<long long>(*block);
  std::free(block);
}
void operator delete(void* pointer, std::size_t) noexcept { operator delete(pointer); }

namespace {

// Heap taken by the first load, when the lists are still empty.
long long catalogHeapBytes() {
  static const long long bytes = [] {
    const long long before = liveBytes.load();
    catalog::loadCatalog();
    return liveBytes.load() - before;
  }();
  return bytes;
}

void BM_LoadCatalog(benchmark::State& state) {
  const long long heap = catalogHeapBytes();
  for (auto _ : state) {
    catalog::loadCatalog();
    benchmark::DoNotOptimize(catalog::condenserList630().data());
  }
  state.counters["catalog_heap_MB"] = static_cast<double>(heap) / (1024.0 * 1024.0);
}
BENCHMARK(BM_LoadCatalog)->Unit(benchmark::kMillisecond);

void BM_CopyCondenserList(benchmark::State& state) {
  catalog::loadCatalog();
  for (auto _ : state) {
    std::vector<catalog::CondenserRecord> copy = catalog::condenserList630();
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_CopyCondenserList)->Unit(benchmark::kMicrosecond);

}  // namespace
