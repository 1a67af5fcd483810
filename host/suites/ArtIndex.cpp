#include "host/suites/ArtIndex.h"

#include <algorithm>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <boost/iterator/function_output_iterator.hpp>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "host/suites/ArtBounds.h"
#include "host/suites/HitGeometry.h"

namespace host {
namespace {

namespace bgi = boost::geometry::index;

// A piece's box is at most this thick across, so that a point lies in the boxes of few pieces
// that pass far from it; a long diagonal curve is cut into pieces to keep within it.
constexpr AIReal kThinSide = 256;
constexpr int kMostPieces = 64;

bool IsLeaf(const Art& art) {
  const AIArtType type = art.type();
  return !art.IsContainer() &&
         (type == kPathArt || type == kTextFrameArt || type == kPlacedArt || type == kRasterArt);
}

AIReal SegmentDistance(AIRealPoint a, AIRealPoint b, AIRealPoint point) {
  const AIReal dh = b.h - a.h, dv = b.v - a.v;
  const AIReal length = dh * dh + dv * dv;
  const AIReal t =
      length > 0 ? std::clamp(((point.h - a.h) * dh + (point.v - a.v) * dv) / length, 0.0, 1.0) : 0;
  return std::hypot(a.h + t * dh - point.h, a.v + t * dv - point.v);
}

// How far the curve strays from its chord at most: it lies in the hull of its control points.
AIReal Deviation(const AIRealPoint (&c)[4]) {
  return std::max(SegmentDistance(c[0], c[3], c[1]), SegmentDistance(c[0], c[3], c[2]));
}

AIRealPoint Between(AIRealPoint a, AIRealPoint b, AIReal t) {
  return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t};
}

// The part of the curve from parameter 0 to t, by de Casteljau.
void Head(const AIRealPoint (&c)[4], AIReal t, AIRealPoint (&head)[4]) {
  const AIRealPoint ab = Between(c[0], c[1], t), bc = Between(c[1], c[2], t),
                    cd = Between(c[2], c[3], t);
  const AIRealPoint abc = Between(ab, bc, t), bcd = Between(bc, cd, t);
  head[0] = c[0];
  head[1] = ab;
  head[2] = abc;
  head[3] = Between(abc, bcd, t);
}

// The part of the curve from parameter from to to.
void Part(const AIRealPoint (&c)[4], AIReal from, AIReal to, AIRealPoint (&part)[4]) {
  AIRealPoint head[4];
  Head(c, to, head);
  // The head reversed, cut at what is from in it, and turned back.
  const AIRealPoint reversed[4] = {head[3], head[2], head[1], head[0]};
  AIRealPoint tail[4];
  Head(reversed, to > 0 ? 1 - from / to : 0, tail);
  part[0] = tail[3];
  part[1] = tail[2];
  part[2] = tail[1];
  part[3] = tail[0];
}

// A digest of what an art's entries are made from: its geometry, the reach of its stroke and
// whether it is filled.
std::uint64_t Shape(const Art& art) {
  std::uint64_t digest = static_cast<std::uint64_t>(art.type());
  auto mix = [&digest](AIReal value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    digest = (digest ^ bits) * 0x9E3779B97F4A7C15u;
    digest ^= digest >> 29;
  };
  if (art.type() != kPathArt) {
    const AIRealRect bounds = GeometricBounds(art);
    for (AIReal edge : {bounds.left, bounds.top, bounds.right, bounds.bottom}) mix(edge);
    return digest;
  }
  mix(HalfWidestStroke(art));
  mix(HasFill(art) ? 1 : 0);
  mix(art.path().closed ? 1 : 0);
  for (const Segment& segment : art.path().segments) {
    for (const AIRealPoint& point : {segment.p, segment.in, segment.out}) {
      mix(point.h);
      mix(point.v);
    }
  }
  return digest;
}

bool Finite(AIReal a, AIReal b, AIReal c, AIReal d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

}  // namespace

class ArtIndex::Pieces {
 public:
  void Query(Document& document, AIRealPoint point, AIReal tolerance, std::vector<Art*>* found);

