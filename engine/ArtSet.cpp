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
void ArtSet::Refill(Fill fill) {
  Dispose();
  if (sAIArtSet->NewArtSet(&set_) != kNoErr) {
    set_ = nullptr;
    return;
  }
  if (fill() != kNoErr || sAIArtSet->CountArtSet(set_, &count_) != kNoErr) Dispose();
}

void ArtSet::FillFromSelection() {
  Refill([this] { return sAIArtSet->SelectedArtSet(set_); });
}

void ArtSet::FillFromLayer(AILayerHandle layer) {
  if (layer == nullptr) {
    Dispose();
    return;
  }
  Refill([this, layer] { return sAIArtSet->LayerArtSet(layer, set_); });
}

AIArtHandle ArtSet::Get(std::int64_t index) const {
  if (index < 0 || static_cast<std::uint64_t>(index) >= count_) return nullptr;
  AIArtHandle art = nullptr;
  if (sAIArtSet->IndexArtSet(set_, static_cast<std::uint64_t>(index), &art) != kNoErr)
    return nullptr;
  return art;
}

AIErr AppendPathMembers(const ArtSet& set, ArtList& paths, std::size_t most) {
  std::size_t found = 0;
  for (std::int64_t i = 0; found < most && i < static_cast<std::int64_t>(set.Count()); ++i) {
    AIArtHandle art = set.Get(i);
    if (art == nullptr) continue;
    AIArtType type = kUnknownArt;
    if (AIErr error = sAIArt->GetArtType(art, &type); error != kNoErr) return error;
    if (type != kPathArt) continue;
    paths.push_back(art);
    ++found;
  }
  return kNoErr;
}
