// Reading and writing the host's document files at map sizes.
#include <benchmark/benchmark.h>

#include "benchmarks/MapGenerator.h"
#include "host/core/GeoJsonImport.h"
#include "host/document/DocumentJson.h"
#include "host/document/JsonFields.h"

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

// Maps of long roads (arguments: paths, anchors a path): building one as an import does, adding
// each path at the front of its layer, then saving and reading it.
void BM_AddLongLines(benchmark::State& state) {
  const int paths = static_cast<int>(state.range(0)), anchors = static_cast<int>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(bench::GenerateLongLines(paths, anchors, 4));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WriteLongLines(benchmark::State& state) {
  const auto document = bench::GenerateLongLines(static_cast<int>(state.range(0)),
                                                 static_cast<int>(state.range(1)), 4);
  for (auto _ : state) benchmark::DoNotOptimize(host::WriteDocument(*document));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadLongLines(benchmark::State& state) {
  const std::string json = host::WriteDocument(*bench::GenerateLongLines(
      static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 4));
  state.counters["bytes"] = static_cast<double>(json.size());
  for (auto _ : state) benchmark::DoNotOptimize(host::ReadDocument(json));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The real road network: importing it, and saving and reading the map it makes.
void BM_ImportRealRoads(benchmark::State& state) {
  const std::string missing = bench::MissingRealRoadData();
  if (!missing.empty()) return state.SkipWithError(missing.c_str());
  using host::json_fields::ReadFileText;
  const std::string geojson = ReadFileText(bench::RealRoadDataFile());
  const host::RoadStyle style = host::ReadRoadStyle(ReadFileText(bench::RealRoadStyleFile()));
  state.counters["bytes"] = static_cast<double>(geojson.size());
  for (auto _ : state) {
    host::Document document;
    benchmark::DoNotOptimize(host::ImportGeoJson(document, geojson, style));
  }
}

void BM_WriteRealRoads(benchmark::State& state) {
  std::string whyNot;
  const auto document = bench::LoadRealRoadMap(&whyNot);
  if (!document) return state.SkipWithError(whyNot.c_str());
  state.counters["paths"] = static_cast<double>(document->ArtCount());
  for (auto _ : state) benchmark::DoNotOptimize(host::WriteDocument(*document));
}

void BM_ReadRealRoads(benchmark::State& state) {
  std::string whyNot;
  const auto document = bench::LoadRealRoadMap(&whyNot);
  if (!document) return state.SkipWithError(whyNot.c_str());
  const std::string json = host::WriteDocument(*document);
  state.counters["bytes"] = static_cast<double>(json.size());
  for (auto _ : state) benchmark::DoNotOptimize(host::ReadDocument(json));
}

}  // namespace

BENCHMARK(BM_ImportRealRoads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRealRoads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRealRoads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteDocument)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDocument)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
// Long roads: doubling the paths should double the times.
void LongLineSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Args({25000, 40})->Args({50000, 40})->Args({100000, 40})->Args({10000, 1000});
  benchmark->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_AddLongLines)->Apply(LongLineSizes);
BENCHMARK(BM_WriteLongLines)->Apply(LongLineSizes);
BENCHMARK(BM_ReadLongLines)->Apply(LongLineSizes);
BENCHMARK_MAIN();
