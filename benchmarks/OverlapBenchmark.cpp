// The engine's stack searches and setting equality on generated maps, each beside a plain pass
// over the same document through the same suites: batch acquisition and creation over a thousand
// and more selected paths must stay within a few times one pass that reads every path's segments.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "benchmarks/MapGenerator.h"
#include "benchmarks/StackBreakage.h"
#include "engine/ArtSet.h"
#include "engine/LayerPathMap.h"
#include "engine/OverlapDetection.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSetting.h"
#include "engine/OverlapSettingStore.h"
#include "engine/SettingEquality.h"
#include "engine/StackCheck.h"
#include "engine/StackRepair.h"
#include "frame/SuiteTables.h"
#include "host/core/Host.h"
#include "host/core/Session.h"
#include "tests/testplugin/InProcessModule.h"

namespace {

constexpr int kLayers = 20;
constexpr int kBatchStacks = 1500;  // every copy of these stacks selected for a batch
constexpr int kCreatePaths = 1000;  // paths selected for creation
constexpr int kBrokenRoads = 1000;  // roads broken for the stack check, one finding each
constexpr std::int32_t kPreviewWidth = 120, kPreviewHeight = 24;  // the panel's

// The host with the test plug-in started in-process, so that the engine reaches real suites;
// every question is answered Yes.
class BenchHost {
 public:
  static BenchHost& Get() {
    static BenchHost instance;
    return instance;
  }
  // Opens a generated map of paths paths, unless it is open already.
  void Open(int paths) {
    if (paths == paths_ && !city_) return;
    city_.reset();
    Replace(bench::GenerateMap(paths, kLayers));
    paths_ = paths;
  }
  // Opens a generated city of paths paths with drafts new roads, or with paths 0 the real road
  // map (no drafts); again when fresh. Null, with the benchmark skipped, when the real map's data
  // was not fetched.
  bench::CityMap* OpenCity(benchmark::State& state, int drafts, bool fresh = false) {
    const int paths = static_cast<int>(state.range(0));
    if (fresh || !city_ || paths != paths_ || drafts != drafts_) {
      std::string whyNot;
      city_ = std::make_unique<bench::CityMap>(paths == 0 ? bench::LoadRealRoadCity(&whyNot)
                                                          : bench::GenerateCityMap(paths, drafts));
      if (!city_->document) {
        city_.reset();
        state.SkipWithError(whyNot.c_str());
        return nullptr;
      }
      Replace(std::move(city_->document));
      paths_ = paths;
      drafts_ = drafts;
    }
    return city_.get();
  }
  // The open city was changed: the next opening makes it anew.
  void Forget() {
    city_.reset();
    paths_ = -1;
  }
  host::Document& Doc() { return *host_.documents().current(); }
  void Select(host::Art& art) { Doc().SetUserAttributes(art, kArtSelected, kArtSelected); }
  // A path of the middle of the map.
  AIArtHandle MiddlePath() {
    ArtSet set;
    AIArtHandle path = nullptr;
    if (set.FillFromLayer(Doc().NthLayer(kLayers / 2)->handle()) != kNoErr ||
        set.Get(static_cast<std::int64_t>(set.Count() / 2), &path) != kNoErr) {
      return nullptr;
    }
    return path;
  }

