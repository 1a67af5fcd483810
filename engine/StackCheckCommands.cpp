#include "engine/StackCheckCommands.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <unordered_set>

#include "engine/Alerts.h"
#include "engine/EngineTexts.h"
#include "engine/OverlapSettingStore.h"
#include "engine/StackCheck.h"
#include "engine/StackRepair.h"
#include "frame/SuiteTables.h"

namespace {

// text with each %d replaced by the next count.
std::string Format(const char* text, std::initializer_list<std::size_t> counts) {
  std::string result = text;
  std::size_t at = 0;
  for (std::size_t count : counts) {
    at = result.find("%d", at);
    if (at == std::string::npos) break;
    const std::string number = std::to_string(count);
    result.replace(at, 2, number);
    at += number.size();
  }
  return result;
}

std::string Report(const StackFindings& findings) {
  std::string text;
  if (findings.Mendable() == 0 && findings.unmatched == 0) {
    text = kCheckFoundNothingMessage;
  } else {
    text = Format(kCheckResultMessage,
                  {findings.missing, findings.drifted, findings.duplicates, findings.wrongLayer});
    if (findings.unmatched > 0) text += "\n" + Format(kCheckUnmatchedLine, {findings.unmatched});
  }
  if (findings.unusableSettings > 0)
    text += "\n" + Format(kCheckUnusableSettingsLine, {findings.unusableSettings});
  return text;
}

bool HasSettings(const OverlapSettingStore& store) {
  return store.Current() != nullptr || store.HistoryCount() > 0 || store.BatchCount() > 0;
}

// The selected paths; false (after telling the user) when art is selected but no path.
AIErr ReadSelection(ArtSet& selection, ArtList& paths, bool& usable) {
  usable = false;
  if (AIErr error = selection.FillFromSelection(); error != kNoErr) return error;
  if (AIErr error = AppendPathMembers(selection, paths); error != kNoErr) return error;
  if (selection.Count() > 0 && paths.empty()) {
    ShowMessageAlert(kSelectPathMessage);
    return kNoErr;
  }
  usable = true;
  return kNoErr;
}

AIErr Select(const ArtSet& selection, const ArtList& paths) {
  for (std::int64_t i = 0; i < static_cast<std::int64_t>(selection.Count()); ++i) {
    AIArtHandle art = nullptr;
    if (AIErr error = selection.Get(i, &art); error != kNoErr) return error;
    if (art == nullptr) continue;
    if (AIErr error = sAIArt->SetArtUserAttr(art, kArtSelected, 0); error != kNoErr) return error;
  }
  for (AIArtHandle path : paths) {
    if (AIErr error = sAIArt->SetArtUserAttr(path, kArtSelected, kArtSelected); error != kNoErr)
      return error;
  }
  return kNoErr;
}

bool SameArt(const ArtList& a, const ArtList& b) {
  const std::unordered_set<AIArtHandle> left(a.begin(), a.end());
  const std::unordered_set<AIArtHandle> right(b.begin(), b.end());
  return left == right;
}

// The scope of a check: the selected paths. False, after telling the user, when there is
// nothing to check with or in.
AIErr ReadScope(const OverlapSettingStore& store, ArtSet& selection, CheckScope& scope,
                bool& ready) {
  ready = false;
  if (!HasSettings(store)) {
    ShowMessageAlert(kNoCheckSettingsMessage);
    return kNoErr;
  }
  return ReadSelection(selection, scope.within, ready);
}

// False, after telling the user, when the check failed or had no setting it could use.
AIErr Find(const OverlapSettingStore& store, const CheckScope& scope, StackFindings& findings,
           bool& found) {
  found = false;
  if (AIErr error = FindBrokenStacks(store, scope, findings); error != kNoErr) {
    ShowErrorAlert(kCheckFailedError);
    return error;
  }
  if (findings.settings.empty()) {
    ShowMessageAlert(kNoUsableCheckSettingsMessage);
    return kNoErr;
  }
  found = true;
  return kNoErr;
}

}  // namespace

AIErr CheckOverlapLines(const OverlapSettingStore& store, StackCheckMemory& memory) {
  memory = StackCheckMemory();
  ArtSet selection;
  CheckScope scope;
  StackFindings findings;
  bool ready = false;
  if (AIErr error = ReadScope(store, selection, scope, ready); error != kNoErr || !ready)
    return error;
  scope.preferred = scope.within;
  bool found = false;
  if (AIErr error = Find(store, scope, findings, found); error != kNoErr || !found) return error;
  if (findings.Mendable() > 0) {
    if (AIErr error = Select(selection, findings.concerned); error != kNoErr) {
      ShowErrorAlert(kCheckFailedError);
      return error;
    }
    memory.selectedByCheck = findings.concerned;
    memory.userSelection = scope.within;
    memory.mendable = findings.Mendable();
  }
  ShowMessageAlert(Report(findings).c_str());
  return kNoErr;
}

AIErr RepairOverlapLines(const OverlapSettingStore& store, StackCheckMemory& memory) {
  StackCheckMemory last = std::move(memory);
  memory = StackCheckMemory();
  ArtSet selection;
  CheckScope scope;
  StackFindings findings;
  bool ready = false;
  if (AIErr error = ReadScope(store, selection, scope, ready); error != kNoErr || !ready)
    return error;
  // The selection the last check made says nothing of the user's wish; the one it replaced does.
  const bool checkSelection =
      !last.selectedByCheck.empty() && SameArt(scope.within, last.selectedByCheck);
  scope.preferred = checkSelection ? last.userSelection : scope.within;
  bool found = false;
  if (AIErr error = Find(store, scope, findings, found); error != kNoErr || !found) return error;
  if (findings.Mendable() == 0) {
    ShowMessageAlert(Report(findings).c_str());
    return kNoErr;
  }
  RepairTally tally;
  if (AIErr error = MendBrokenStacks(findings, tally); error != kNoErr) {
    ShowErrorAlert(
        (std::string(kRepairFailedError) + "\n" + Format(kRepairedMessage, {tally.mended}))
            .c_str());
    return error;
  }
  std::string text = Format(kRepairedMessage, {tally.mended});
  if (tally.declined > 0) text += "\n" + Format(kRepairDeclinedLine, {tally.declined});
  memory.mendable = tally.declined;
  ShowMessageAlert(text.c_str());
  return kNoErr;
}
