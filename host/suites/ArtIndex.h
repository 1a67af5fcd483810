// A spatial index of the leaf art of one document (paths, text, placed and raster art) by the
// box it can be hit in: its visual bounds. Levels of square grids with cells of 2^level points
// hold each art in the level whose cells are at least as large as its box, so an art sits in at
// most four cells and a query looks at a few cells per level.
//
// The index follows the document's change log (Document::TakeChangedArt) before every query, so
// art made, disposed or edited in between is found as it is now. Visibility, locking and paint
// order are not indexed: callers check them on what a query gives.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "host/document/Document.h"

namespace host {

class ArtIndex {
 public:
  // Fills *found with the live leaf art whose box, grown by tolerance, holds point; in no
  // particular order.
  void Query(Document& document, AIRealPoint point, AIReal tolerance, std::vector<Art*>* found);

  std::size_t IndexedCount() const { return entries_.size(); }

 private:
  struct Entry {
    AIRealRect box;  // top above bottom
    int level;
  };

  void Update(Document& document);
  void Insert(const Art& art);
  void Remove(AIArtHandle handle);
  template <typename Visit>
  void ForEachCell(const AIRealRect& box, int level, Visit visit);

  bool built_ = false;
  std::unordered_map<AIArtHandle, Entry> entries_;
  std::unordered_map<std::uint64_t, std::vector<AIArtHandle>> cells_;
  std::vector<std::size_t> levelCounts_;  // art per level, to skip empty levels
};

}  // namespace host
