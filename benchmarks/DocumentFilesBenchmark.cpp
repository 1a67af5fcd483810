// Reading and writing the host's document files at map sizes.
#include <benchmark/benchmark.h>

#include "benchmarks/MapGenerator.h"
#include "host/document/DocumentJson.h"

namespace {

void BM_WriteDocument(benchmark::State& state) {
  const auto document = bench::GenerateMap(static_cast<int>(state.range(0)), 20);
  for (auto _ : state) benchmark::DoNotOptimize(host::WriteDocument(*document));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadDocument(benchmark::State& state) {
  const std::string json =
      host::WriteDocument(*bench::GenerateMap(static_cast<int>(state.range(0)), 20));
  state.counters["bytes"] = static_cast<double>(json.size());
  for (auto _ : state) benchmark::DoNotOptimize(host::ReadDocument(json));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_WriteDocument)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
