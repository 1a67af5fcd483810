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
#include <deque>
#include <unordered_map>

#include "host/document/PaintOrder.h"
#include "host/suites/ArtBounds.h"
#include "host/suites/HitGeometry.h"

namespace host {
namespace {

namespace bgi = boost::geometry::index;

// A piece's box is at most this thick across, so that a point lies in the boxes of few pieces
// that pass far from it, and at most this long, so that the tree's nodes, which box many
// pieces, stay small too; a long curve is cut into pieces to keep within both.
constexpr AIReal kThinSide = 1024;
constexpr AIReal kLongSide = 2048;
constexpr int kMostPieces = 64;

bool IsLeaf(const Art& art) {
  const AIArtType type = art.type();
  return !art.IsContainer() &&
         (type == kPathArt || type == kTextFrameArt || type == kPlacedArt || type == kRasterArt);
}

// From point to the nearest point of the segment a–b.
AIRealPoint ToSegment(AIRealPoint a, AIRealPoint b, AIRealPoint point) {
  const AIReal dh = b.h - a.h, dv = b.v - a.v;
  const AIReal length = dh * dh + dv * dv;
  const AIReal t =
      length > 0 ? std::clamp(((point.h - a.h) * dh + (point.v - a.v) * dv) / length, 0.0, 1.0) : 0;
  return {a.h + t * dh - point.h, a.v + t * dv - point.v};
}

AIReal SegmentDistance(AIRealPoint a, AIRealPoint b, AIRealPoint point) {
  const AIRealPoint to = ToSegment(a, b, point);
  return std::hypot(to.h, to.v);
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

bool Finite(AIReal a, AIReal b, AIReal c, AIReal d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Whether point is within tolerance of what art paints: no art outside can be hit there. Quick,
// for a few changed art at a time.
bool MayHit(const Art& art, AIRealPoint point, AIReal tolerance) {
  const AIRealRect box = VisualBounds(art);
  // Written so that a box with a non-number edge counts as near.
  return !(point.h < box.left - tolerance || point.h > box.right + tolerance ||
           point.v < box.bottom - tolerance || point.v > box.top + tolerance);
}

// A part of what an art is indexed by, which can pass unchanged from one art to another: a curve
// of a path with the reach of its stroke (a lone anchor is a curve of four equal points), or a
// whole box (of a filled path, or of other art), hit anywhere inside.
struct Unit {
  bool whole = false;
  AIRealPoint c[4]{};
  AIReal halfStroke = 0;
  AIRealRect box{};
  std::uint64_t key = 0;  // a digest of all the above, by which units are matched
};

std::uint64_t Digest(const Unit& unit) {
  std::uint64_t digest = unit.whole ? 1 : 2;
  auto mix = [&digest](AIReal value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    digest = (digest ^ bits) * 0x9E3779B97F4A7C15u;
    digest ^= digest >> 29;
  };
  if (unit.whole) {
    for (AIReal edge : {unit.box.left, unit.box.top, unit.box.right, unit.box.bottom}) mix(edge);
    return digest;
  }
  mix(unit.halfStroke);
  for (const AIRealPoint& point : unit.c) {
    mix(point.h);
    mix(point.v);
  }
  return digest;
}

void AddCurve(const AIRealPoint (&c)[4], AIReal halfStroke, std::vector<Unit>* units) {
  Unit unit;
  std::copy(std::begin(c), std::end(c), unit.c);
  unit.halfStroke = halfStroke;
  unit.key = Digest(unit);
  units->push_back(unit);
}

void AddBox(const AIRealRect& box, std::vector<Unit>* units) {
  Unit unit;
  unit.whole = true;
  unit.box = box;
  unit.key = Digest(unit);
  units->push_back(unit);
}

// The units of a leaf art, in order.
void UnitsOf(const Art& art, std::vector<Unit>* units) {
  units->clear();
  if (art.type() != kPathArt) {
    AddBox(GeometricBounds(art), units);
    return;
  }
  const AIReal halfStroke = HalfWidestStroke(art);
  const auto& segments = art.path().segments;
  const std::size_t count = segments.size();
  if (count == 1) {
    const AIRealPoint p = segments[0].p;
    AddCurve({p, p, p, p}, halfStroke, units);
  }
  const std::size_t curves = art.path().closed && count > 1 ? count : (count > 0 ? count - 1 : 0);
  for (std::size_t s = 0; s < curves; ++s) {
    const Segment& from = segments[s];
    const Segment& to = segments[(s + 1) % count];
    AddCurve({from.p, from.out, to.in, to.p}, halfStroke, units);
  }
  if (count > 1 && HasFill(art)) AddBox(GeometricBounds(art), units);
}

}  // namespace

class ArtIndex::Pieces {
 public:
  const std::vector<Art*>& Query(Document& document, AIRealPoint point, AIReal tolerance);

 private:
  using Point = boost::geometry::model::point<AIReal, 2, boost::geometry::cs::cartesian>;
  using Box = boost::geometry::model::box<Point>;
  // The art whose unit made some entries; null once the unit is gone from every art, which
  // makes the entries stale. A unit that one art loses and another gains in the same update
  // (the two parts of a cut path) passes to the other art with its entries as they are.
  struct Owner {
    AIArtHandle art = nullptr;
    std::size_t entries = 0;
  };
  // A piece of a curve: its chord's box grown by reach, the distance within which the curve and
  // its stroke lie around the chord. Whole boxes have no chord.
  struct Entry {
    Box box;
    Owner* owner;
    AIReal reach;
    bool descending;  // the chord runs from the box's top left to its bottom right
    bool whole;       // a whole box, hit anywhere inside

    // What the tree needs to find an entry it is to remove.
    friend bool operator==(const Entry& a, const Entry& b) {
      return a.owner == b.owner && a.whole == b.whole &&
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
  // A unit an art holds, by its digest.
  struct Held {
    std::uint64_t key;
    Owner* owner;
  };
  static void SortByKey(std::vector<Held>& held);
  // The first of sorted with key whose owner is not yet taken (null), or null.
  static Held* Untaken(std::vector<Held>& sorted, std::uint64_t key);

  void Build(Document& document);
  void Update(Document& document);
  // The units of before that are among units, each at the place of its unit, taken out of
  // before (null owners there); null owners in the answer where a unit is new.
  static std::vector<Held> Keep(std::vector<Held>& before, const std::vector<Unit>& units);
  // Indexes the art's new units, taking over those that other art gave up in this update.
  // given: sorted by key; what is taken from it is left with a null owner.
  void Reindex(AIArtHandle art, const std::vector<Unit>& units, std::vector<Held>& held,
               std::vector<Held>& given);
  // Whether the entry's curve (or whole box) comes within tolerance of point.
  static bool Near(const Entry& entry, AIRealPoint point, AIReal tolerance);
  // The live entries near point, from the tree; stale ones met on the way are removed from it
  // when they outnumber the live ones, as they would be met again by every query near them.
  void Search(AIRealPoint point, AIReal tolerance, std::vector<AIArtHandle>* handles);
  // Takes the art whose units changed since the last answer out of it, and puts back, each at
  // its place in paint order, those the point may hit now.
  void Amend(Document& document);
  // Appends the entries of a unit to *entries.
  static void EntriesOf(const Unit& unit, Owner* owner, std::vector<Entry>* entries);
  // A new owner of the unit for art, its entries appended to *entries.
  Held Index(AIArtHandle art, const Unit& unit, std::vector<Entry>* entries);
  Owner* NewOwner(AIArtHandle art);
  void Retire(Owner* owner);
  // Rebuilds the tree from its live entries once stale ones outnumber them.
  void DropStale();

  bool built_ = false;
  Tree tree_;
  std::unordered_map<AIArtHandle, std::vector<Held>> held_;
  std::deque<Owner> owners_;
  std::vector<Owner*> retired_;  // their entries may still be in the tree
  std::vector<Owner*> free_;     // no entry names them
  std::size_t liveEntries_ = 0;
  std::size_t staleEntries_ = 0;
  // The art whose units changed in the last update (sorted), disposed art included.
  std::vector<AIArtHandle> touched_;
  // The last query and its answer, front to back. The scissors ask at one point again and again
  // while they cut and hide what they found; such a query starts from this answer and what
  // changed since, as long as no art has moved in paint order.
  bool answered_ = false;
  AIRealPoint answeredPoint_{};
  AIReal answeredTolerance_ = 0;
  std::uint64_t answeredArrangement_ = 0;
  std::vector<Art*> answer_;
  std::unordered_map<AIArtHandle, const Art*> inAnswer_;  // by handle, as art may be gone
};

void ArtIndex::Pieces::EntriesOf(const Unit& unit, Owner* owner, std::vector<Entry>* entries) {
  if (unit.whole) {
    const AIRealRect& r = unit.box;
    if (!Finite(r.left, r.top, r.right, r.bottom)) return;
    entries->push_back(Entry{Box({r.left, r.bottom}, {r.right, r.top}), owner, 0, false, true});
    return;
  }
  auto piece = [&](const AIRealPoint(&c)[4]) {
    const AIReal reach = unit.halfStroke + Deviation(c);
    const AIReal left = std::min(c[0].h, c[3].h), right = std::max(c[0].h, c[3].h);
    const AIReal bottom = std::min(c[0].v, c[3].v), top = std::max(c[0].v, c[3].v);
    if (!Finite(left, right, bottom, top) || !std::isfinite(reach)) return;
    const bool descending = (c[0].h < c[3].h) != (c[0].v < c[3].v);
    entries->push_back(Entry{Box({left - reach, bottom - reach}, {right + reach, top + reach}),
                             owner, reach, descending, false});
  };
  const auto& c = unit.c;
  const AIReal wide = std::abs(c[3].h - c[0].h), high = std::abs(c[3].v - c[0].v);
  const AIReal across = std::max(std::min(wide, high), 2 * Deviation(c));
  const AIReal along = std::max(wide, high);
  const AIReal needed = std::max(std::ceil(across / kThinSide), std::ceil(along / kLongSide));
  // Clamped before the conversion, which a huge count would overflow.
  const int pieces =
      std::isfinite(needed) ? static_cast<int>(std::clamp(needed, 1.0, AIReal{kMostPieces})) : 1;
  if (pieces == 1) {
    piece(c);
    return;
  }
  for (int i = 0; i < pieces; ++i) {
    AIRealPoint part[4];
    Part(c, AIReal(i) / pieces, AIReal(i + 1) / pieces, part);
    piece(part);
  }
}

ArtIndex::Pieces::Owner* ArtIndex::Pieces::NewOwner(AIArtHandle art) {
  Owner* owner = nullptr;
  if (free_.empty()) {
    owner = &owners_.emplace_back();
  } else {
    owner = free_.back();
    free_.pop_back();
  }
  *owner = Owner{art, 0};
  return owner;
}

void ArtIndex::Pieces::Retire(Owner* owner) {
  owner->art = nullptr;
  liveEntries_ -= owner->entries;
  staleEntries_ += owner->entries;
  retired_.push_back(owner);
}

void ArtIndex::Pieces::DropStale() {
  constexpr std::size_t kFewest = 4096;  // not worth a rebuild
  if (staleEntries_ < kFewest || staleEntries_ < liveEntries_) return;
  std::vector<Entry> live;
  live.reserve(liveEntries_);
  for (const Entry& entry : tree_) {
    if (entry.owner->art != nullptr) live.push_back(entry);
  }
  tree_ = Tree(live.begin(), live.end());  // packed, which also makes queries fastest
  staleEntries_ = 0;
  free_.insert(free_.end(), retired_.begin(), retired_.end());
  retired_.clear();
}

void ArtIndex::Pieces::SortByKey(std::vector<Held>& held) {
  std::sort(held.begin(), held.end(), [](const Held& a, const Held& b) { return a.key < b.key; });
}

ArtIndex::Pieces::Held* ArtIndex::Pieces::Untaken(std::vector<Held>& sorted, std::uint64_t key) {
  auto at = std::lower_bound(sorted.begin(), sorted.end(), key,
                             [](const Held& h, std::uint64_t k) { return h.key < k; });
  while (at != sorted.end() && at->key == key && at->owner == nullptr) ++at;
  return at != sorted.end() && at->key == key ? &*at : nullptr;
}

ArtIndex::Pieces::Held ArtIndex::Pieces::Index(AIArtHandle art, const Unit& unit,
                                               std::vector<Entry>* entries) {
  Owner* owner = NewOwner(art);
  const std::size_t before = entries->size();
  EntriesOf(unit, owner, entries);
  owner->entries = entries->size() - before;
  return Held{unit.key, owner};
}

void ArtIndex::Pieces::Reindex(AIArtHandle art, const std::vector<Unit>& units,
                               std::vector<Held>& held, std::vector<Held>& given) {
  std::vector<Entry> entries;
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (held[i].owner != nullptr) continue;  // kept from before
    if (Held* taken = Untaken(given, units[i].key)) {
      held[i] = *taken;
      taken->owner->art = art;
      taken->owner = nullptr;
      continue;
    }
    entries.clear();
    held[i] = Index(art, units[i], &entries);
    tree_.insert(entries.begin(), entries.end());
    liveEntries_ += entries.size();
  }
}

void ArtIndex::Pieces::Build(Document& document) {
  answered_ = false;
  document.TakeChangedArt();
  std::vector<Unit> units;
  std::vector<Entry> entries;
  document.ForEachArt([&](const Art& art) {
    if (!IsLeaf(art)) return;
    UnitsOf(art, &units);
    std::vector<Held>& held = held_[art.handle()];
    for (const Unit& unit : units) held.push_back(Index(art.handle(), unit, &entries));
  });
  liveEntries_ = entries.size();
  tree_ = Tree(entries.begin(), entries.end());
  built_ = true;
}

std::vector<ArtIndex::Pieces::Held> ArtIndex::Pieces::Keep(std::vector<Held>& before,
                                                           const std::vector<Unit>& units) {
  SortByKey(before);
  std::vector<Held> kept(units.size(), Held{0, nullptr});
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (Held* at = Untaken(before, units[i].key)) {
      kept[i] = *at;
      at->owner = nullptr;
    }
  }
  return kept;
}

void ArtIndex::Pieces::Update(Document& document) {
  touched_.clear();
  if (!built_) {
    Build(document);
    return;
  }
  std::vector<Unit> units;
  std::vector<AIArtHandle> changed = document.TakeChangedArt();
  std::sort(changed.begin(), changed.end());
  changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
  // First every changed art keeps the units it still has and gives up the others; then each
  // takes what it lacks from those given up, or indexes it anew.
  std::vector<Held> given;
  struct Lacking {
    AIArtHandle art;
    std::vector<Unit> units;
    std::vector<Held> held;  // null owners where a unit is lacking
  };
  std::vector<Lacking> lacking;
  for (AIArtHandle handle : changed) {
    const Art* art = document.FindArt(handle);
    const bool leaf = art != nullptr && IsLeaf(*art);
    const auto found = held_.find(handle);
    if (found == held_.end() && !leaf) continue;
    if (leaf) UnitsOf(*art, &units);
    if (found != held_.end() && leaf && units.size() == found->second.size() &&
        std::equal(units.begin(), units.end(), found->second.begin(),
                   [](const Unit& u, const Held& h) { return u.key == h.key; })) {
      continue;  // recoloured, or reached for change and left as it was
    }
    std::vector<Held> before;
    if (found != held_.end()) {
      before = std::move(found->second);
      held_.erase(found);
    }
    touched_.push_back(handle);
    if (!leaf) {
      given.insert(given.end(), before.begin(), before.end());
      continue;
    }
    std::vector<Held> held = Keep(before, units);
    for (const Held& left : before) {
      if (left.owner != nullptr) given.push_back(left);
    }
    lacking.push_back(Lacking{handle, std::move(units), std::move(held)});
  }
  SortByKey(given);
  for (Lacking& art : lacking) {
    Reindex(art.art, art.units, art.held, given);
    held_.emplace(art.art, std::move(art.held));
  }
  for (const Held& left : given) {
    if (left.owner != nullptr) Retire(left.owner);
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
  // Squares, as hypot is dear and this runs for every entry a query meets. A square that
  // overflows only lets in a candidate that the hit test turns away.
  const AIRealPoint offset = ToSegment(from, to, point);
  const AIReal within = tolerance + entry.reach + slack;
  return offset.h * offset.h + offset.v * offset.v <= within * within;
}

void ArtIndex::Pieces::Search(AIRealPoint point, AIReal tolerance,
                              std::vector<AIArtHandle>* handles) {
  const Box area({point.h - tolerance, point.v - tolerance},
                 {point.h + tolerance, point.v + tolerance});
  std::vector<Entry> stale;
  std::size_t live = 0;
  tree_.query(bgi::intersects(area) && bgi::satisfies([&](const Entry& entry) {
                if (!Near(entry, point, tolerance)) return false;
                if (entry.owner->art != nullptr) return true;
                stale.push_back(entry);
                return false;
              }),
              boost::iterators::make_function_output_iterator([&](const Entry& entry) {
                handles->push_back(entry.owner->art);
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
  // All out first: disposed art among them must not be compared below.
  for (AIArtHandle handle : touched_) {
    if (const auto found = inAnswer_.find(handle); found != inAnswer_.end()) {
      answer_.erase(std::find(answer_.begin(), answer_.end(), found->second));
      inAnswer_.erase(found);
    }
  }
  for (AIArtHandle handle : touched_) {
    Art* art = document.FindArt(handle);
    if (art == nullptr || !IsLeaf(*art) || !MayHit(*art, answeredPoint_, answeredTolerance_)) {
      continue;
    }
    const auto at = std::partition_point(answer_.begin(), answer_.end(), [art](const Art* other) {
      return PaintsInFront(*other, *art);
    });
    answer_.insert(at, art);
    inAnswer_.emplace(handle, art);
  }
}

const std::vector<Art*>& ArtIndex::Pieces::Query(Document& document, AIRealPoint point,
                                                 AIReal tolerance) {
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
    inAnswer_.clear();
    for (Art* art : arts) inAnswer_.emplace(art->handle(), art);
    answer_ = std::move(arts);
    answered_ = true;
    answeredPoint_ = point;
    answeredTolerance_ = tolerance;
    answeredArrangement_ = document.arrangement();
  }
  return answer_;
}

ArtIndex::ArtIndex() : pieces_(std::make_unique<Pieces>()) {}
ArtIndex::~ArtIndex() = default;
ArtIndex::ArtIndex(ArtIndex&&) noexcept = default;
ArtIndex& ArtIndex::operator=(ArtIndex&&) noexcept = default;

const std::vector<Art*>& ArtIndex::Query(Document& document, AIRealPoint point, AIReal tolerance) {
  return pieces_->Query(document, point, tolerance);
}

}  // namespace host
