#include "engine/ArtSet.h"

#include "frame/SuiteTables.h"

ArtSet::~ArtSet() {
  Dispose();
}

void ArtSet::Dispose() {
  if (set_ != nullptr) sAIArtSet->DisposeArtSet(&set_);
  set_ = nullptr;
  count_ = 0;
}

template <typename Fill>
AIErr ArtSet::Refill(Fill fill) {
  Dispose();
  if (AIErr error = sAIArtSet->NewArtSet(&set_); error != kNoErr) {
    set_ = nullptr;
    return error;
  }
  AIErr error = fill();
  if (error == kNoErr) error = sAIArtSet->CountArtSet(set_, &count_);
  if (error != kNoErr) Dispose();
  return error;
}

AIErr ArtSet::FillFromSelection() {
  return Refill([this] { return sAIArtSet->SelectedArtSet(set_); });
}

AIErr ArtSet::FillFromLayer(AILayerHandle layer) {
  if (layer == nullptr) {
    Dispose();
    return kNoErr;
  }
  return Refill([this, layer] { return sAIArtSet->LayerArtSet(layer, set_); });
}

AIErr ArtSet::Get(std::int64_t index, AIArtHandle* art) const {
  *art = nullptr;
  if (index < 0 || static_cast<std::uint64_t>(index) >= count_) return kNoErr;
  const AIErr error = sAIArtSet->IndexArtSet(set_, static_cast<std::uint64_t>(index), art);
  if (error != kNoErr) *art = nullptr;
  return error;
}

AIErr AppendPathMembers(const ArtSet& set, ArtList& paths, std::size_t most) {
  std::size_t found = 0;
  for (std::int64_t i = 0; found < most && i < static_cast<std::int64_t>(set.Count()); ++i) {
    AIArtHandle art = nullptr;
    if (AIErr error = set.Get(i, &art); error != kNoErr) return error;
    if (art == nullptr) continue;
    AIArtType type = kUnknownArt;
    if (AIErr error = sAIArt->GetArtType(art, &type); error != kNoErr) return error;
    if (type != kPathArt) continue;
    paths.push_back(art);
    ++found;
  }
  return kNoErr;
}
