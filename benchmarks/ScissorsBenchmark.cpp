// One click of the scissors tool through a stack of 200 paths, and single hit tests, in documents
// of 50,000 and 200,000 paths; the tool runs against the host's suites with the test plug-in
// started in-process.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "benchmarks/MapGenerator.h"
#include "frame/SuiteTables.h"
#include "host/core/Host.h"
#include "host/core/Session.h"
#include "host/document/Colors.h"
#include "tests/testplugin/InProcessModule.h"
#include "tools/MultiScissorsTool.h"

namespace {

constexpr int kLayers = 20;
constexpr int kStack = 200;
constexpr AIReal kStackY = 5000;

// Roads as they are on a map: short polylines, each near its own place, drawn twice (casing and
// fill) in a pair of layers.
std::unique_ptr<host::Document> LocalRoads(int paths, int layerCount, int fewestAnchors,
                                           int mostAnchors) {
  auto document = std::make_unique<host::Document>();
  std::vector<host::Layer*> layers;
  for (int i = 0; i < layerCount; ++i) {
    layers.push_back(&document->NewLayer(nullptr, kPlaceBelow, "道路 " + std::to_string(i)));
  }
  std::mt19937 random(4242);
  std::uniform_real_distribution<AIReal> place(-50000, 50000);
  std::uniform_real_distribution<AIReal> step(-150, 150);
  std::uniform_int_distribution<int> anchors(fewestAnchors, mostAnchors);
  for (int road = 0; road < paths / 2; ++road) {
    host::PathGeometry geometry;
    AIRealPoint at{place(random), place(random)};
    for (int k = anchors(random); k > 0; --k) {
      geometry.segments.push_back(host::CornerAt(at));
      at = {at.h + step(random), at.v + step(random)};
    }
    const int pair = road % (layerCount / 2);
    for (int part = 0; part < 2; ++part) {
      host::Art& path = document->NewArt(
          kPathArt, kPlaceInsideOnTop, layers[static_cast<std::size_t>(2 * pair + part)]->group());
      path.path() = geometry;
      AIStrokeStyle stroke = host::DefaultStroke();
      stroke.width = part == 0 ? 4 : 8;
      path.appearance().paint.push_back(stroke);
    }
  }
  return document;
}

// copies of one long straight road at y = kStackY, spread over the layers, each at a random place
// in its layer's paint order.
void AddStack(host::Document& document, int copies) {
  std::vector<std::vector<host::Art*>> byLayer(static_cast<std::size_t>(document.CountLayers()));
  for (std::int32_t i = 0; i < document.CountLayers(); ++i) {
    document.ForEachArtIn(document.NthLayer(i)->group(), [&](host::Art& art) {
      byLayer[static_cast<std::size_t>(i)].push_back(&art);
    });
  }
  std::mt19937 random(7);
  for (int copy = 0; copy < copies; ++copy) {
    auto& members = byLayer[static_cast<std::size_t>(copy) % byLayer.size()];
    host::Art& reference = *members[random() % members.size()];
    host::Art& path = document.NewArt(kPathArt, kPlaceAbove, reference);
    path.path().segments = {host::CornerAt({1000, kStackY}), host::CornerAt({19000, kStackY})};
  }
}

// Kind 0: local roads; 1: the generator's map of roads zigzagging across the whole map; 2: long
// winding roads of 100 to 300 anchors.
std::unique_ptr<host::Document> MakeMap(int kind, int paths) {
  auto document = kind == 0   ? LocalRoads(paths - kStack, kLayers, 3, 10)
                  : kind == 1 ? bench::GenerateMap(paths - kStack, kLayers)
                              : LocalRoads(paths - kStack, kLayers, 100, 300);
  AddStack(*document, kStack);
  return document;
}

struct Running {
  explicit Running(std::unique_ptr<host::Document> document) {
    host.documents().Replace(std::move(document));
    session.RunLine("answer ok ok");  // the test plug-in's start-up messages
    session.RunLine("start");
  }
  ~Running() { session.RunLine("shutdown"); }

