#include "tests/random/RandomSession.h"

#include <exception>

#include "engine/Alerts.h"
#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "host/document/DocumentJson.h"
#include "hostapi/AIError.h"
#include "panel/PanelTexts.h"
#include "tests/random/SessionChecks.h"
#include "tests/testplugin/InProcessModule.h"
#include "tools/WidthModifierCommand.h"

namespace random_sessions {
namespace {

using Answer = host::Alerts::Answer;

Step HostCommand(std::string line) {
  Step step;
  step.command = std::move(line);
  return step;
}

Step PanelStep(StepKind kind, bool ctrl = false, int index = 0) {
  Step step;
  step.kind = kind;
  step.ctrl = ctrl;
  step.index = index;
  return step;
}

std::string BatchMessage(std::int32_t count) {
  if (count == 0) return kBatchFoundNothingMessage;
  std::string text = kBatchAcquiredMessage;
  return text.replace(text.find("%d"), 2, std::to_string(count));
}

// The point at the middle of the segment from anchor index to the next.
AIRealPoint MidCurve(const host::PathGeometry& path, std::size_t index) {
  const host::Segment& a = path.segments[index];
  const host::Segment& b = path.segments[(index + 1) % path.segments.size()];
  return {(a.p.h + 3 * a.out.h + 3 * b.in.h + b.p.h) / 8,
          (a.p.v + 3 * a.out.v + 3 * b.in.v + b.p.v) / 8};
}

}  // namespace

RandomSession::RandomSession(std::uint64_t seed)
    : random_(seed),
      answers_(seed ^ 0x9e3779b97f4a7c15u),
      document_(GenerateDocument(random_)),
      session_(
          host_,
          [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
          "FrameTest.aip") {
  session_.RunLine("answer ok ok");  // the test plug-in's start-up messages
  session_.RunLine("start");
  host_.documents().Replace(host::ReadDocument(document_.json));
  RebuildLayerPathMap();
  store_.emplace(120, 24);
  scissors_.emplace(host_.PluginRef(), nullptr);
  host_.alerts().SetAnswerer([this](host::Alerts::Kind kind, const std::string&) {
    const Answer answer = kind != host::Alerts::Kind::kQuestion ? Answer::kOk
                          : answers_.Percent(50)                ? Answer::kYes
                                                                : Answer::kNo;
    if (answering_ != nullptr) answering_->push_back(answer);
    return answer;
  });
}

RandomSession::~RandomSession() {
  if (finished_) return;
  store_.reset();
  scissors_.reset();
  ClearLayerPathMap();
  host_.alerts().SetAnswerer(nullptr);
  if (host_.Loaded()) session_.RunLine("shutdown");
}

std::string RandomSession::Run() {
  const int count = random_.Between(10, 22);
  DocumentSnapshot before = TakeSnapshot(Doc());
  if (std::string problem = CheckSavesAndLoads(Doc(), before.saved); !problem.empty())
    return "the generated document: " + problem;
  for (int i = 0; i < count; ++i) {
    steps_.push_back(NextStep());
    Step& step = steps_.back();
    const std::int32_t historyBefore = store_->HistoryCount();
    const OverlapSetting* currentBefore = store_->Current();
    std::string problem;
    host_.transcript().Line("-- random step " + std::to_string(i + 1) + ": " +
                            ScriptLines(step, true).back());
    try {
      answering_ = &step.answers;
      const AIErr error = Perform(step);
      answering_ = nullptr;
      if (store_->Current() != currentBefore)
        currentFromBatch_ = step.kind == StepKind::kChooseBatch;
      DocumentSnapshot after = TakeSnapshot(Doc());
      problem = error != kNoErr ? "the command answered " + host::FormatCode(error)
                                : CheckStep(step, before, after, historyBefore);
      before = std::move(after);
    } catch (const ai::Error& error) {
      problem = "the host error " + host::FormatCode(error.code()) + " was thrown";
    } catch (const std::exception& error) {
      problem = std::string("an exception: ") + error.what();
    }
    answering_ = nullptr;
    if (!problem.empty()) return "step " + std::to_string(i + 1) + ": " + problem;
  }
  return Finish();
}

std::string RandomSession::CheckStep(const Step& step, const DocumentSnapshot& before,
                                     const DocumentSnapshot& after, std::int32_t historyBefore) {
  if (std::string problem = CheckNothingHeld(host_, &*store_); !problem.empty()) return problem;
  // A text already loaded back equal need not be loaded again.
  if (after.saved != before.saved) {
    if (std::string problem = CheckSavesAndLoads(Doc(), after.saved); !problem.empty())
      return problem;
  }
  if (std::string problem = CheckStore(*store_, historyBefore, currentFromBatch_);
      !problem.empty()) {
    return problem;
  }
  return CheckStepEffects({step, before, after, Doc(), *store_});
}

std::string RandomSession::Finish() {
  finished_ = true;
  store_.reset();
  scissors_.reset();
  ClearLayerPathMap();
  host_.alerts().SetAnswerer(nullptr);
  std::string problem = CheckNothingHeld(host_, nullptr);
  session_.RunLine("shutdown");
  host_.faults().CheckAllFired();
  host_.alerts().CheckAllAnswered();
  if (problem.empty() && host_.transcript().ViolationCount() != 0)
    problem = "a host violation at shut-down (see the transcript)";
  return problem.empty() ? "" : "at the end: " + problem;
}

Step RandomSession::NextStep() {
  const std::size_t roll = random_.Below(100);
  const bool ctrl = random_.Percent(30);
  if (roll < 18) return Selection();
  if (roll < 23) return HostCommand("deselect-all");
  if (roll < 28) return StateChange();
  if (roll < 44) return PanelStep(StepKind::kAcquire, ctrl);
  if (roll < 49) return PanelStep(StepKind::kBatch);
  if (roll < 55 && store_->HistoryCount() > 0) {
    return PanelStep(StepKind::kChooseHistory, false,
                     static_cast<int>(random_.Below(std::size_t(store_->HistoryCount()))));
  }
  if (roll < 59 && store_->BatchCount() > 0) {
    return PanelStep(StepKind::kChooseBatch, false,
                     static_cast<int>(random_.Below(std::size_t(store_->BatchCount()))));
  }
  if (roll < 60 && store_->HistoryCount() > 0) return PanelStep(StepKind::kClearHistory);
  if (roll < 61 && store_->BatchCount() > 0) return PanelStep(StepKind::kClearBatch);
  if (roll < 71) return PanelStep(StepKind::kCreate);
  if (roll < 80) return PanelStep(StepKind::kDelete, ctrl);
  if (roll < 84) return Preferences();
  if (roll < 94) return ScissorsClick();
  if (PathSelected()) return WidthChange();
  return Selection();
}

std::vector<std::string> RandomSession::ArtIds(bool pathsOnly) {
  std::vector<std::string> ids;
  Doc().ForEachArt([&](const host::Art& art) {
    if (!art.IsLayerGroup() && !art.id().empty() && (!pathsOnly || art.type() == kPathArt))
      ids.push_back(art.id());
  });
  return ids;
}

bool RandomSession::PathSelected() {
  bool selected = false;
  Doc().ForEachArt([&](const host::Art& art) {
    selected = selected || (art.type() == kPathArt && (art.ownAttributes() & kArtSelected));
  });
  return selected;
}

Step RandomSession::Selection() {
  const std::vector<std::string> paths = ArtIds(true);
  const std::vector<std::string> all = ArtIds(false);
  if (all.empty()) return HostCommand("deselect-all");
  if (!paths.empty() && random_.Percent(10)) {
    const std::string& id = random_.Pick(paths);
    const std::size_t anchors = Doc().FindArt(id)->path().segments.size();
    return HostCommand("select-anchors " + id + " " + std::to_string(random_.Below(anchors)));
  }
  // Mostly a fresh selection, so that acquire and delete meet other stacks.
  std::string line = random_.Percent(60) ? "deselect-all\nselect" : "select";
  for (int i = random_.Between(1, 3); i > 0; --i)
    line += " " + random_.Pick(!paths.empty() && random_.Percent(70) ? paths : all);
  return HostCommand(line);
}

Step RandomSession::StateChange() {
  if (!document_.swatchIds.empty() && random_.Percent(10)) {
    const std::size_t index = random_.Below(document_.swatchIds.size());
    const std::string id = document_.swatchIds[index];
    document_.swatchIds.erase(document_.swatchIds.begin() + static_cast<long>(index));
    return HostCommand("delete-swatch " + id);
  }
  const char* onOff = random_.Percent(50) ? " on" : " off";
  if (random_.Percent(50)) {
    std::vector<std::string> layers;
    for (host::Layer* layer = Doc().FirstLayer(); layer != nullptr;
         layer = Doc().NextPreorderLayer(*layer)) {
      layers.push_back(layer->id());
    }
    return HostCommand("layer " + random_.Pick(layers) +
                       (random_.Percent(50) ? " visible" : " editable") + onOff);
  }
  const std::vector<std::string> all = ArtIds(false);
  if (all.empty()) return HostCommand("deselect-all");
  return HostCommand("set " + random_.Pick(all) + (random_.Percent(60) ? " locked" : " hidden") +
                     onOff);
}

Step RandomSession::Preferences() {
  Step step = PanelStep(StepKind::kPreferences);
  step.formerPreferences = {store_->MaxRecent(), store_->ProcessSinglePath(),
                            store_->ReserveTopmostPath()};
  const int maxRecent = random_.Percent(10)   ? random_.Between(-2, 0)
                        : random_.Percent(25) ? random_.Between(1, 3)
                                              : random_.Between(0, 12);
  step.preferences = {maxRecent, random_.Percent(50) ? 1 : 0, random_.Percent(50) ? 1 : 0};
  return step;
}

Step RandomSession::ScissorsClick() {
  Step step = PanelStep(StepKind::kScissors);
  const std::vector<std::string> paths = ArtIds(true);
  const std::size_t roll = random_.Below(100);
  if (paths.empty() || roll < 20) {
    step.h = 10.0 * random_.Between(0, 60);
    step.v = 10.0 * random_.Between(0, 60);
    return step;
  }
  const host::PathGeometry& path = Doc().FindArt(random_.Pick(paths))->path();
  const std::size_t index = random_.Below(path.segments.size());
  AIRealPoint point = path.segments[index].p;
  if (roll >= 60 && (path.closed || index + 1 < path.segments.size()))
    point = MidCurve(path, index);
  step.h = point.h;
  step.v = point.v;
  return step;
}

Step RandomSession::WidthChange() {
  Step step = PanelStep(StepKind::kWidth);
  if (random_.Percent(60)) {
    step.width.type = kAddWidth;
    step.width.addingWidth = random_.Between(-12, 20) / 4.0;
  } else {
    step.width.type = kScaleWidth;
    step.width.scale = random_.Between(0, 200);
  }
  return step;
}

AIErr RandomSession::Perform(const Step& step) {
  OverlapSettingStore& store = *store_;
  AIErr error = kNoErr;
  switch (step.kind) {
    case StepKind::kAcquire:
      error = AcquireSetting(store, step.ctrl);
      break;
    case StepKind::kBatch:
      // As the panel does: a fresh list, then how many settings it found.
      store.ClearBatchList();
      error = AcquireBatch(store);
      ShowMessageAlert(BatchMessage(store.BatchCount()).c_str());
      break;
    case StepKind::kChooseHistory:
      store.SelectHistoryItem(step.index);
      break;
    case StepKind::kChooseBatch:
      store.SelectBatchItem(step.index);
      break;
    case StepKind::kClearHistory:
      store.ClearHistory();
      break;
    case StepKind::kClearBatch:
      if (AskYesNo(kClearBatchQuestion)) store.ClearBatchList();
      break;
    case StepKind::kCreate:
      error = CreateOverlapLines(store);
      break;
    case StepKind::kDelete:
      error = DeleteOverlaps(store, step.ctrl);
      break;
    case StepKind::kPreferences:
      store.SetMaxRecent(step.preferences.maxRecent);
      store.SetProcessSinglePath(step.preferences.processSinglePath);
      store.SetReserveTopmostPath(step.preferences.reserveTopmost);
      break;
    case StepKind::kScissors: {
      AIEvent event{};
      AIToolMessage message{};
      message.cursor = {step.h, step.v};
      message.pressure = 1;
      message.event = &event;
      error = scissors_->MouseDown(message);
      break;
    }
    case StepKind::kWidth:
      // The dialog confirmed with the chosen mode and the value typed for it.
      error = RunWidthModifierCommand([&step](WidthModifierSettings& settings) -> ASErr {
        settings.type = step.width.type;
        if (step.width.type == kAddWidth) {
          settings.addingWidth = step.width.addingWidth;
        } else {
          settings.scale = step.width.scale;
        }
        return kNoErr;
      });
      break;
    case StepKind::kHostCommand:
      for (const std::string& line : HostLines(step)) session_.RunLine(line);
      break;
  }
  return error;
}

}  // namespace random_sessions
