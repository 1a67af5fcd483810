#include "engine/GeometryIndex.h"

#include <bit>
#include <new>

#include "engine/ArtAccess.h"
#include "engine/HostObjects.h"
#include "engine/OverlapDetection.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

namespace {

std::uint64_t Mix(std::uint64_t hash, std::uint64_t word) {
  hash = (hash ^ word) * 0x9e3779b97f4a7c15u;
  return hash ^ (hash >> 29);
}

// The bits of a coordinate; -0 compares equal to 0 and so must key alike.
std::uint64_t Bits(AIReal value) {
  return std::bit_cast<std::uint64_t>(value == 0 ? AIReal{0} : value);
}

// Spreads every bit over the low bits that the hash table uses.
std::uint64_t Finish(std::uint64_t hash) {
  hash = (hash ^ (hash >> 30)) * 0xbf58476d1ce4e5b9u;
  hash = (hash ^ (hash >> 27)) * 0x94d049bb133111ebu;
  return hash ^ (hash >> 31);
}

}  // namespace

std::uint64_t GeometryKeyOf(bool closed, const std::vector<AIPathSegment>& segments) {
  std::uint64_t hash = Mix(closed ? 1 : 2, static_cast<std::uint64_t>(segments.size()));
  for (const AIPathSegment& segment : segments) {
    for (AIReal value :
         {segment.p.h, segment.p.v, segment.in.h, segment.in.v, segment.out.h, segment.out.v}) {
      hash = Mix(hash, Bits(value));
    }
  }
  return Finish(hash);
}

bool ReadGeometryKey(AIArtHandle path, std::uint64_t& key, std::vector<AIPathSegment>& scratch) {
  AIBoolean closed = 0;
  if (sAIPath->GetPathClosed(path, &closed) != kNoErr) return false;
  std::int16_t count = 0;
  if (sAIPath->GetPathSegmentCount(path, &count) != kNoErr || count < 0) return false;
  scratch.resize(static_cast<std::size_t>(count));
  if (count > 0 && sAIPath->GetPathSegments(path, 0, count, scratch.data()) != kNoErr) return false;
  key = GeometryKeyOf(closed != 0, scratch);
  return true;
}

AIErr GeometryIndex::Collect(AIArtHandle path, ArtList& overlaps, bool ask) {
  return Find(path, ask, &overlaps, nullptr);
}

AIErr GeometryIndex::Count(AIArtHandle path, bool ask, std::size_t& count) {
  count = 0;
  return Find(path, ask, nullptr, &count);
}

void GeometryIndex::Replaced(AIArtHandle path, const ArtList& copies) {
  if (search_ == StackSearch::kWalkPerPath || walkEveryTime_ || !built_) return;
  try {
    disposed_.insert(path);
    for (AIArtHandle copy : copies) {
      std::uint64_t key = 0;
      if (!Key(copy, key)) {
        walkEveryTime_ = true;
        return;
      }
      made_[key].push_back(copy);
    }
  } catch (const std::bad_alloc&) {
    walkEveryTime_ = true;
  }
}

bool GeometryIndex::Key(AIArtHandle path, std::uint64_t& key) {
  if (!ReadGeometryKey(path, key, scratch_)) return false;
  if (search_ == StackSearch::kIndexedCoarse) key &= 3;
  return true;
}

AIErr GeometryIndex::Find(AIArtHandle path, bool ask, ArtList* overlaps, std::size_t* count) {
  if (search_ != StackSearch::kWalkPerPath && !walkEveryTime_) {
    try {
      return FindIndexed(path, ask, overlaps, count);
    } catch (const ai::Error& error) {
      return error.code();
    } catch (const std::bad_alloc&) {
      return kOutOfMemoryErr;
    }
  }
  return CollectWalked(path, ask, overlaps, count);
}

AIErr GeometryIndex::CollectWalked(AIArtHandle path, bool ask, ArtList* overlaps,
                                   std::size_t* count) {
  ArtList listed;
  ArtList& stack = overlaps != nullptr ? *overlaps : listed;
  const AIErr error = CollectOverlaps(path, stack, ask);
  if (count != nullptr) *count = stack.size();
  return error;
}

AIErr GeometryIndex::FindIndexed(AIArtHandle path, bool ask, ArtList* overlaps,
                                 std::size_t* count) {
  if (overlaps != nullptr) overlaps->clear();
  if (!built_ || TemporaryArtLeftBehind() != leftBehind_) Build();
  // A walk that failed is this path's, as CollectOverlaps's would have been: its stack is what
  // the walk reached, with the walk's error. The next path's walk is tried afresh.
  const AIErr walkError = walkError_;
  if (walkError != kNoErr) built_ = false;

  std::uint64_t key = 0;
  if (!Key(path, key)) return CollectWalked(path, ask, overlaps, count);

  // Copies made since the walk have no place in the walk's order; only a copy to be asked about
  // needs one, and then the document is walked for this path.
  ArtList made;
  if (const auto found = made_.find(key); found != made_.end()) {
    for (AIArtHandle copy : found->second) {
      if (sAIArt->ArtsHaveEqualPaths(path, copy)) made.push_back(copy);
    }
  }
  if (!made.empty()) {
    bool placeNeeded = overlaps != nullptr;
    for (std::size_t i = 0; ask && !placeNeeded && i < made.size(); ++i) {
      placeNeeded = !IsArtVisibleAndEditable(made[i]);
    }
    if (placeNeeded) return CollectWalked(path, ask, overlaps, count);
  }

  // The paths of the key and those of no known key, merged in the walk's order.
  ArtList listed;
  ArtList& stack = overlaps != nullptr ? *overlaps : listed;
  const auto chain = chains_.find(key);
  std::uint32_t inChain = chain != chains_.end() ? chain->second.first : kNone;
  std::size_t inUnread = 0;
  for (;;) {
    std::uint32_t position = kNone;
    if (inUnread < unread_.size() && (inChain == kNone || unread_[inUnread] < inChain)) {
      position = unread_[inUnread++];
    } else if (inChain != kNone) {
      position = inChain;
      inChain = next_[inChain];
    } else {
      break;
    }
    const AIArtHandle member = paths_[position];
    if (!disposed_.empty() && disposed_.count(member) != 0) continue;
    if (!sAIArt->ArtsHaveEqualPaths(path, member)) continue;
    if (ask) {
      // An alert the host cannot show changes nothing; the copy is listed all the same.
      static_cast<void>(OfferUnlock(member));
    }
    stack.push_back(member);
  }
  if (count != nullptr) *count = stack.size() + made.size();
  return walkError;
}

void GeometryIndex::Build() {
  built_ = true;
  leftBehind_ = TemporaryArtLeftBehind();
  paths_.clear();
  next_.clear();
  chains_.clear();
  unread_.clear();
  disposed_.clear();
  made_.clear();
  try {
    walkError_ = ForEachPathInStackOrder([this](AIArtHandle path) { File(path); });
  } catch (const std::bad_alloc&) {
    walkError_ = kOutOfMemoryErr;
  }
}

void GeometryIndex::File(AIArtHandle path) {
  const auto position = static_cast<std::uint32_t>(paths_.size());
  next_.push_back(kNone);
  paths_.push_back(path);
  std::uint64_t key = 0;
  if (!Key(path, key)) {
    unread_.push_back(position);
    return;
  }
  const auto [chain, added] = chains_.try_emplace(key, Chain{position, position});
  if (!added) {
    next_[chain->second.last] = position;
    chain->second.last = position;
  }
}
