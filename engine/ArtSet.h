// An owning wrapper of a host art set, filled from the selection or from one layer. It never
// throws: a failed fill leaves it empty and answers the host's error, so that an operation does
// not mistake a selection it could not read for an empty one. The members are in the host's
// order, front to back.
#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "hostapi/AITypes.h"

using ArtList = std::vector<AIArtHandle>;

class ArtSet {
 public:
  ArtSet() = default;
  ~ArtSet();
  ArtSet(const ArtSet&) = delete;
  ArtSet& operator=(const ArtSet&) = delete;

  [[nodiscard]] AIErr FillFromSelection();
  // A missing layer leaves the set empty.
  [[nodiscard]] AIErr FillFromLayer(AILayerHandle layer);

  std::uint64_t Count() const { return count_; }
  // The member at index, null out of range; the host's error when it cannot give it.
  [[nodiscard]] AIErr Get(std::int64_t index, AIArtHandle* art) const;

 private:
  template <typename Fill>
  AIErr Refill(Fill fill);
  void Dispose();

  std::uint64_t count_ = 0;
  AIArtSetHandle set_ = nullptr;
};

// Appends the members of set that are paths to paths, in the set's order, at most most of them.
// A host error reading a member or its type is returned.
AIErr AppendPathMembers(const ArtSet& set, ArtList& paths,
                        std::size_t most = std::numeric_limits<std::size_t>::max());
