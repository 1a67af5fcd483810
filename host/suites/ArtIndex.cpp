#include "host/suites/ArtIndex.h"

#include <algorithm>
#include <cmath>

#include "host/suites/ArtBounds.h"

namespace host {
namespace {

// Cells of 8 points at the finest level: finer cells would only make a query with the hit
// tolerance look at more of them.
constexpr int kFinestLevel = 3;
constexpr int kLevels = 48;  // up to 2^50 points, beyond any artwork coordinate

bool IsLeaf(const Art& art) {
  const AIArtType type = art.type();
  return !art.IsContainer() &&
         (type == kPathArt || type == kTextFrameArt || type == kPlacedArt || type == kRasterArt);
}

int LevelFor(const AIRealRect& box) {
  const AIReal size = std::max(box.right - box.left, box.top - box.bottom);
  int exponent = 0;
  std::frexp(size, &exponent);  // size < 2^exponent
  return std::clamp(exponent, kFinestLevel, kFinestLevel + kLevels - 1);
}

std::int64_t CellOf(AIReal coordinate, int level) {
  return static_cast<std::int64_t>(std::floor(std::ldexp(coordinate, -level)));
}

std::uint64_t CellKey(int level, std::int64_t column, std::int64_t row) {
  constexpr std::uint64_t kMask = (std::uint64_t{1} << 28) - 1;
  return (static_cast<std::uint64_t>(level) << 56) |
         ((static_cast<std::uint64_t>(column) & kMask) << 28) |
         (static_cast<std::uint64_t>(row) & kMask);
}

bool Holds(const AIRealRect& box, AIRealPoint point, AIReal margin) {
  return point.h >= box.left - margin && point.h <= box.right + margin &&
         point.v >= box.bottom - margin && point.v <= box.top + margin;
}

}  // namespace

template <typename Visit>
void ArtIndex::ForEachCell(const AIRealRect& box, int level, Visit visit) {
  const std::int64_t lastColumn = CellOf(box.right, level);
  const std::int64_t lastRow = CellOf(box.top, level);
  for (std::int64_t column = CellOf(box.left, level); column <= lastColumn; ++column) {
    for (std::int64_t row = CellOf(box.bottom, level); row <= lastRow; ++row) {
      visit(CellKey(level, column, row), column, row);
    }
  }
}

void ArtIndex::Insert(const Art& art) {
  const AIRealRect box = VisualBounds(art);
  const int level = LevelFor(box);
  entries_[art.handle()] = Entry{box, level};
  if (levelCounts_.empty()) levelCounts_.assign(kFinestLevel + kLevels, 0);
  ++levelCounts_[static_cast<std::size_t>(level)];
  ForEachCell(box, level, [&](std::uint64_t key, std::int64_t, std::int64_t) {
    cells_[key].push_back(art.handle());
  });
}

void ArtIndex::Remove(AIArtHandle handle) {
  const auto found = entries_.find(handle);
  if (found == entries_.end()) return;
  const Entry entry = found->second;
  entries_.erase(found);
  --levelCounts_[static_cast<std::size_t>(entry.level)];
  ForEachCell(entry.box, entry.level, [&](std::uint64_t key, std::int64_t, std::int64_t) {
    const auto cell = cells_.find(key);
    if (cell == cells_.end()) return;
    std::erase(cell->second, handle);
    if (cell->second.empty()) cells_.erase(cell);
  });
}

void ArtIndex::Update(Document& document) {
  if (!built_) {
    document.TakeChangedArt();
    document.ForEachArt([this](const Art& art) {
      if (IsLeaf(art)) Insert(art);
    });
    built_ = true;
    return;
  }
  for (AIArtHandle handle : document.TakeChangedArt()) {
    Remove(handle);
    const Art* art = document.FindArt(handle);
    if (art != nullptr && IsLeaf(*art)) Insert(*art);
  }
}

void ArtIndex::Query(Document& document, AIRealPoint point, AIReal tolerance,
                     std::vector<Art*>* found) {
  Update(document);
  found->clear();
  std::vector<AIArtHandle> stale;
  const AIRealRect area{point.h - tolerance, point.v + tolerance, point.h + tolerance,
                        point.v - tolerance};
  for (int level = kFinestLevel; level < kFinestLevel + kLevels; ++level) {
    if (levelCounts_.empty() || levelCounts_[static_cast<std::size_t>(level)] == 0) continue;
    const std::int64_t firstColumn = CellOf(area.left, level);
    const std::int64_t firstRow = CellOf(area.bottom, level);
    ForEachCell(area, level, [&](std::uint64_t key, std::int64_t column, std::int64_t row) {
      const auto cell = cells_.find(key);
      if (cell == cells_.end()) return;
      for (AIArtHandle handle : cell->second) {
        const Entry& entry = entries_.at(handle);
        if (!Holds(entry.box, point, tolerance)) continue;
        // An art in several of these cells is taken from the first of them only.
        if (column != std::max(firstColumn, CellOf(entry.box.left, level)) ||
            row != std::max(firstRow, CellOf(entry.box.bottom, level))) {
          continue;
        }
        Art* art = document.FindArt(handle);
        if (art == nullptr) {
          stale.push_back(handle);
        } else {
          found->push_back(art);
        }
      }
    });
  }
  // Art disposed since it was indexed.
  for (AIArtHandle handle : stale) Remove(handle);
}

}  // namespace host
