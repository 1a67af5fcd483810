#include "engine/StackRepair.h"

#include <algorithm>
#include <new>
#include <unordered_set>

#include "engine/Alerts.h"
#include "engine/ArtAccess.h"
#include "engine/EngineTexts.h"
#include "engine/PathCloseness.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

namespace {

// Gives path the anchors, handles and closed flag of shape; its style and place stay.
AIErr WriteShape(AIArtHandle path, const PathShape& shape) {
  std::int16_t count = 0;
  if (AIErr error = sAIPath->GetPathSegmentCount(path, &count); error != kNoErr) return error;
  const auto wanted = static_cast<std::int16_t>(shape.segments.size());
  if (count > wanted) {
    if (AIErr error = sAIPath->DeletePathSegments(path, wanted, count - wanted); error != kNoErr)
      return error;
  }
  if (wanted > 0) {
    if (AIErr error = sAIPath->SetPathSegments(path, 0, wanted, shape.segments.data());
        error != kNoErr) {
      return error;
    }
  }
  return sAIPath->SetPathClosed(path, shape.closed ? 1 : 0);
}

class Mender {
 public:
  Mender(const StackFindings& findings, RepairTally& tally) : findings_(findings), tally_(tally) {}

  AIErr Mend(const BrokenStack& stack) {
    bool usable = false;
    if (AIErr error = Unlock(stack, usable); error != kNoErr) return error;
    if (!usable) {
      tally_.declined += stack.Findings();
      return kNoErr;
    }
    if (AIErr error = Change(stack); error != kNoErr) return error;
    // The stack is whole now; what is left is to take away its surplus copies.
    for (const MovedCopy& moved : stack.moved) {
      if (AIErr error = sAIArt->DisposeArt(moved.copy); error != kNoErr) return error;
    }
    for (AIArtHandle duplicate : stack.duplicates) {
      if (AIErr error = sAIArt->DisposeArt(duplicate); error != kNoErr) return error;
    }
    tally_.mended += stack.Findings();
    return kNoErr;
  }

 private:
  // Asks about every locked or hidden copy and layer the stack needs, before anything changes.
  AIErr Unlock(const BrokenStack& stack, bool& usable) {
    usable = false;
    ArtList changed = stack.reshaped;
    for (const MovedCopy& moved : stack.moved) changed.push_back(moved.copy);
    changed.insert(changed.end(), stack.duplicates.begin(), stack.duplicates.end());
    for (AIArtHandle copy : changed) {
      if (IsArtVisibleAndEditable(copy)) continue;
      if (!AskYesNo(kUnlockOverlapQuestion)) return kNoErr;
      if (!UnlockAndShowArt(copy)) return UnlockFailed();
    }
    const CheckedSetting& setting = findings_.settings[stack.setting];
    std::vector<std::size_t> entries = stack.missing;
    for (const MovedCopy& moved : stack.moved) entries.push_back(moved.entry);
    for (std::size_t entry : entries) {
      const AILayerHandle layer = setting.entries[entry].layer;
      AIArtHandle group = nullptr;
      if (AIErr error = sAIArt->GetFirstArtOfLayer(layer, &group); error != kNoErr) return error;
      if (IsArtVisibleAndEditable(group)) continue;
      if (refused_.count(layer) != 0) return kNoErr;
      if (!AskYesNo(kCreateInLockedLayerQuestion)) {
        refused_.insert(layer);
        return kNoErr;
      }
      if (!UnlockAndShowArt(group)) {
        refused_.insert(layer);
        return UnlockFailed();
      }
    }
    usable = true;
    return kNoErr;
  }

  // The stack is left as it is; the user is told, and the repair goes on.
  static AIErr UnlockFailed() {
    ShowErrorAlert(kUnlockFailedError);
    return kNoErr;
  }

  // Reshapes, moves and makes the stack's copies; on a host error undoes them.
  AIErr Change(const BrokenStack& stack) {
    std::vector<PathShape> before(stack.reshaped.size());
    std::size_t reshaped = 0;
    ArtList made;
    AIErr error = kNoErr;
    try {
      error = ChangeCopies(stack, before, reshaped, made);
    } catch (...) {
      Undo(stack, before, reshaped, made);
      throw;
    }
    if (error != kNoErr) Undo(stack, before, reshaped, made);
    return error;
  }

