// Finding the stacks of many selected paths with one walk of the document: every path filed
// under a key of its geometry, in the walk's order, so that a path's copies are looked for among
// the paths of its key only. The host's equality test still decides which of them are copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "engine/ArtSet.h"
#include "hostapi/AIPath.h"

// How an operation over many selected paths finds each path's stack.
enum class StackSearch {
  kIndexed,        // one walk of the document per operation, into a GeometryIndex
  kWalkPerPath,    // CollectOverlaps for every path: a walk of the document each time
  kIndexedCoarse,  // the index with keys cut to two bits, so that most unequal paths share a
                   // key and the host's equality alone tells them apart (for tests)
};

// The key of a geometry given as the host's records (see ReadGeometryKey).
std::uint64_t GeometryKeyOf(bool closed, const std::vector<AIPathSegment>& segments);

// A key of a path's geometry: its closed flag, segment count and every anchor and both handles,
// as the host's path suite gives them. Paths the host reports equal have equal keys (0 and -0 are
// one value); unequal paths may share a key. False when the host cannot give the geometry.
bool ReadGeometryKey(AIArtHandle path, std::uint64_t& key, std::vector<AIPathSegment>& scratch);

// The stacks of the paths of one operation. Each answer is exactly what CollectOverlaps would
// give at that moment: the same copies in the same order, the same questions in the same order,
// the same host error. The document is walked at the first question and walked again only when
// needed: after a walk that failed (a failed walk is the failed question's, as CollectOverlaps's
// would be), after temporary art of the engine stayed in the document, and for a path whose key
// the host cannot give.
//
// The index follows the document's changes that CreateOverlapLines makes (a path replaced by
// copies, see Replaced); other changes to the geometry, the layers or the art of the document
// during its life are not seen. A path disposed of must not be asked about.
class GeometryIndex {
 public:
  explicit GeometryIndex(StackSearch search = StackSearch::kIndexed) : search_(search) {}
  GeometryIndex(const GeometryIndex&) = delete;
  GeometryIndex& operator=(const GeometryIndex&) = delete;

  // As CollectOverlaps(path, overlaps, ask).
  AIErr Collect(AIArtHandle path, ArtList& overlaps, bool ask);

  // Asks as Collect does and counts the stack without listing it. Copies made since the walk are
  // counted without a place in the walk's order, which they need only when one of them is to be
  // asked about (then the document is walked for this path).
  AIErr Count(AIArtHandle path, bool ask, std::size_t& count);

  // path was disposed of and copies (each equal to it, or not: their keys are read) were made.
  // A copy whose key the host cannot give makes every later answer a walk of its own.
  void Replaced(AIArtHandle path, const ArtList& copies);

 private:
  static constexpr std::uint32_t kNone = UINT32_MAX;
  struct Chain {
    std::uint32_t first, last;
  };

  AIErr Find(AIArtHandle path, bool ask, ArtList* overlaps, std::size_t* count);
  AIErr FindIndexed(AIArtHandle path, bool ask, ArtList* overlaps, std::size_t* count);
  // CollectOverlaps for this path alone.
  static AIErr CollectWalked(AIArtHandle path, bool ask, ArtList* overlaps, std::size_t* count);
  void Build();
  void File(AIArtHandle path);
  bool Key(AIArtHandle path, std::uint64_t& key);

  StackSearch search_;
  bool built_ = false;
  AIErr walkError_ = kNoErr;  // where the last walk stopped; it indexed what it had reached
  std::uint64_t leftBehind_ = 0;
  std::vector<AIArtHandle> paths_;                   // every path, in the walk's order
  std::vector<std::uint32_t> next_;                  // the next path of the same key, or kNone
  std::unordered_map<std::uint64_t, Chain> chains_;  // the paths of a key
  std::vector<std::uint32_t> unread_;                // paths whose key the host did not give
  std::unordered_set<AIArtHandle> disposed_;         // indexed paths disposed of since
  std::unordered_map<std::uint64_t, ArtList> made_;  // copies made since, by key
  bool walkEveryTime_ = false;                       // a copy of unknown key was made
  std::vector<AIPathSegment> scratch_;
};
