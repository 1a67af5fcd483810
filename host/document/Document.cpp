// The structure of a document: layers, the art tree and placement by paint order.
#include "host/document/Document.h"

#include <atomic>

#include "host/document/DocumentError.h"

namespace host {
namespace {

std::uint16_t NextDocumentSerial() {
  // Handles carry 12 bits of the serial; 0 is skipped so that no document has it.
  static std::atomic<std::uint32_t> counter{0};
  return static_cast<std::uint16_t>(counter.fetch_add(1) % 0xFFF + 1);
}

[[noreturn]] void Refuse(const std::string& what) {
  throw DocumentError(kBadParameterErr, what);
}

bool IsKnownOrder(AIPaintOrder order) {
  return order == kPlaceAbove || order == kPlaceBelow || order == kPlaceInsideOnTop ||
         order == kPlaceInsideOnBottom;
}

bool IsMakeableType(AIArtType type) {
  return type == kGroupArt || type == kPathArt || type == kCompoundPathArt || type == kPlacedArt ||
         type == kRasterArt || type == kTextFrameArt;
}

}  // namespace

Art::Art(AIArtType type) : type_(type) {
  if (type == kPathArt) {
    content_ = PathGeometry{};
  } else if (type == kTextFrameArt) {
    content_ = TextContent{};
  } else if (type == kPlacedArt || type == kRasterArt) {
    content_ = ImageContent{};
  }
}

Document::Document()
    : serial_(NextDocumentSerial()),
      art_(serial_, DocumentHandleKind::kArt),
      layers_(serial_, DocumentHandleKind::kLayer),
      root_(new Art(kGroupArt)),
      swatches_(serial_) {
  root_->root_ = true;
}

Document::~Document() = default;

// ---- Layers

Layer& Document::NewLayer(Layer* reference, AIPaintOrder order, std::string title, std::string id) {
  if (!IsKnownOrder(order)) Refuse("unknown paint order " + std::to_string(order));
  if (!reference && order != kPlaceAbove && order != kPlaceBelow) {
    Refuse("a sublayer needs a parent layer");
  }
  if (id.empty()) {
    do {
      id = "layer-" + std::to_string(++generatedLayerIds_);
    } while (layerById_.count(id) != 0);
  } else if (layerById_.count(id) != 0) {
    Refuse("duplicate layer id \"" + id + "\"");
  }
  std::unique_ptr<Art> group(new Art(kGroupArt));
  std::unique_ptr<Layer> layer(new Layer());
  group->layer_ = layer.get();
  if (reference) CheckPlacement(*group, order, reference->group());

  Layer& made = *layer;
  made.title = std::move(title);
  made.id_ = std::move(id);
  made.group_ = group.get();
  made.group_->handle_ = art_.Add(std::move(group));
  made.handle_ = layers_.Add(std::move(layer));
  layerById_.emplace(made.id_, &made);
  if (reference) {
    Place(*made.group_, order, reference->group());
  } else {
    Link(*made.group_, *root_, order == kPlaceAbove ? root_->firstChild_ : nullptr);
  }
  if (!current_) current_ = &made;
  return made;
}

void Document::MoveLayer(Layer& layer, Layer* reference, AIPaintOrder order) {
  if (!reference) {
    if (order != kPlaceAbove && order != kPlaceBelow) Refuse("a sublayer needs a parent layer");
    ++arrangement_;
    Unlink(*layer.group_);
    Link(*layer.group_, *root_, order == kPlaceAbove ? root_->firstChild_ : nullptr);
    return;
  }
  CheckPlacement(*layer.group_, order, reference->group());
  ++arrangement_;
  Unlink(*layer.group_);
  Place(*layer.group_, order, reference->group());
}

void Document::DeleteLayer(Layer& layer) {
  Art& group = *layer.group_;
  Unlink(group);
  DestroySubtree(group);
}

std::int32_t Document::CountLayers() const {
  std::int32_t count = 0;
  for (const Art* art = root_->firstChild_; art; art = art->next_) ++count;
  return count;
}

Layer* Document::LayerAt(const Art& container, std::int32_t index) const {
  if (index < 0 || container.layerChildren_ == 0) return nullptr;
  for (const Art* art = container.firstChild_; art; art = art->next_) {
    if (art->layer_ && index-- == 0) return art->layer_;
  }
  return nullptr;
}

Layer* Document::NthLayer(std::int32_t index) const {
  return LayerAt(*root_, index);
}

Layer* Document::LayerAfter(const Art& group) const {
  for (const Art* art = group.next_; art; art = art->next_) {
    if (art->layer_) return art->layer_;
  }
  return nullptr;
}

Layer* Document::NextLayer(const Layer& layer) const {
  return LayerAfter(*layer.group_);
}

Layer* Document::ParentLayer(const Layer& layer) const {
  return layer.group_->parent_->layer_;
}

Layer* Document::FirstSublayer(const Layer& layer) const {
  return LayerAt(*layer.group_, 0);
}

Layer* Document::NextPreorderLayer(const Layer& layer) const {
  if (Layer* child = FirstSublayer(layer)) return child;
  for (const Layer* at = &layer; at; at = ParentLayer(*at)) {
    if (Layer* next = NextLayer(*at)) return next;
  }
  return nullptr;
}

Layer* Document::LayerOfArt(const Art& art) const {
  for (const Art* at = &art; at; at = at->parent_) {
    if (at->layer_) return at->layer_;
  }
  return nullptr;
}

Layer* Document::FindLayer(std::string_view id) const {
  const auto found = layerById_.find(std::string(id));
  return found == layerById_.end() ? nullptr : found->second;
}

// ---- Art

Art& Document::NewArt(AIArtType type, AIPaintOrder order, Art& reference, std::string id) {
  if (!IsMakeableType(type)) Refuse("art of type " + std::to_string(type) + " cannot be made");
  std::unique_ptr<Art> made(new Art(type));
  CheckPlacement(*made, order, reference);
  if (id.empty()) {
    id = UniqueArtId();
  } else if (artById_.count(id) != 0) {
    Refuse("duplicate art id \"" + id + "\"");
  }
  Art& art = *made;
  art.id_ = std::move(id);
  art.handle_ = art_.Add(std::move(made));
  art.changes_ = &changedArt_;
  art.Touch();
  artById_.emplace(art.id_, &art);
  Place(art, order, reference);
  return art;
}

std::vector<AIArtHandle> Document::TakeChangedArt() {
  std::vector<AIArtHandle> changed = std::move(changedArt_);
  changedArt_.clear();
  for (AIArtHandle handle : changed) {
    if (Art* art = art_.Find(handle)) art->changeLogged_ = false;
  }
  return changed;
}

Art& Document::DuplicateArt(const Art& source, AIPaintOrder order, Art& reference) {
  if (source.IsLayerGroup() || source.root_) Refuse("a layer group cannot be duplicated");
  const Art probe(source.type_);
  CheckPlacement(probe, order, reference);
  Art& copy = CopyArt(source, nullptr, nullptr);
  Place(copy, order, reference);
  return copy;
}

Art& Document::CopyArt(const Art& source, Art* parent, Art* before) {
  std::unique_ptr<Art> made(new Art(source.type_));
  Art& copy = *made;
  copy.attributes_ = source.attributes_;
  if (selected_.count(const_cast<Art*>(&source)) != 0) selected_.insert(&copy);
  copy.content_ = source.content_;
  copy.appearance_ = source.appearance_;
  copy.id_ = UniqueArtId();
  copy.handle_ = art_.Add(std::move(made));
  copy.changes_ = &changedArt_;
  copy.Touch();
  artById_.emplace(copy.id_, &copy);
  if (parent) Link(copy, *parent, before);
  for (const Art* member = source.firstChild_; member; member = member->next_) {
    CopyArt(*member, &copy, nullptr);
  }
  return copy;
}

void Document::MoveArt(Art& art, AIPaintOrder order, Art& reference) {
  if (art.IsLayerGroup() || art.root_) Refuse("layer groups move with their layers");
  CheckPlacement(art, order, reference);
  ++arrangement_;
  Unlink(art);
  Place(art, order, reference);
}

void Document::DisposeArt(Art& art) {
  if (art.IsLayerGroup() || art.root_) Refuse("a layer group goes only with its layer");
  Unlink(art);
  DestroySubtree(art);
}

Art* Document::FindArt(std::string_view id) const {
  const auto found = artById_.find(std::string(id));
  return found == artById_.end() ? nullptr : found->second;
}

std::size_t Document::ArtCount() const {
  return art_.Count() - layers_.Count();
}

std::string Document::UniqueArtId() {
  std::string id;
  do {
    id = "art-" + std::to_string(++generatedArtIds_);
  } while (artById_.count(id) != 0);
  return id;
}

// ---- Paint order

void Document::CheckPlacement(const Art& art, AIPaintOrder order, const Art& reference) const {
  if (!IsKnownOrder(order)) Refuse("unknown paint order " + std::to_string(order));
  const bool inside = order == kPlaceInsideOnTop || order == kPlaceInsideOnBottom;
  if (&art == &reference) Refuse("art cannot be placed relative to itself");
  if (inside && !reference.IsContainer()) Refuse("the reference art is not a group");
  const Art* parent = inside ? &reference : reference.parent_;
  if (!parent) Refuse("the reference art is not in the document");
  if (parent->root_ && !art.IsLayerGroup()) Refuse("art must be placed inside a layer");
  if (art.IsLayerGroup() && !parent->root_ && !parent->IsLayerGroup()) {
    Refuse("a layer can only be placed among layers");
  }
  if (parent->type_ == kCompoundPathArt && art.type_ != kPathArt) {
    Refuse("a compound path holds only paths");
  }
  for (const Art* at = parent; at; at = at->parent_) {
    if (at == &art) Refuse("art cannot be placed inside itself");
  }
}

void Document::Place(Art& art, AIPaintOrder order, Art& reference) {
  switch (order) {
    case kPlaceAbove:
      Link(art, *reference.parent_, &reference);
      break;
    case kPlaceBelow:
      Link(art, *reference.parent_, reference.next_);
      break;
    case kPlaceInsideOnTop:
      Link(art, reference, reference.firstChild_);
      break;
    default:
      Link(art, reference, nullptr);
      break;
  }
}

void Document::Link(Art& art, Art& parent, Art* before) {
  art.parent_ = &parent;
  art.next_ = before;
  art.previous_ = before ? before->previous_ : parent.lastChild_;
  (art.previous_ ? art.previous_->next_ : parent.firstChild_) = &art;
  (before ? before->previous_ : parent.lastChild_) = &art;
  if (art.layer_) ++parent.layerChildren_;
  Order(art);
}

// Gives a newly linked art a sibling order between its neighbours'. Orders lie below 2^63;
// the first member of a container takes the middle, so that members added at the front or the
// back step away from it by a fixed spacing. When there is no room, only the nearby siblings are
// spread out again: those in the smallest aligned range of orders around the place that is
// sparse enough (a range of 2^i orders may hold at most (4/3)^i siblings), as order-maintenance
// lists do, so adding n art anywhere renumbers O(n log n) siblings in all, not O(n) per insertion.
void Document::Order(Art& art) {
  constexpr std::uint64_t kSpacing = std::uint64_t{1} << 32;
  constexpr int kBits = 63;
  constexpr std::uint64_t kEnd = std::uint64_t{1} << kBits;
  const Art* front = art.previous_;
  const Art* back = art.next_;
  if (!front && !back) {
    art.order_ = kEnd / 2;
    return;
  }
  if (front && !back && front->order_ < kEnd - kSpacing) {
    art.order_ = front->order_ + kSpacing;
    return;
  }
  if (!front && back && back->order_ > kSpacing) {
    art.order_ = back->order_ - kSpacing;
    return;
  }
  if (front && back && back->order_ > front->order_ + 1) {
    art.order_ = front->order_ + (back->order_ - front->order_) / 2;
    return;
  }
  // The art sits right behind front (or in front of back) and has no order yet; it is counted
  // in every range, and its neighbours are gathered outwards while their orders lie in it.
  const std::uint64_t pivot = front ? front->order_ : back->order_;
  Art* first = &art;
  Art* last = &art;
  std::uint64_t count = 1;
  double room = 1;
  for (int bits = 1; bits <= kBits; ++bits) {
    room *= 4.0 / 3.0;
    const std::uint64_t size = std::uint64_t{1} << bits;
    const std::uint64_t base = pivot & ~(size - 1);
    for (; first->previous_ && first->previous_->order_ >= base; ++count) {
      first = first->previous_;
    }
    for (; last->next_ && last->next_->order_ - base < size; ++count) last = last->next_;
    const bool sparse = bits == kBits || static_cast<double>(count) <= room;
    if (!sparse) continue;
    const std::uint64_t gap = size / (count + 1);
    std::uint64_t next = base + gap;
    for (Art* at = first;; at = at->next_) {
      at->order_ = next;
      next += gap;
      if (at == last) break;
    }
    return;
  }
}

void Document::Unlink(Art& art) {
  Art& parent = *art.parent_;
  (art.previous_ ? art.previous_->next_ : parent.firstChild_) = art.next_;
  (art.next_ ? art.next_->previous_ : parent.lastChild_) = art.previous_;
  if (art.layer_) --parent.layerChildren_;
  art.parent_ = art.previous_ = art.next_ = nullptr;
}

const Art* Document::NextInWalk(const Art& art, const Art& top) {
  if (art.firstChild_) return art.firstChild_;
  for (const Art* at = &art; at != &top; at = at->parent_) {
    if (at->next_) return at->next_;
  }
  return nullptr;
}

void Document::DestroySubtree(Art& top) {
  std::vector<Art*> doomed{&top};
  ForEachArtIn(top, [&](Art& art) { doomed.push_back(&art); });
  for (Art* art : doomed) {
    if (!art->changeLogged_) changedArt_.push_back(art->handle_);
    selected_.erase(art);
    if (Layer* layer = art->layer_) {
      if (current_ == layer) current_ = nullptr;
      layerById_.erase(layer->id_);
      layers_.Remove(layer->handle_);
    } else {
      artById_.erase(art->id_);
    }
    art_.Remove(art->handle_);
  }
  if (!current_) current_ = FirstLayer();
}

}  // namespace host