  AIErr ChangeCopies(const BrokenStack& stack, std::vector<PathShape>& before,
                     std::size_t& reshaped, ArtList& made) {
    if (!stack.reshaped.empty()) {
      PathShape shape;
      if (AIErr error = ReadPathShape(stack.geometry, shape); error != kNoErr) return error;
      for (AIArtHandle copy : stack.reshaped) {
        if (AIErr error = ReadPathShape(copy, before[reshaped]); error != kNoErr) return error;
        ++reshaped;
        if (AIErr error = WriteShape(copy, shape); error != kNoErr) return error;
      }
    }
    const CheckedSetting& setting = findings_.settings[stack.setting];
    ArtList copies = stack.copies;  // by entry, as they will be
    for (const MovedCopy& moved : stack.moved) copies[moved.entry] = nullptr;
    for (std::size_t e = 0; e < copies.size(); ++e) {
      AIArtHandle source = nullptr;
      AIPaintOrder order = kPlaceInsideOnBottom;  // as create places a copy
      for (const MovedCopy& moved : stack.moved) {
        if (moved.entry == e) {
          source = moved.copy;
          order = kPlaceInsideOnTop;  // in front of the art already there
        }
      }
      const bool missing =
          std::find(stack.missing.begin(), stack.missing.end(), e) != stack.missing.end();
      if (missing) source = stack.geometry;
      if (source == nullptr) continue;
      const AILayerHandle layer = setting.entries[e].layer;
      AIArtHandle prep = nullptr;
      if (AIErr error = sAIArt->GetFirstArtOfLayer(layer, &prep); error != kNoErr) return error;
      // Above the copy of the entry before in the same layer, as create stacks a layer's copies:
      // above the group or compound path holding that copy, never into it, whose states or
      // paint the new copy would take.
      if (e > 0 && setting.entries[e - 1].layer == layer && copies[e - 1] != nullptr) {
        AIArtHandle above = copies[e - 1], parent = nullptr;
        for (;;) {
          if (AIErr error = sAIArt->GetArtParent(above, &parent); error != kNoErr) return error;
          if (parent == nullptr || parent == prep) break;
          above = parent;
        }
        if (parent == prep) {
          order = kPlaceAbove;
          prep = above;
        }
      }
      AIArtHandle copy = nullptr;
      if (AIErr error = sAIArt->DuplicateArt(source, order, prep, &copy); error != kNoErr)
        return error;
      made.push_back(copy);
      copies[e] = copy;
      // A duplicate keeps its source's own locked and hidden states: a copy made from a hidden
      // copy would pass the check and still not be seen.
      if (AIErr error = sAIArt->SetArtUserAttr(copy, kArtLocked | kArtHidden, 0); error != kNoErr)
        return error;
      if (missing) {
        AIPathStyle style = setting.entries[e].style;
        if (AIErr error = sAIPathStyle->SetPathStyle(copy, &style); error != kNoErr) return error;
      }
    }
    return kNoErr;
  }

  static void Undo(const BrokenStack& stack, const std::vector<PathShape>& before,
                   std::size_t reshaped, const ArtList& made) {
    for (AIArtHandle copy : made) static_cast<void>(sAIArt->DisposeArt(copy));
    for (std::size_t i = 0; i < reshaped; ++i) {
      static_cast<void>(WriteShape(stack.reshaped[i], before[i]));
    }
  }

  const StackFindings& findings_;
  RepairTally& tally_;
  std::unordered_set<AILayerHandle> refused_;
};

}  // namespace

AIErr MendBrokenStacks(const StackFindings& findings, RepairTally& tally) {
  tally = RepairTally();
  Mender mender(findings, tally);
  try {
    for (const BrokenStack& stack : findings.stacks) {
      if (AIErr error = mender.Mend(stack); error != kNoErr) return error;
    }
  } catch (const ai::Error& error) {
    return error.code() != kNoErr ? error.code() : kCantHappenErr;
  } catch (const std::bad_alloc&) {
    return kOutOfMemoryErr;
  }
  return kNoErr;
}