  host::Host host;
  host::Session session{
      host, [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
};

// The host indexes the document for hit tests on the first one; that is not what is measured.
void BuildHitIndex() {
  AIHitRef hit = nullptr;
  const AIRealPoint origin{0, 0};
  sAIHitTest->HitTest(nullptr, &origin, kAllHitRequest, &hit);
  sAIHitTest->Release(hit);
}

// Each click cuts the stack at a new place along it, so every click cuts 200 paths, and whatever
// else of the map lies under the point.
void BM_ScissorsClick(benchmark::State& state) {
  Running running(MakeMap(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  MultiScissorsTool tool(running.host.PluginRef(), nullptr);
  AIEvent event{};
  AIToolMessage message{};
  message.event = &event;
  message.pressure = 1;
  AIReal h = 1500;
  BuildHitIndex();
  const host::Document& document = *running.host.documents().current();
  const std::size_t before = document.ArtCount();
  for (auto _ : state) {
    message.cursor = {h += 37, kStackY};
    if (tool.MouseDown(message) != kNoErr) state.SkipWithError("the click failed");
  }
  state.counters["paths"] = static_cast<double>(before);
  state.counters["cuts"] =
      static_cast<double>(document.ArtCount() - before) / static_cast<double>(state.iterations());
}

// A hit test where the stack lies (front-most copy) and at random places of the map.
void BM_HitTest(benchmark::State& state) {
  Running running(MakeMap(static_cast<int>(state.range(0)), static_cast<int>(state.range(2))));
  std::mt19937 random(11);
  std::uniform_real_distribution<AIReal> place(0, 10000);
  const bool onStack = state.range(1) == 0;
  BuildHitIndex();
  for (auto _ : state) {
    const AIRealPoint point = onStack ? AIRealPoint{place(random) + 1000, kStackY}
                                      : AIRealPoint{place(random), place(random)};
    AIHitRef hit = nullptr;
    sAIHitTest->HitTest(nullptr, &point, kAllHitRequest, &hit);
    benchmark::DoNotOptimize(sAIHitTest->GetHitArt(hit));
    sAIHitTest->Release(hit);
  }
}

// Clicks at random points of a map of long roads wandering across it (casing and fill): each
// click cuts whatever lies under its point. The first hit test builds the index, timed apart;
// the slowest click is kept as a counter.
void BM_LongRoadsClick(benchmark::State& state) {
  Running running(bench::GenerateLongLines(static_cast<int>(state.range(0)),
                                           static_cast<int>(state.range(1)), kLayers));
  const auto made = std::chrono::steady_clock::now();
  BuildHitIndex();
  const auto indexed = std::chrono::steady_clock::now();
  MultiScissorsTool tool(running.host.PluginRef(), nullptr);
  AIEvent event{};
  AIToolMessage message{};
  message.event = &event;
  message.pressure = 1;
  std::mt19937 random(5);
  std::uniform_real_distribution<AIReal> place(-50000, 50000);
  double slowest = 0;
  for (auto _ : state) {
    message.cursor = {place(random), place(random)};
    const auto before = std::chrono::steady_clock::now();
    tool.MouseDown(message);
    slowest = std::max(slowest, std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - before)
                                    .count());
  }
  state.counters["slowest_ms"] = slowest;
  state.counters["index_ms"] = std::chrono::duration<double, std::milli>(indexed - made).count();
}

}  // namespace

// Arguments: the map's kind, then its size (and for hit tests, whether on the stack).
BENCHMARK(BM_ScissorsClick)
    ->ArgsProduct({{0, 1, 2}, {50000, 200000}})
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LongRoadsClick)->Args({20000, 200})->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HitTest)->ArgsProduct({{0, 1, 2}, {0, 1}, {200000}})->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