 private:
  BenchHost() {
    // The plug-in's layer path map, a function's static, is made here so that it outlives this
    // host, whose destructor empties it.
    ClearLayerPathMap();
    session_.RunLine("answer ok ok");
    session_.RunLine("start");
    host_.alerts().SetAnswerer([](host::Alerts::Kind kind, const std::string&) {
      return kind == host::Alerts::Kind::kQuestion ? host::Alerts::Answer::kYes
                                                   : host::Alerts::Answer::kOk;
    });
  }
  ~BenchHost() {
    ClearLayerPathMap();
    host_.alerts().SetAnswerer(nullptr);
    session_.RunLine("shutdown");
  }
  void Replace(std::unique_ptr<host::Document> document) {
    host_.documents().Replace(std::move(document));
    RebuildLayerPathMap();
  }

  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
  int paths_ = 0, drafts_ = 0;
  std::unique_ptr<bench::CityMap> city_;
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
    ForEachPathInStackOrder([&](AIArtHandle member) {
      std::int16_t count = 0;
      if (sAIPath->GetPathSegmentCount(member, &count) == kNoErr) same += count == wanted;
    });
    benchmark::DoNotOptimize(same);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The baseline of the operations below: one plain pass over the document in the walk's order,
// reading every path's segments through the same suites.
void BM_ReadEveryPath(benchmark::State& state) {
  if (!BenchHost::Get().OpenCity(state, kCreatePaths)) return;
  std::vector<AIPathSegment> segments;
  for (auto _ : state) {
    std::int64_t anchors = 0;
    ForEachPathInStackOrder([&](AIArtHandle member) {
      std::int16_t count = 0;
      if (sAIPath->GetPathSegmentCount(member, &count) != kNoErr) return;
      segments.resize(static_cast<std::size_t>(count));
      if (count > 0 && sAIPath->GetPathSegments(member, 0, count, segments.data()) == kNoErr)
        anchors += count;
    });
    benchmark::DoNotOptimize(anchors);
  }
  state.counters["paths"] = static_cast<double>(BenchHost::Get().Doc().ArtCount());
}

// The city's road settings in store, and kBrokenRoads of its roads broken after one check of the
// whole map; answers that check's findings. False, with the benchmark skipped, when the roads
// cannot be broken as planned.
bool BreakCity(benchmark::State& state, bench::CityMap& city, OverlapSettingStore& store,
               StackFindings& before, bench::Breakage& broken) {
  if (!bench::StoreRoadSettings(city, store)) {
    state.SkipWithError("no road settings");
    return false;
  }
  if (FindBrokenStacks(store, {}, before) != kNoErr) {
    state.SkipWithError("the check failed");
    return false;
  }
  broken = bench::BreakRoads(city, store, kBrokenRoads);
  if (broken.Total() != kBrokenRoads) {
    state.SkipWithError("too few roads to break");
    return false;
  }
  return true;
}

// The broken roads, each found as what broke it, on top of what the map had before.
bool FoundAsBroken(const StackFindings& before, const bench::Breakage& broken,
                   const StackFindings& found) {
  return found.missing == before.missing + broken.missing &&
         found.drifted == before.drifted + broken.drifted &&
         found.duplicates == before.duplicates + broken.duplicates &&
         found.wrongLayer == before.wrongLayer + broken.wrongLayer &&
         found.unmatched == before.unmatched;
}

void CountFindings(benchmark::State& state, const StackFindings& findings) {
  state.counters["missing"] = static_cast<double>(findings.missing);
  state.counters["drifted"] = static_cast<double>(findings.drifted);
  state.counters["duplicates"] = static_cast<double>(findings.duplicates);
  state.counters["wrongLayer"] = static_cast<double>(findings.wrongLayer);
}

// The stack check over the whole city, measured against ReadEveryPath.
void BM_CheckStacks(benchmark::State& state) {
  BenchHost& bench = BenchHost::Get();
  bench::CityMap* city = bench.OpenCity(state, kCreatePaths, true);
  if (!city) return;
  OverlapSettingStore store(kPreviewWidth, kPreviewHeight);
  StackFindings before, findings;
  bench::Breakage broken;
  if (BreakCity(state, *city, store, before, broken)) {
    for (auto _ : state) {
      if (FindBrokenStacks(store, {}, findings) != kNoErr) state.SkipWithError("the check failed");
    }
    if (!FoundAsBroken(before, broken, findings)) state.SkipWithError("unexpected findings");
    CountFindings(state, findings);
    state.counters["settings"] = store.BatchCount();
    state.counters["paths"] = static_cast<double>(bench.Doc().ArtCount());
  }
  bench.Forget();
}

// The repair of kBrokenRoads roads. Each iteration breaks a fresh city and checks it; neither is
// timed. The repaired city, checked again, must be as the map was before.
void BM_RepairStacks(benchmark::State& state) {
  BenchHost& bench = BenchHost::Get();
  StackFindings before, findings;
  RepairTally tally;
  for (auto _ : state) {
    state.PauseTiming();
    bench::CityMap* city = bench.OpenCity(state, kCreatePaths, true);
    if (!city) break;
    OverlapSettingStore store(kPreviewWidth, kPreviewHeight);
    bench::Breakage broken;
    if (!BreakCity(state, *city, store, before, broken)) break;
    if (FindBrokenStacks(store, {}, findings) != kNoErr ||
        !FoundAsBroken(before, broken, findings)) {
      state.SkipWithError("unexpected findings");
      break;
    }
    state.ResumeTiming();
    if (MendBrokenStacks(findings, tally) != kNoErr) state.SkipWithError("the repair failed");
    state.PauseTiming();
    StackFindings after;
    if (tally.mended != findings.Mendable() || FindBrokenStacks(store, {}, after) != kNoErr ||
        !FoundAsBroken(before, {}, after)) {
      state.SkipWithError("the repair left broken roads");
    }
    state.ResumeTiming();
  }
  CountFindings(state, findings);
  state.counters["mended"] = static_cast<double>(tally.mended);
  bench.Forget();
}

// Selects every copy of kBatchStacks roads spread over the city, as a district selection would
// select them; answers how many paths that is.
std::int64_t SelectDistrict(BenchHost& bench, const bench::CityMap& city) {
  bench.Doc().DeselectAll();
  const std::size_t every = city.stacks.size() / kBatchStacks;
  std::int64_t selected = 0;
  for (std::size_t i = 0; i < kBatchStacks; ++i) {
    for (host::Art* copy : city.stacks[i * every]) bench.Select(*copy), ++selected;
  }
  return selected;
}

// One batch acquisition (with its previews) over a district per iteration.
void AcquireBatchOver(benchmark::State& state, StackSearch search) {
  BenchHost& bench = BenchHost::Get();
  const bench::CityMap* city = bench.OpenCity(state, kCreatePaths);
  if (!city) return;
  const std::int64_t selected = SelectDistrict(bench, *city);
  OverlapSettingStore store(kPreviewWidth, kPreviewHeight);
  for (auto _ : state) {
    store.ClearBatchList();
    if (AcquireBatch(store, search) != kNoErr) state.SkipWithError("the batch failed");
  }
  state.counters["selected"] = static_cast<double>(selected);
  state.counters["settings"] = store.BatchCount();
  if (store.BatchCount() == 0) state.SkipWithError("the batch found no stack");
  bench.Doc().DeselectAll();
}

void BM_AcquireBatch(benchmark::State& state) {
  AcquireBatchOver(state, StackSearch::kIndexed);
}
void BM_AcquireBatchWalkingPerPath(benchmark::State& state) {
  AcquireBatchOver(state, StackSearch::kWalkPerPath);
}

// Creation from a road's setting (casing and fill) on kCreatePaths selected paths: the city's
// new roads (drafts), or every copy of existing roads, each then asked about and replaced. Each
// iteration starts from a fresh city; making it is not timed.
void CreateOn(benchmark::State& state, bool drafts, StackSearch search) {
  BenchHost& bench = BenchHost::Get();
  OverlapSettingStore store(kPreviewWidth, kPreviewHeight);
  std::int64_t selected = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const bench::CityMap* city = bench.OpenCity(state, kCreatePaths, true);
    if (!city) break;
    // The setting of the first road of two copies or more.
    auto setting = store.NewSetting();
    for (const std::vector<host::Art*>& road : city->stacks) {
      if (road.size() < 2) continue;
      if (setting->FillFromArtList({road[0]->handle(), road[1]->handle()}) != kNoErr)
        state.SkipWithError("no setting");
      break;
    }
    store.MakeCurrent(std::move(setting));
    selected = 0;
    if (drafts) {
      for (host::Art* draft : city->drafts) bench.Select(*draft), ++selected;
    } else {
      const std::size_t every = std::max<std::size_t>(1, city->stacks.size() / kCreatePaths);
      for (std::size_t i = 1; selected < kCreatePaths && i < city->stacks.size(); i += every) {
        for (host::Art* copy : city->stacks[i]) bench.Select(*copy), ++selected;
      }
    }
    state.ResumeTiming();
    if (CreateOverlapLines(store, search) != kNoErr) state.SkipWithError("creation failed");
  }
  state.counters["selected"] = static_cast<double>(selected);
}

void BM_CreateOnNewRoads(benchmark::State& state) {
  CreateOn(state, true, StackSearch::kIndexed);
}
void BM_CreateOnNewRoadsWalkingPerPath(benchmark::State& state) {
  CreateOn(state, true, StackSearch::kWalkPerPath);
}
void BM_CreateOnExistingRoads(benchmark::State& state) {
  CreateOn(state, false, StackSearch::kIndexed);
}
void BM_CreateOnExistingRoadsWalkingPerPath(benchmark::State& state) {
  CreateOn(state, false, StackSearch::kWalkPerPath);
}

// Delete on a district's selection: only the first selected stack is reduced, after one walk.
// Each iteration starts from a fresh city; making it is not timed.
void BM_DeleteOverlaps(benchmark::State& state) {
  BenchHost& bench = BenchHost::Get();
  std::size_t before = 0, after = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const bench::CityMap* city = bench.OpenCity(state, kCreatePaths, true);
    if (!city) break;
    SelectDistrict(bench, *city);
    OverlapSettingStore store(kPreviewWidth, kPreviewHeight);
    before = bench.Doc().ArtCount();
    state.ResumeTiming();
    if (DeleteOverlaps(store, false) != kNoErr) state.SkipWithError("deletion failed");
    after = bench.Doc().ArtCount();
  }
  state.counters["deleted"] = static_cast<double>(before - after);
}

