// The overlap walk and setting equality on generated maps, each beside a plain loop over the
// same document that only compares segment counts (or entry counts), through the same suites.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "benchmarks/MapGenerator.h"
#include "engine/ArtSet.h"
#include "engine/LayerPathMap.h"
#include "engine/OverlapDetection.h"
#include "engine/OverlapSetting.h"
#include "engine/SettingEquality.h"
#include "frame/SuiteTables.h"
#include "host/core/Host.h"
#include "host/core/Session.h"
#include "tests/testplugin/InProcessModule.h"

namespace {

constexpr int kLayers = 20;

// The host with the test plug-in started in-process, so that the engine reaches real suites.
class BenchHost {
 public:
  static BenchHost& Get() {
    static BenchHost instance;
    return instance;
  }
  // Opens a generated map of paths paths, unless it is open already.
  void Open(int paths) {
    if (paths == paths_) return;
    host_.documents().Replace(bench::GenerateMap(paths, kLayers));
    paths_ = paths;
  }
  // A path of the middle of the map.
  AIArtHandle MiddlePath() {
    ArtSet set;
    set.FillFromLayer(host_.documents().current()->NthLayer(kLayers / 2)->handle());
    return set.Get(static_cast<std::int64_t>(set.Count() / 2));
  }

 private:
  BenchHost() {
    session_.RunLine("answer ok ok");
    session_.RunLine("start");
  }

  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
  int paths_ = 0;
};

void BM_CollectOverlaps(benchmark::State& state) {
  BenchHost::Get().Open(static_cast<int>(state.range(0)));
  const AIArtHandle path = BenchHost::Get().MiddlePath();
  ArtList overlaps;
  for (auto _ : state) {
    CollectOverlapsQuietly(path, overlaps);
    benchmark::DoNotOptimize(overlaps.data());
  }
  if (overlaps.size() != 2) state.SkipWithError("the road should have two copies");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same walk over layers and art sets, comparing only segment counts.
void BM_SegmentCountLoop(benchmark::State& state) {
  BenchHost::Get().Open(static_cast<int>(state.range(0)));
  const AIArtHandle path = BenchHost::Get().MiddlePath();
  std::int16_t wanted = 0;
  sAIPath->GetPathSegmentCount(path, &wanted);
  for (auto _ : state) {
    std::int64_t same = 0;
    std::int32_t layers = 0;
    sAILayer->CountLayers(&layers);
    ArtSet members;
    for (std::int32_t i = layers - 1; i >= 0; --i) {
      AILayerHandle layer = nullptr;
      sAILayer->GetNthLayer(i, &layer);
      members.FillFromLayer(layer);
      for (auto k = static_cast<std::int64_t>(members.Count()) - 1; k >= 0; --k) {
        std::int16_t count = 0;
        sAIPath->GetPathSegmentCount(members.Get(k), &count);
        same += count == wanted;
      }
    }
    benchmark::DoNotOptimize(same);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One setting per road of the map (casing and fill), as a batch capture would make them.
std::vector<OverlapSetting> SettingsOfMap() {
  std::vector<OverlapSetting> settings;
  const host::Document& document = *host::Host::Current().documents().current();
  for (std::int32_t pair = 0; pair + 1 < kLayers; pair += 2) {
    ArtSet fills, casings;
    fills.FillFromLayer(document.NthLayer(pair)->handle());
    casings.FillFromLayer(document.NthLayer(pair + 1)->handle());
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(fills.Count()); ++i) {
      OverlapSetting setting(120, 24);
      for (AIArtHandle path : {casings.Get(i), fills.Get(i)}) {
        AILayerHandle layer = nullptr;
        sAIArt->GetLayerOfArt(path, &layer);
        StrokeLayerEntry entry{ai::UnicodeString(), AIPathStyle{}};
        LayerPathOf(layer, entry.layerPath);
        sAIPathStyle->GetPathStyle(path, &entry.style, nullptr);
        setting.AppendEntry(std::move(entry));
      }
      settings.push_back(std::move(setting));
    }
  }
  return settings;
}

// Compares one setting with every setting of the map, as the batch list is searched.
void BM_SettingsEqual(benchmark::State& state) {
  BenchHost::Get().Open(static_cast<int>(state.range(0)));
  const std::vector<OverlapSetting> settings = SettingsOfMap();
  const OverlapSetting& probe = settings.back();
  for (auto _ : state) {
    std::int64_t equal = 0;
    for (const OverlapSetting& setting : settings) equal += SettingsEqual(probe, setting);
    benchmark::DoNotOptimize(equal);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(settings.size()));
}

void BM_EntryCountLoop(benchmark::State& state) {
  BenchHost::Get().Open(static_cast<int>(state.range(0)));
  const std::vector<OverlapSetting> settings = SettingsOfMap();
  const OverlapSetting& probe = settings.back();
  for (auto _ : state) {
    std::int64_t equal = 0;
    for (const OverlapSetting& setting : settings) equal += setting.Count() == probe.Count();
    benchmark::DoNotOptimize(equal);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(settings.size()));
}

}  // namespace

BENCHMARK(BM_CollectOverlaps)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SegmentCountLoop)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettingsEqual)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EntryCountLoop)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
