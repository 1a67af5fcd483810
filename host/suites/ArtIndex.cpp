#include "host/suites/ArtIndex.h"

#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <boost/iterator/function_output_iterator.hpp>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "host/document/PaintOrder.h"
#include "host/suites/ArtBounds.h"
#include "host/suites/HitGeometry.h"

namespace host {
namespace {

namespace bgi = boost::geometry::index;

// A piece's box is at most this thick across, so that a point lies in the boxes of few pieces
// that pass far from it; a long diagonal curve is cut into pieces to keep within it.
constexpr AIReal kThinSide = 1024;
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
  // An art's entries of its current version; kept when the art goes, so that its entries can
  // still tell they are stale.
  struct Indexed {
    std::uint32_t version = 0;
    std::size_t entries = 0;
    std::uint64_t shape = 0;  // of what the entries were made from
  };
  struct Entry {
    Box box;
    AIArtHandle art;
    const Indexed* indexed;  // the art's, filled in when the entry goes into the tree
    AIReal reach;
    std::uint32_t version;  // entries of older versions of the art are stale
    bool descending;        // the chord runs from the box's top left to its bottom right
    bool whole;             // a whole box, hit anywhere inside

    // What the tree needs to find an entry it is to remove.
    friend bool operator==(const Entry& a, const Entry& b) {
      return a.art == b.art && a.version == b.version && a.whole == b.whole &&
             a.box.min_corner().get<0>() == b.box.min_corner().get<0>() &&
             a.box.min_corner().get<1>() == b.box.min_corner().get<1>() &&
             a.box.max_corner().get<0>() == b.box.max_corner().get<0>() &&
             a.box.max_corner().get<1>() == b.box.max_corner().get<1>();
    }
  };
  struct EntryBox {
    using result_type = const Box&;
    const Box& operator()(const Entry& entry) const { return entry.box; }
  };
  using Tree = bgi::rtree<Entry, bgi::linear<16>, EntryBox>;