// One setting per road of the map (casing and fill), as a batch capture would make them.
std::vector<OverlapSetting> SettingsOfMap() {
  std::vector<OverlapSetting> settings;
  const host::Document& document = *host::Host::Current().documents().current();
  for (std::int32_t pair = 0; pair + 1 < kLayers; pair += 2) {
    ArtSet fills, casings;
    if (fills.FillFromLayer(document.NthLayer(pair)->handle()) != kNoErr ||
        casings.FillFromLayer(document.NthLayer(pair + 1)->handle()) != kNoErr) {
      continue;
    }
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(fills.Count()); ++i) {
      OverlapSetting setting(kPreviewWidth, kPreviewHeight);
      AIArtHandle casing = nullptr, fill = nullptr;
      if (casings.Get(i, &casing) != kNoErr || fills.Get(i, &fill) != kNoErr) continue;
      for (AIArtHandle path : {casing, fill}) {
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
// The operations over many paths, each beside one plain pass over the same map. Argument: the
// city's size in paths; 0 is the real road map (skipped until scripts/fetch-road-data.sh ran).
BENCHMARK(BM_ReadEveryPath)->Arg(0)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckStacks)->Arg(0)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepairStacks)
    ->Arg(0)
    ->Arg(50000)
    ->Arg(200000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AcquireBatch)->Arg(0)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateOnNewRoads)
    ->Arg(50000)
    ->Arg(200000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateOnExistingRoads)
    ->Arg(0)
    ->Arg(50000)
    ->Arg(200000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteOverlaps)
    ->Arg(0)
    ->Arg(50000)
    ->Arg(200000)
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);
// The former way, one walk of the document per selected path: seconds at 50,000 paths.
BENCHMARK(BM_AcquireBatchWalkingPerPath)->Arg(50000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateOnNewRoadsWalkingPerPath)
    ->Arg(50000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateOnExistingRoadsWalkingPerPath)
    ->Arg(50000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SettingsEqual)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EntryCountLoop)->Arg(10000)->Arg(50000)->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
