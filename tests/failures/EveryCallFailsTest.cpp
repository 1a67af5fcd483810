// Each operation on a fixed document, once to record the host calls it makes, then once for
// every call with that call failing: the operation must answer an error or stop with a message,
// change the document no further than a failure part-way allows, hold nothing afterwards, and
// survive.
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "engine/StackCheck.h"
#include "engine/StackCheckCommands.h"
#include "engine/StackRepair.h"
#include "panel/HostCallGuard.h"
#include "tests/engine/EngineFixture.h"
#include "tests/operations/OperationMaps.h"
#include "tools/MultiScissorsTool.h"
#include "tools/StrokeWidthChange.h"

namespace {

// How far a failure may leave the document changed: not at all or completely, or layer by
// layer (a click's cuts already made remain; copies already deleted stay deleted).
enum class PartWay { kNothing, kLayerByLayer };

struct Operation {
  const char* name;
  const char* document;
  const char* setup;  // session lines
  PartWay partWay;
  std::function<AIErr(EngineHost&, OverlapSettingStore&)> run;
  // Before the calls are counted: makes the current setting, say.
  std::function<void(EngineHost&, OverlapSettingStore&)> prepare = [](EngineHost&,
                                                                      OverlapSettingStore&) {};
  // A batch passes over a stack it cannot read and goes on with the others.
  bool passesOverWhatItCannotRead = false;
  // The function that shows again what the operation hid for a moment: when the host refuses,
  // the art stays hidden whatever the plug-in does, so hiding is not compared then.
  const char* showsAgain = "";
};

// Functions that give something back to the host: when one fails the object stays with the
// host, whatever the plug-in does, so only surviving is asked of the plug-in then. Disposing of
// art is one too: the preview's passing paths stay in the document if the host refuses.
bool IsRelease(const std::string& function) {
  for (const char* name :
       {"Dispose", "DisposeArtSet", "DisposeParser", "DisposeBlock", "Release", "PopAppContext",
        "ReleasePlugin", "Destroy", "FlyoutMenu.Destroy", "DisposeArt"}) {
    if (function == name) return true;
  }
  return false;
}

// Each layer as text, without selections and the made-up ids of art: a failure may leave the
// selection changed, and pieces made in another order get other ids. Some comparisons also
// leave out further keys: "hidden", or every lock and visibility state.
using Keys = std::vector<const char*>;
const Keys kHiding = {"hidden"};
const Keys kStates = {"hidden", "locked", "visible", "editable"};

void Strip(nlohmann::json& node, const Keys& keys) {
  if (node.is_object()) {
    node.erase("selected");
    for (const char* key : keys) node.erase(key);
    if (node.contains("type")) node.erase("id");
  }
  if (node.is_structured())
    for (auto& child : node) Strip(child, keys);
}
std::vector<std::string> LayerStates(host::Host& host, const Keys& keys = {}) {
  nlohmann::json json = nlohmann::json::parse(host::WriteDocument(*host.documents().current()));
  std::vector<std::string> layers;
  for (nlohmann::json& layer : json["layers"]) {
    Strip(layer, keys);
    layers.push_back(layer.dump());
  }
  return layers;
}

struct Outcome {
  AIErr result = kNoErr;
  bool stoppedWithMessage = false;                   // an alert came after the failure
  std::vector<std::string> before, after;            // the layers
  std::vector<std::string> beforeShown, afterShown;  // the same, hiding left out
  std::vector<std::string> beforeMade, afterMade;    // the same, every state left out
  std::string storeBefore, storeAfter;
  std::vector<std::string> batch;
  std::string failed;  // the function that failed
  std::string transcript;
};

std::string Describe(const OverlapSetting* setting) {
  if (setting == nullptr) return "none";
  std::string text;
  for (std::int32_t i = 0; i < setting->Count(); ++i) {
    AIPathStyle style{};
    setting->StyleOfEntry(i, style);
    text += setting->LeafLayerName(i).as_UTF8() + " " + std::to_string(style.stroke.width) + ";";
  }
  return text;
}
std::string Describe(const OverlapSettingStore& store) {
  std::string text = "current " + Describe(store.Current()) + " history";
  for (std::int32_t i = 0; i < store.HistoryCount(); ++i)
    text += " [" + Describe(store.HistoryItem(i)) + "]";
  text += " batch";
  for (std::int32_t i = 0; i < store.BatchCount(); ++i)
    text += " [" + Describe(store.BatchItem(i)) + "]";
  return text;
}

class NoCursors : public ScissorsCursorSet {
 public:
  void Show(ScissorsCursor) override {}
};

// One run on a fresh host; failingCall 0 records the calls instead.
Outcome RunOnce(const Operation& operation, long failingCall, std::vector<std::string>* calls,
                bool checkHeld = true) {
  Outcome outcome;
  EngineHost env;
  host::Host& host = env.host;
  host.alerts().SetAnswerer([](host::Alerts::Kind kind, const std::string&) {
    return kind == host::Alerts::Kind::kQuestion ? host::Alerts::Answer::kYes
                                                 : host::Alerts::Answer::kOk;
  });
  host.documents().Replace(host::ReadDocument(operation.document));
  EXPECT_EQ(RebuildLayerPathMap(), kNoErr);
  {
    OverlapSettingStore store(120, 24);
    for (std::string_view lines = operation.setup; !lines.empty();) {
      const std::size_t end = std::min(lines.find('\n'), lines.size());
      env.session.RunLine(std::string(lines.substr(0, end)));
      lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    operation.prepare(env, store);
    outcome.before = LayerStates(host);
    outcome.beforeShown = LayerStates(host, kHiding);
    outcome.beforeMade = LayerStates(host, kStates);
    outcome.storeBefore = Describe(store);
    const std::size_t mark = host.transcript().Lines().size();
    host.faults().Record(failingCall == 0);
    if (failingCall > 0) host.faults().ArmCall(failingCall, FourCharCode("FAIL"));
    // As the panel and the tool calls them: a host error thrown is the operation's answer.
    outcome.result = GuardedCall([&] { return operation.run(env, store); });
    if (calls != nullptr) *calls = host.faults().Recorded();
    host.faults().CheckAllFired();  // a failure the run never reached is the test's mistake
    const auto& lines = host.transcript().Lines();
    bool failed = false;
    for (std::size_t i = mark; i < lines.size(); ++i) {
      if (lines[i].starts_with("fault: ")) {
        failed = true;
        outcome.failed = lines[i].substr(7, lines[i].find(" -> ") - 7);
      }
      if (failed && lines[i].starts_with("alert ")) outcome.stoppedWithMessage = true;
    }
    outcome.after = LayerStates(host);
    outcome.afterShown = LayerStates(host, kHiding);
    outcome.afterMade = LayerStates(host, kStates);
    outcome.storeAfter = Describe(store);
    for (std::int32_t i = 0; i < store.BatchCount(); ++i)
      outcome.batch.push_back(Describe(store.BatchItem(i)));
  }
  ClearLayerPathMap();
  if (checkHeld) {
    EXPECT_EQ(host.strings().LiveCount(), 0u) << "strings held";
    EXPECT_EQ(host.blocks().LiveCount(), 0u) << "blocks held";
    EXPECT_EQ(host.documents().artSets.Count(), 0u) << "art sets held";
    EXPECT_EQ(host.documents().LiveRasterCount(), 0u) << "raster art left";
    EXPECT_EQ(host.contexts().Depth(), 0) << "contexts open";
  }
  env.session.RunLine("shutdown");
  outcome.transcript = host.transcript().Text();
  return outcome;
}

bool SameLayerByLayer(const std::vector<std::string>& before, const std::vector<std::string>& after,
                      const std::vector<std::string>& clean) {
  if (after.size() != clean.size() || after.size() != before.size()) return false;
  for (std::size_t i = 0; i < after.size(); ++i)
    if (after[i] != before[i] && after[i] != clean[i]) return false;
  return true;
}

void FailEveryCall(const Operation& operation) {
  std::vector<std::string> calls;
  const Outcome clean = RunOnce(operation, 0, &calls);
  ASSERT_EQ(clean.result, kNoErr) << clean.transcript;
  ASSERT_TRUE(clean.before != clean.after || clean.storeBefore != clean.storeAfter)
      << operation.name << " changed nothing that a failure could leave part-way";
  ASSERT_FALSE(calls.empty());
  for (long k = 1; k <= static_cast<long>(calls.size()); ++k) {
    const std::string& function = calls[static_cast<std::size_t>(k) - 1];
    SCOPED_TRACE(std::string(operation.name) + ": call " + std::to_string(k) + " of " +
                 std::to_string(calls.size()) + ", " + function);
    if (IsRelease(function)) {
      RunOnce(operation, k, nullptr, false);  // survives; what the host kept is the host's
      continue;
    }
    const Outcome run = RunOnce(operation, k, nullptr);
    ASSERT_EQ(run.failed, function) << run.transcript;
    EXPECT_EQ(run.transcript.find("!! violation"), std::string::npos) << run.transcript;
    if (operation.passesOverWhatItCannotRead) {
      EXPECT_EQ(run.after, run.before);
      // A stack passed over may let in a later one it would have stood for.
      EXPECT_LE(run.batch.size(), clean.batch.size())
          << run.storeAfter << "\nwithout the failure: " << clean.storeAfter;
      continue;
    }
    if (run.result == kNoErr && !run.stoppedWithMessage) {
      // Going on is right only where the failure changed nothing the user can see.
      EXPECT_EQ(run.after, clean.after) << "a failure neither reported nor harmless\n"
                                        << run.transcript;
      EXPECT_EQ(run.storeAfter, clean.storeAfter) << run.transcript;
      continue;
    }
    // The settings change all at once or not at all.
    EXPECT_TRUE(run.storeAfter == run.storeBefore || run.storeAfter == clean.storeAfter)
        << run.storeAfter << "\n"
        << run.transcript;
    if (operation.partWay == PartWay::kNothing) {
      // Layers the user agreed to unlock stay unlocked; nothing else may be half made.
      EXPECT_TRUE(run.afterMade == run.beforeMade || run.afterMade == clean.afterMade)
          << "left part-way\n"
          << run.transcript;
    } else {
      const bool shown = function == operation.showsAgain;
      EXPECT_TRUE(shown ? SameLayerByLayer(run.beforeShown, run.afterShown, clean.afterShown)
                        : SameLayerByLayer(run.before, run.after, clean.after))
          << "a layer left part-way\n"
          << run.transcript;
    }
  }
}

AIErr Click(AIReal h, AIReal v, EngineHost& env) {
  MultiScissorsTool tool{env.host.PluginRef(), std::make_unique<NoCursors>()};
  AIEvent event{};
  AIToolMessage message{};
  message.cursor = {h, v};
  message.pressure = 1;
  message.event = &event;
  return tool.MouseDown(message);
}

// The road r1 as the current setting, then the plain path q selected in its place.
void AcquireRoadThenSelectQ(EngineHost& env, OverlapSettingStore& store) {
  ASSERT_EQ(AcquireSetting(store, false), kNoErr);
  env.session.RunLine("layer casing editable off");
  env.session.RunLine("deselect-all");
  env.session.RunLine("select q");
}

const Operation kOperations[] = {
    {"acquire", kThreeCopies, "layer mid editable off\nselect front", PartWay::kLayerByLayer,
     [](EngineHost&, OverlapSettingStore& store) { return AcquireSetting(store, false); }},
    {"acquire with Ctrl", kRoads, "select q\nselect r2-fill", PartWay::kNothing,
     [](EngineHost&, OverlapSettingStore& store) { return AcquireSetting(store, true); }},
    {"batch", kRoads, "select r1-fill r2-casing r3-fill q", PartWay::kNothing,
     [](EngineHost&, OverlapSettingStore& store) { return AcquireBatch(store); },
     [](EngineHost&, OverlapSettingStore&) {}, true},
    {"create", kRoads, "select r1-casing", PartWay::kNothing,
     [](EngineHost&, OverlapSettingStore& store) { return CreateOverlapLines(store); },
     AcquireRoadThenSelectQ},
    {"delete", kThreeCopies, "layer bottom editable off\nselect front", PartWay::kLayerByLayer,
     [](EngineHost&, OverlapSettingStore& store) { return DeleteOverlaps(store, false); }},
    {"delete with Ctrl", kThreeCopies, "select middle", PartWay::kLayerByLayer,
     [](EngineHost&, OverlapSettingStore& store) { return DeleteOverlaps(store, true); }},
    {"click", kThreeCopies, "layer top editable off", PartWay::kLayerByLayer,
     [](EngineHost& env, OverlapSettingStore&) { return Click(50, 0, env); },
     [](EngineHost&, OverlapSettingStore&) {}, false, "SetArtUserAttr"},
    {"width", kRoads, "select r1-fill r2-casing q", PartWay::kLayerByLayer,
     [](EngineHost&, OverlapSettingStore&) {
       return ChangeSelectedStrokeWidths({kAddWidth, 1, 0});
     }},
};

class EveryCallFails : public ::testing::TestWithParam<Operation> {};

TEST_P(EveryCallFails, AnswersOrStopsAndLeavesNothingHalfDone) {
  FailEveryCall(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Operations, EveryCallFails, ::testing::ValuesIn(kOperations),
                         [](const ::testing::TestParamInfo<Operation>& param) {
                           std::string name = param.param.name;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

// The whole road a of the broken roads as the current setting.
void CaptureRoadA(EngineHost& env, OverlapSettingStore& store) {
  host::Document& document = *env.host.documents().current();
  auto setting = store.NewSetting();
  ASSERT_EQ(setting->FillEntriesFromArtList(
                {document.FindArt("a-casing")->handle(), document.FindArt("a-fill")->handle()}),
            kNoErr);
  store.MakeCurrent(std::move(setting));
}

Operation StackOperation(const char* name, std::function<AIErr(OverlapSettingStore&)> run) {
  return {name,
          kBrokenRoads,
          "",
          PartWay::kNothing,
          [run](EngineHost&, OverlapSettingStore& store) { return run(store); },
          CaptureRoadA};
}

// Runs operation once per call it makes, with that call failing; judge compares each run with
// the run without a failure. A release that fails is only to be survived.
void FailEachCall(const Operation& operation,
                  const std::function<void(const Outcome&, const Outcome&)>& judge) {
  std::vector<std::string> calls;
  const Outcome clean = RunOnce(operation, 0, &calls);
  ASSERT_EQ(clean.result, kNoErr) << clean.transcript;
  for (long k = 1; k <= static_cast<long>(calls.size()); ++k) {
    const std::string& function = calls[static_cast<std::size_t>(k) - 1];
    SCOPED_TRACE(std::string(operation.name) + ": call " + std::to_string(k) + " of " +
                 std::to_string(calls.size()) + ", " + function);
    if (IsRelease(function)) {
      RunOnce(operation, k, nullptr, false);
      continue;
    }
    const Outcome run = RunOnce(operation, k, nullptr);
    ASSERT_EQ(run.failed, function) << run.transcript;
    EXPECT_EQ(run.transcript.find("!! violation"), std::string::npos) << run.transcript;
    // A failure the operation answers is told to the user, unless it was the telling that
    // failed, once the work was done.
    if (run.result != kNoErr && run.after != clean.after) {
      EXPECT_TRUE(run.stoppedWithMessage) << run.transcript;
    }
    judge(clean, run);
  }
}

TEST(EveryCallFailsInTheStackCheck, LeavesTheDocumentAsItWas) {
  const Operation check = StackOperation("check", [](OverlapSettingStore& store) {
    StackCheckMemory memory;
    return CheckOverlapLines(store, memory);
  });
  FailEachCall(check, [](const Outcome&, const Outcome& run) {
    EXPECT_EQ(run.after, run.before) << run.transcript;  // the selection may have changed
  });
}

TEST(EveryCallFailsInTheStackRepair, LeavesEveryStackAsItWasOrMended) {
  // The document after the first i stacks were mended, for every i.
  std::vector<std::vector<std::string>> mended;
  for (std::size_t i = 0;; ++i) {
    bool more = false;
    const Operation firstStacks =
        StackOperation("first stacks", [i, &more](OverlapSettingStore& store) {
          StackFindings findings;
          if (AIErr error = FindBrokenStacks(store, {}, findings); error != kNoErr) return error;
          more = findings.stacks.size() > i;
          findings.stacks.resize(std::min(i, findings.stacks.size()));
          RepairTally tally;
          return MendBrokenStacks(findings, tally);
        });
    mended.push_back(RunOnce(firstStacks, 0, nullptr).afterMade);
    if (!more) break;
  }
  ASSERT_EQ(mended.size(), 5u);  // four broken stacks

  const Operation repair = StackOperation("repair", [](OverlapSettingStore& store) {
    StackCheckMemory memory;
    return RepairOverlapLines(store, memory);
  });
  FailEachCall(repair, [&](const Outcome& clean, const Outcome& run) {
    EXPECT_EQ(clean.afterMade, mended.back());
    EXPECT_NE(std::find(mended.begin(), mended.end(), run.afterMade), mended.end())
        << "a stack left half mended\n"
        << run.transcript;
  });
}

}  // namespace
