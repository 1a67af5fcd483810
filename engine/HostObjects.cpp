#include "engine/HostObjects.h"

#include "frame/SuiteTables.h"

namespace {
std::uint64_t leftBehind = 0;
}  // namespace

std::uint64_t TemporaryArtLeftBehind() {
  return leftBehind;
}

TemporaryArt::~TemporaryArt() {
  // Front-most first, the reverse of making; a failure leaves nothing else to do but count it.
  for (auto art = art_.rbegin(); art != art_.rend(); ++art) {
    if (sAIArt->DisposeArt(*art) != kNoErr) ++leftBehind;
  }
}

ListedArtSet::~ListedArtSet() {
  if (set_ != nullptr) sAIArtSet->DisposeArtSet(&set_);
}

AIErr ListedArtSet::Fill(const std::vector<AIArtHandle>& art) {
  if (set_ == nullptr) {
    if (AIErr error = sAIArtSet->NewArtSet(&set_); error != kNoErr) {
      set_ = nullptr;
      return error;
    }
  }
  return sAIArtSet->ArrayArtSet(set_, art.data(), art.size());
}

HostBlock::~HostBlock() {
  if (block_ != nullptr) sAIBlock->DisposeBlock(block_);
}

AIErr HostBlock::Allocate(std::uint64_t size) {
  if (block_ != nullptr) {
    sAIBlock->DisposeBlock(block_);
    block_ = nullptr;
  }
  if (AIErr error = sAIBlock->AllocateBlock(size, &block_); error != kNoErr) {
    block_ = nullptr;
    return error;
  }
  return kNoErr;
}
