#include "tests/random/SessionChecks.h"

#include <algorithm>
#include <set>

#include "engine/LayerPathMap.h"
#include "engine/SettingEquality.h"
#include "host/document/DocumentEquality.h"
#include "host/document/DocumentJson.h"

namespace random_sessions {
namespace {

constexpr AIArtUserAttr kLockedOrHidden = kArtLocked | kArtHidden;

std::string Id(const DocumentSnapshot& snapshot, const host::Document& document, AIArtHandle art) {
  const host::Art* found = document.FindArt(art);
  if (found != nullptr) return found->id();
  return snapshot.art.count(art) != 0 ? "a removed art object" : "an unknown art object";
}

std::size_t SettingStrings(const OverlapSetting* setting) {
  return setting != nullptr ? static_cast<std::size_t>(setting->Count()) : 0;
}

std::string Counted(const char* what, std::size_t count) {
  return count == 0 ? "" : std::to_string(count) + " " + what + " held";
}

bool SameStroke(const AIStrokeStyle& a, const AIStrokeStyle& b) {
  if (!ColorsEqual(a.color, b.color) || a.overprint != b.overprint || a.width != b.width ||
      a.cap != b.cap || a.join != b.join || a.miterLimit != b.miterLimit ||
      a.dash.length != b.dash.length) {
    return false;
  }
  return std::equal(a.dash.array, a.dash.array + std::max<std::int16_t>(a.dash.length, 0),
                    b.dash.array);
}

// The painted fields of the two styles are the same.
bool SameStyle(const AIPathStyle& a, const AIPathStyle& b) {
  if ((a.fillPaint != 0) != (b.fillPaint != 0) || (a.strokePaint != 0) != (b.strokePaint != 0))
    return false;
  if (a.fillPaint &&
      (!ColorsEqual(a.fill.color, b.fill.color) || a.fill.overprint != b.fill.overprint)) {
    return false;
  }
  return !a.strokePaint || SameStroke(a.stroke, b.stroke);
}

bool HasYes(const Step& step) {
  return std::count(step.answers.begin(), step.answers.end(), host::Alerts::Answer::kYes) > 0;
}

bool Selected(const ArtState& state) {
  return (state.own & kArtSelected) != 0;
}

std::vector<AIArtHandle> Removed(const StepEffects& e) {
  std::vector<AIArtHandle> removed;
  for (const auto& [art, state] : e.before.art) {
    if (e.after.art.count(art) == 0) removed.push_back(art);
  }
  return removed;
}

std::vector<AIArtHandle> Added(const StepEffects& e) {
  std::vector<AIArtHandle> added;
  for (const auto& [art, state] : e.after.art) {
    if (e.before.art.count(art) == 0) added.push_back(art);
  }
  return added;
}

// Create removes the selected paths it replaces; delete removes copies of a selected path.
bool MayRemove(const StepEffects& e, const ArtState& removed) {
  if (e.step.kind == StepKind::kHostCommand) return false;
  if (removed.type != kPathArt) return false;
  if (e.step.kind == StepKind::kCreate) return Selected(removed);
  if (e.step.kind != StepKind::kDelete) return false;
  return std::any_of(e.before.art.begin(), e.before.art.end(), [&](const auto& entry) {
    return entry.second.path && Selected(entry.second) &&
           host::PathsEqual(*entry.second.path, *removed.path);
  });
}

std::string CheckLocksKept(const StepEffects& e) {
  for (const auto& [layer, state] : e.before.layers) {
    const auto found = e.after.layers.find(layer);
    if (found != e.after.layers.end() && !(found->second == state))
      return "a layer was unlocked or shown without a Yes";
  }
  for (const auto& [art, state] : e.before.art) {
    const auto found = e.after.art.find(art);
    if (found != e.after.art.end() &&
        (found->second.own & kLockedOrHidden) != (state.own & kLockedOrHidden)) {
      return Id(e.before, e.document, art) + " was unlocked, shown, locked or hidden without a Yes";
    }
  }
  return "";
}

bool ReadOnlyStep(StepKind kind) {
  return kind == StepKind::kAcquire || kind == StepKind::kBatch ||
         kind == StepKind::kChooseHistory || kind == StepKind::kChooseBatch ||
         kind == StepKind::kClearHistory || kind == StepKind::kClearBatch ||
         kind == StepKind::kPreferences;
}

// Every replaced path has one copy per entry of the current setting, with its geometry, in the
// entry's layer and with the entry's style; nothing else was made.
std::string CheckCopies(const StepEffects& e) {
  std::vector<AIArtHandle> added = Added(e);
  const OverlapSetting* setting = e.store.Current();
  for (AIArtHandle source : Removed(e)) {
    const ArtState& replaced = e.before.art.at(source);
    for (std::int32_t entry = 0; setting != nullptr && entry < setting->Count(); ++entry) {
      AIPathStyle style{};
      setting->StyleOfEntry(entry, style);
      const auto copy = std::find_if(added.begin(), added.end(), [&](AIArtHandle art) {
        const ArtState& made = e.after.art.at(art);
        return made.path && host::PathsEqual(*made.path, *replaced.path) && !made.layers.empty() &&
               made.layers.front() == setting->LayerOfEntry(entry) &&
               SameStyle(e.document.PathStyle(*e.document.FindArt(art)), style);
      });
      if (copy == added.end()) {
        return "no copy of a replaced path for entry " + std::to_string(entry) +
               " (its geometry, the entry's layer and style)";
      }
      added.erase(copy);
    }
  }
  if (!added.empty()) return Id(e.after, e.document, added.front()) + " was made beyond the copies";
  return "";
}

// A removed copy that the user could not change before was unlocked and shown first.
std::string CheckRemovedCopiesWereFreed(const StepEffects& e) {
  for (AIArtHandle art : Removed(e)) {
    const ArtState& state = e.before.art.at(art);
    if (state.usable) continue;
    if (!HasYes(e.step)) return "a locked or hidden copy was deleted though every answer was No";
    for (AILayerHandle layer : state.layers) {
      const auto found = e.after.layers.find(layer);
      if (found != e.after.layers.end() && !(found->second.visible && found->second.editable))
        return "a copy was deleted from a layer that stays locked or hidden";
    }
  }
  return "";
}

std::string CheckNothingLeftHidden(const StepEffects& e) {
  for (AIArtHandle art : Added(e)) {
    if ((e.after.art.at(art).own & kArtHidden) != 0)
      return Id(e.after, e.document, art) + " was made hidden";
  }
  return CheckLocksKept(e);
}

std::string CheckStrokeWidths(const StepEffects& e) {
  for (const auto& [art, state] : e.before.art) {
    const auto found = e.after.art.find(art);
    if (!state.path || found == e.after.art.end()) continue;
    std::vector<AIReal> expected;
    for (AIReal width : state.strokeWidths) {
      const AIReal changed = Selected(state) ? NewStrokeWidth(width, e.step.width) : width;
      if (changed > 0 || !Selected(state)) expected.push_back(changed);
    }
    if (found->second.strokeWidths != expected)
      return "the strokes of " + Id(e.after, e.document, art) + " are not as the command says";
  }
  return "";
}

}  // namespace

std::string CheckNothingHeld(host::Host& host, const OverlapSettingStore* store) {
  host::Documents& documents = host.documents();
  for (const std::string& problem :
       {Counted("art sets", documents.artSets.Count()),
        Counted("parsers", documents.parsers.Count()),
        Counted("paint fields", documents.paintFields.Count()),
        Counted("hit results", documents.hits.Count()),
        Counted("blocks", host.blocks().LiveCount()),
        Counted("raster art objects", documents.LiveRasterCount()),
        Counted("application contexts", static_cast<std::size_t>(host.contexts().Depth()))}) {
    if (!problem.empty()) return problem;
  }
  std::size_t strings = LayerPathMapSize();
  if (store != nullptr) {
    strings += SettingStrings(store->Current());
    for (std::int32_t i = 0; i < store->HistoryCount(); ++i)
      strings += SettingStrings(store->HistoryItem(i));
    for (std::int32_t i = 0; i < store->BatchCount(); ++i)
      strings += SettingStrings(store->BatchItem(i));
  }
  if (host.strings().LiveCount() != strings) {
    return std::to_string(host.strings().LiveCount()) + " host strings held where the map and " +
           "the settings hold " + std::to_string(strings);
  }
  if (host.transcript().ViolationCount() != 0) return "a host violation (see the transcript)";
  return "";
}

std::string CheckSavesAndLoads(const host::Document& document, const std::string& saved) {
  const std::unique_ptr<host::Document> loaded = host::ReadDocument(saved);
  const std::string difference = host::FirstDifference(document, *loaded);
  return difference.empty() ? "" : "saved and loaded, the document differs: " + difference;
}

std::string CheckStore(const OverlapSettingStore& store, std::int32_t historyBefore,
                       bool currentFromBatch) {
  const std::int32_t count = store.HistoryCount();
  if (count > std::max({store.MaxRecent(), 0, historyBefore})) {
    return "the history holds " + std::to_string(count) + " settings, more than the maximum " +
           std::to_string(store.MaxRecent()) + " and than before";
  }
  for (std::int32_t i = 0; i < count; ++i) {
    for (std::int32_t j = i + 1; j < count; ++j) {
      if (SettingsEqual(*store.HistoryItem(i), *store.HistoryItem(j)))
        return "history entries " + std::to_string(i) + " and " + std::to_string(j) + " are equal";
    }
    if (store.Current() != nullptr && !currentFromBatch &&
        SettingsEqual(*store.Current(), *store.HistoryItem(i))) {
      return "history entry " + std::to_string(i) + " equals the current setting";
    }
  }
  for (std::int32_t i = 0; i < store.BatchCount(); ++i) {
    for (std::int32_t j = i + 1; j < store.BatchCount(); ++j) {
      if (SettingsEqual(*store.BatchItem(i), *store.BatchItem(j)))
        return "batch entries " + std::to_string(i) + " and " + std::to_string(j) + " are equal";
    }
  }
  return "";
}

std::string CheckStepEffects(const StepEffects& e) {
  for (AIArtHandle art : Removed(e)) {
    if (!MayRemove(e, e.before.art.at(art)))
      return "the step removed " + Id(e.before, e.document, art) + ", which it may not";
  }
  if (e.step.kind == StepKind::kHostCommand) return "";
  if (!HasYes(e.step)) {
    if (std::string problem = CheckLocksKept(e); !problem.empty()) return problem;
    if (ReadOnlyStep(e.step.kind) && e.after.saved != e.before.saved)
      return "the step changed the document";
  }
  switch (e.step.kind) {
    case StepKind::kCreate:
      return CheckCopies(e);
    case StepKind::kDelete:
      if (!Added(e).empty()) return "delete made art";
      return CheckRemovedCopiesWereFreed(e);
    case StepKind::kScissors:
      return CheckNothingLeftHidden(e);
    case StepKind::kWidth:
      return CheckStrokeWidths(e);
    default:
      return "";
  }
}

}  // namespace random_sessions