 private:
  using Point = boost::geometry::model::point<AIReal, 2, boost::geometry::cs::cartesian>;
  using Box = boost::geometry::model::box<Point>;
  // A piece of a curve: its chord's box grown by reach, the distance within which the curve and
  // its stroke lie around the chord. Whole boxes (fills, other art) have no chord.
  struct Entry {
    Box box;
    AIArtHandle art;
    AIReal reach;
    std::uint32_t version;  // entries of older versions of the art are stale
    bool descending;        // the chord runs from the box's top left to its bottom right
    bool whole;             // a whole box, hit anywhere inside
  };
  struct EntryBox {
    using result_type = const Box&;
    const Box& operator()(const Entry& entry) const { return entry.box; }
  };
  struct Indexed {
    std::uint32_t version = 0;
    std::size_t entries = 0;
    std::uint64_t shape = 0;  // of what the entries were made from
  };
  using Tree = bgi::rtree<Entry, bgi::quadratic<16>, EntryBox>;

  void Update(Document& document);
  // Appends the entries of art (a leaf) at version to *entries.
  static void EntriesOf(const Art& art, std::uint32_t version, std::vector<Entry>* entries);
  // Rebuilds the tree from its live entries once stale ones outnumber them.
  void DropStale();
  bool Live(const Entry& entry) const;