  void Update(Document& document);
  // Whether the entry's curve (or whole box) comes within tolerance of point.
  static bool Near(const Entry& entry, AIRealPoint point, AIReal tolerance);
  // The live entries near point, from the tree; stale ones met on the way are removed from it
  // when they outnumber the live ones, as they would be met again by every query near them.
  void Search(AIRealPoint point, AIReal tolerance, std::vector<AIArtHandle>* handles);
  // Takes the art whose entries changed since the last answer out of it, and puts back, each at
  // its place in paint order, those whose new entries are near the point.
  void Amend(Document& document);
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
  // What the last update changed: the art whose entries went or were replaced (sorted), and
  // their new entries.
  std::vector<AIArtHandle> touched_;
  std::vector<Entry> fresh_;
  // The last query and its answer, front to back. The scissors ask at one point again and again
  // while they cut and hide what they found; such a query starts from this answer and what
  // changed since, as long as no art has moved in paint order.
  struct Answer {
    AIArtHandle handle;
    Art* art;
  };
  bool answered_ = false;
  AIRealPoint answeredPoint_{};
  AIReal answeredTolerance_ = 0;
  std::uint64_t answeredArrangement_ = 0;
  std::vector<Answer> answer_;
};

void ArtIndex::Pieces::EntriesOf(const Art& art, std::uint32_t version,
                                 std::vector<Entry>* entries) {
  auto whole = [&](const AIRealRect& r) {
    if (!Finite(r.left, r.top, r.right, r.bottom)) return;
    entries->push_back(Entry{Box({r.left, r.bottom}, {r.right, r.top}), art.handle(), nullptr, 0,
                             version, false, true});
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
                             art.handle(), nullptr, reach, version, descending, false});
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
  return entry.indexed->version == entry.version;
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
  touched_.clear();
  fresh_.clear();
  if (!built_) {
    answered_ = false;
    document.TakeChangedArt();
    document.ForEachArt([&](const Art& art) {
      if (!IsLeaf(art)) return;
      const std::size_t before = entries.size();
      EntriesOf(art, 0, &entries);
      Indexed& indexed = versions_[art.handle()];
      indexed = Indexed{0, entries.size() - before, Shape(art)};
      for (std::size_t i = before; i < entries.size(); ++i) entries[i].indexed = &indexed;
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
    Indexed* indexed = nullptr;
    if (const auto found = versions_.find(handle); found != versions_.end()) {
      // Hiding, locking, selecting or recolouring art leaves its entries as they are.
      if (leaf && found->second.shape == shape) continue;
      touched_.push_back(handle);
      indexed = &found->second;
      liveEntries_ -= indexed->entries;
      staleEntries_ += indexed->entries;
      *indexed = Indexed{indexed->version + 1, 0, 0};
    }
    if (!leaf) continue;
    if (indexed == nullptr) {
      touched_.push_back(handle);
      indexed = &versions_[handle];
    }
    entries.clear();
    EntriesOf(*art, indexed->version, &entries);
    for (Entry& entry : entries) entry.indexed = indexed;
    tree_.insert(entries.begin(), entries.end());
    fresh_.insert(fresh_.end(), entries.begin(), entries.end());
    indexed->entries = entries.size();
    indexed->shape = shape;
    liveEntries_ += entries.size();
  }
  DropStale();
}

bool ArtIndex::Pieces::Near(const Entry& entry, AIRealPoint point, AIReal tolerance) {
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
}

void ArtIndex::Pieces::Search(AIRealPoint point, AIReal tolerance,
                              std::vector<AIArtHandle>* handles) {
  const Box area({point.h - tolerance, point.v - tolerance},
                 {point.h + tolerance, point.v + tolerance});
  std::vector<Entry> stale;
  std::size_t live = 0;
  tree_.query(bgi::intersects(area) && bgi::satisfies([&](const Entry& entry) {
                if (!Near(entry, point, tolerance)) return false;
                if (Live(entry)) return true;
                stale.push_back(entry);
                return false;
              }),
              boost::iterators::make_function_output_iterator([&](const Entry& entry) {
                handles->push_back(entry.art);
                ++live;
              }));
  // Removing is dear; it pays only where stale entries crowd out the live ones, as along a road
  // cut again and again.
  if (stale.size() <= 4 * live + 256) return;
  for (const Entry& entry : stale) {
    if (tree_.remove(entry) != 0) --staleEntries_;
  }
}

void ArtIndex::Pieces::Amend(Document& document) {
  if (touched_.empty()) return;
  std::erase_if(answer_, [this](const Answer& answer) {
    return std::binary_search(touched_.begin(), touched_.end(), answer.handle);
  });
  const AIRealPoint point = answeredPoint_;
  const AIReal tolerance = answeredTolerance_;
  std::vector<AIArtHandle> near;
  for (const Entry& entry : fresh_) {
    const Point& low = entry.box.min_corner();
    const Point& high = entry.box.max_corner();
    const bool overlaps =
        low.get<0>() <= point.h + tolerance && high.get<0>() >= point.h - tolerance &&
        low.get<1>() <= point.v + tolerance && high.get<1>() >= point.v - tolerance;
    if (overlaps && Near(entry, point, tolerance)) near.push_back(entry.art);
  }
  std::sort(near.begin(), near.end());
  near.erase(std::unique(near.begin(), near.end()), near.end());
  for (AIArtHandle handle : near) {
    Art* art = document.FindArt(handle);
    if (art == nullptr) continue;
    const auto at = std::partition_point(answer_.begin(), answer_.end(), [art](const Answer& a) {
      return PaintsInFront(*a.art, *art);
    });
    answer_.insert(at, Answer{handle, art});
  }
}

void ArtIndex::Pieces::Query(Document& document, AIRealPoint point, AIReal tolerance,
                             std::vector<Art*>* found) {
  Update(document);
  if (answered_ && point.h == answeredPoint_.h && point.v == answeredPoint_.v &&
      tolerance == answeredTolerance_ && document.arrangement() == answeredArrangement_) {
    Amend(document);
  } else {
    std::vector<AIArtHandle> handles;
    Search(point, tolerance, &handles);
    std::sort(handles.begin(), handles.end());
    handles.erase(std::unique(handles.begin(), handles.end()), handles.end());
    std::vector<Art*> arts;
    for (AIArtHandle handle : handles) {
      if (Art* art = document.FindArt(handle)) arts.push_back(art);
    }
    SortFrontToBack(arts);
    answer_.clear();
    for (Art* art : arts) answer_.push_back(Answer{art->handle(), art});
    answered_ = true;
    answeredPoint_ = point;
    answeredTolerance_ = tolerance;
    answeredArrangement_ = document.arrangement();
  }
  found->clear();
  for (const Answer& answer : answer_) found->push_back(answer.art);
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
