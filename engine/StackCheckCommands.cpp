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

// Checks the stacks of the selection, or of the whole document; found is false, after telling
// the user, when there is nothing to check with or in. The paths concerned are selected when
// select is true. A host error is returned without a word: the caller reports it.
AIErr Find(const OverlapSettingStore& store, const StackCheckMemory* last, bool select,
           CheckScope& scope, StackFindings& findings, bool& found) {
  found = false;
  if (!HasSettings(store)) {
    ShowMessageAlert(kNoCheckSettingsMessage);
    return kNoErr;
  }
  ArtSet selection;
  bool usable = false;
  if (AIErr error = ReadSelection(selection, scope.within, usable); error != kNoErr || !usable)
    return error;
  // The selection the last check made says nothing of the user's wish; the one it replaced does.
  const bool checkSelection = last != nullptr && !last->selectedByCheck.empty() &&
                              SameArt(scope.within, last->selectedByCheck);
  scope.preferred = checkSelection ? last->userSelection : scope.within;
  if (AIErr error = FindBrokenStacks(store, scope, findings); error != kNoErr) return error;
  if (findings.settings.empty()) {
    ShowMessageAlert(kNoUsableCheckSettingsMessage);
    return kNoErr;
  }
  if (select && findings.Mendable() > 0) {
    if (AIErr error = Select(selection, findings.concerned); error != kNoErr) return error;
  }
  found = true;
  return kNoErr;
}

// A host error while checking has changed nothing but, perhaps, the selection.
AIErr CheckFailed(AIErr error) {
  ShowErrorAlert(kCheckFailedError);
  return error;
}

}  // namespace

AIErr CheckOverlapLines(const OverlapSettingStore& store, StackCheckMemory& memory) {
  memory = StackCheckMemory();
  CheckScope scope;
  StackFindings findings;
  bool found = false;
  if (AIErr error = Find(store, nullptr, true, scope, findings, found); error != kNoErr)
    return CheckFailed(error);
  if (!found) return kNoErr;
  if (findings.Mendable() > 0) {
    memory.selectedByCheck = findings.concerned;
    memory.userSelection = scope.within;
    memory.mendable = findings.Mendable();
  }
  ShowMessageAlert(Report(findings).c_str());
  return kNoErr;
}

AIErr RepairOverlapLines(const OverlapSettingStore& store, StackCheckMemory& memory) {
  const StackCheckMemory last = std::move(memory);
  memory = StackCheckMemory();
  CheckScope scope;
  StackFindings findings;
  bool found = false;
  if (AIErr error = Find(store, &last, false, scope, findings, found); error != kNoErr)
    return CheckFailed(error);
  if (!found) return kNoErr;
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