  bool built_ = false;
  Tree tree_;
  std::unordered_map<AIArtHandle, Indexed> versions_;
  std::size_t liveEntries_ = 0;
  std::size_t staleEntries_ = 0;
};

void ArtIndex::Pieces::EntriesOf(const Art& art, std::uint32_t version,
                                 std::vector<Entry>* entries) {
  auto whole = [&](const AIRealRect& r) {
    if (!Finite(r.left, r.top, r.right, r.bottom)) return;
    entries->push_back(
        Entry{Box({r.left, r.bottom}, {r.right, r.top}), art.handle(), 0, version, false, true});
  };
  if (art.type() != kPathArt) {
    whole(GeometricBounds(art));
    return;
  }
  const AIReal halfStroke = HalfWidestStroke(art);
  auto piece = [&](const AIRealPoint(&c)[4]) {
    const AIReal reach = halfStroke + Deviation(c);
    const AIReal left = std::min(c[0].h, c[3].h), right = std::max(c[0].h, c[3].h);
    const AIReal bottom = std::min(c[0].v, c[3].v), top = std::max(c[0].v, c[3].v);
    if (!Finite(left, right, bottom, top) || !std::isfinite(reach)) return;
    const bool descending = (c[0].h < c[3].h) != (c[0].v < c[3].v);
    entries->push_back(Entry{Box({left - reach, bottom - reach}, {right + reach, top + reach}),
                             art.handle(), reach, version, descending, false});
  };
  const auto& segments = art.path().segments;
  const std::size_t count = segments.size();
  if (count == 1) {
    const AIRealPoint p = segments[0].p;
    piece({p, p, p, p});
  }
  const std::size_t curves = art.path().closed && count > 1 ? count : (count > 0 ? count - 1 : 0);
  for (std::size_t s = 0; s < curves; ++s) {
    const Segment& from = segments[s];
    const Segment& to = segments[(s + 1) % count];
    const AIRealPoint c[4] = {from.p, from.out, to.in, to.p};
    const AIReal across =
        std::max(std::min(std::abs(c[3].h - c[0].h), std::abs(c[3].v - c[0].v)), 2 * Deviation(c));
    const int pieces =
        std::isfinite(across)
            ? std::clamp(static_cast<int>(std::ceil(across / kThinSide)), 1, kMostPieces)
            : 1;
    if (pieces == 1) {
      piece(c);
      continue;
    }
    for (int i = 0; i < pieces; ++i) {
      AIRealPoint part[4];
      Part(c, AIReal(i) / pieces, AIReal(i + 1) / pieces, part);
      piece(part);
    }
  }
  if (count > 1 && HasFill(art)) whole(GeometricBounds(art));
}

bool ArtIndex::Pieces::Live(const Entry& entry) const {
  const auto found = versions_.find(entry.art);
  return found != versions_.end() && found->second.version == entry.version;
}

void ArtIndex::Pieces::DropStale() {
  constexpr std::size_t kFewest = 4096;  // not worth a rebuild
  if (staleEntries_ < kFewest || staleEntries_ < liveEntries_) return;
  std::vector<Entry> live;
  live.reserve(liveEntries_);
  for (const Entry& entry : tree_) {
    if (Live(entry)) live.push_back(entry);
  }
  tree_ = Tree(live.begin(), live.end());  // packed, which also makes queries fastest
  staleEntries_ = 0;
}

void ArtIndex::Pieces::Update(Document& document) {
  std::vector<Entry> entries;
  if (!built_) {
    document.TakeChangedArt();
    document.ForEachArt([&](const Art& art) {
      if (!IsLeaf(art)) return;
      const std::size_t before = entries.size();
      EntriesOf(art, 0, &entries);
      versions_[art.handle()] = Indexed{0, entries.size() - before, Shape(art)};
    });
    liveEntries_ = entries.size();
    tree_ = Tree(entries.begin(), entries.end());
    built_ = true;
    return;
  }
  std::vector<AIArtHandle> changed = document.TakeChangedArt();
  std::sort(changed.begin(), changed.end());
  changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
  for (AIArtHandle handle : changed) {
    const Art* art = document.FindArt(handle);
    const bool leaf = art != nullptr && IsLeaf(*art);
    const std::uint64_t shape = leaf ? Shape(*art) : 0;
    std::uint32_t version = 0;
    if (const auto found = versions_.find(handle); found != versions_.end()) {
      // Hiding, locking, selecting or recolouring art leaves its entries as they are.
      if (leaf && found->second.shape == shape) continue;
      version = found->second.version + 1;
      liveEntries_ -= found->second.entries;
      staleEntries_ += found->second.entries;
      versions_.erase(found);
    }
    if (!leaf) continue;
    entries.clear();
    EntriesOf(*art, version, &entries);
    tree_.insert(entries.begin(), entries.end());
    versions_[handle] = Indexed{version, entries.size(), shape};
    liveEntries_ += entries.size();
  }
  DropStale();
}

void ArtIndex::Pieces::Query(Document& document, AIRealPoint point, AIReal tolerance,
                             std::vector<Art*>* found) {
  Update(document);
  found->clear();
  const Box area({point.h - tolerance, point.v - tolerance},
                 {point.h + tolerance, point.v + tolerance});
  auto near = [&](const Entry& entry) {
    if (entry.whole) return true;
    const Point& low = entry.box.min_corner();
    const Point& high = entry.box.max_corner();
    const AIReal left = low.get<0>() + entry.reach, right = high.get<0>() - entry.reach;
    const AIReal bottom = low.get<1>() + entry.reach, top = high.get<1>() - entry.reach;
    // Growing the box by reach and taking it off again may round by a little.
    const AIReal slack =
        1e-9 * (1 + std::max({std::abs(left), std::abs(right), std::abs(bottom), std::abs(top)}));
    const AIRealPoint from{left, entry.descending ? top : bottom};
    const AIRealPoint to{right, entry.descending ? bottom : top};
    return SegmentDistance(from, to, point) <= tolerance + entry.reach + slack;
  };
  std::vector<AIArtHandle> handles;
  tree_.query(bgi::intersects(area) &&
                  bgi::satisfies([&](const Entry& entry) { return near(entry) && Live(entry); }),
              boost::iterators::make_function_output_iterator(
                  [&](const Entry& entry) { handles.push_back(entry.art); }));
  std::sort(handles.begin(), handles.end());
  handles.erase(std::unique(handles.begin(), handles.end()), handles.end());
  for (AIArtHandle handle : handles) {
    if (Art* art = document.FindArt(handle)) found->push_back(art);
  }
}

ArtIndex::ArtIndex() : pieces_(std::make_unique<Pieces>()) {}
ArtIndex::~ArtIndex() = default;
ArtIndex::ArtIndex(ArtIndex&&) noexcept = default;
ArtIndex& ArtIndex::operator=(ArtIndex&&) noexcept = default;

void ArtIndex::Query(Document& document, AIRealPoint point, AIReal tolerance,
                     std::vector<Art*>* found) {
  pieces_->Query(document, point, tolerance, found);
}

}  // namespace host
