// A spatial index of the leaf art of one document (paths, text, placed and raster art) for hit
// tests: an R-tree of the boxes where each can be hit. A path is indexed by its curves, each cut
// into pieces whose boxes stay thin, so that a long path crossing the map is a candidate only
// near its course; a filled path also by its whole box, as it is hit inside; other art by its
// box.
//
// The index follows the document's change log (Document::TakeChangedArt) before every query, so
// art made, disposed or edited in between is found as it is now. An edited path keeps the
// entries of the curves it still has, and curves that pass from one path to another in one
// update (a path cut in two) take their entries along, so that a cut indexes only the curves it
// made. Visibility and locking are not indexed: callers check them on what a query gives.
#pragma once

#include <memory>
#include <vector>

#include "host/document/Document.h"

namespace host {

class ArtIndex {
 public:
  ArtIndex();
  ~ArtIndex();
  ArtIndex(ArtIndex&&) noexcept;
  ArtIndex& operator=(ArtIndex&&) noexcept;

  // The live leaf art that may be hit at point within tolerance (every art the hit test could
  // hit there, and few others), each once, front to back; valid until the next query.
  const std::vector<Art*>& Query(Document& document, AIRealPoint point, AIReal tolerance);

 private:
  class Pieces;  // the R-tree, kept out of this header
  std::unique_ptr<Pieces> pieces_;
};

}  // namespace host
