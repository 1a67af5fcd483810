// User attributes, selection, art sets, styles and swatches of a document.
#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/document/Colors.h"
#include "host/document/Document.h"
#include "host/document/DocumentError.h"
#include "host/document/PaintOrder.h"

namespace host {
namespace {

constexpr AIArtUserAttr kKnownAttributes = kArtSelected | kArtLocked | kArtHidden;

void SelectAnchors(Art& art, bool selected) {
  if (art.type() != kPathArt) return;
  // Paths whose anchors are as wanted are not reached for change: deselecting all on a large
  // map would otherwise log every path as changed, and every index of the geometry would look
  // at each of them again.
  const auto& segments = std::as_const(art).path().segments;
  if (std::all_of(segments.begin(), segments.end(),
                  [selected](const Segment& segment) { return segment.selected == selected; })) {
    return;
  }
  for (Segment& segment : art.path().segments) segment.selected = selected;
}

bool Within(const Art& art, const Art& top) {
  for (const Art* at = &art; at != nullptr; at = at->parent()) {
    if (at == &top) return true;
  }
  return false;
}

void CheckStyleField(const AIColor& color, bool painted, const Document& document,
                     const char* which) {
  if (color.kind < kGrayColor || color.kind > kNoneColor) {
    throw DocumentError(kBadParameterErr, std::string("unknown colour kind in the ") + which);
  }
  if (painted && !document.IsColorValid(color)) {
    throw DocumentError(kStaleHandleErr,
                        std::string("the ") + which + " colour names a swatch not in the document");
  }
}

}  // namespace

// ---- User attributes and selection

AIArtUserAttr Document::UserAttributes(const Art& art) const {
  AIArtUserAttr bits = art.attributes_;
  if (const Layer* layer = art.layer_) {
    bits &= ~(kArtLocked | kArtHidden);
    if (!layer->editable) bits |= kArtLocked;
    if (!layer->visible) bits |= kArtHidden;
  }
  return bits;
}

void Document::SetUserAttributes(Art& art, AIArtUserAttr mask, AIArtUserAttr value) {
  if ((mask & ~kKnownAttributes) != 0) {
    throw DocumentError(kBadParameterErr, "unknown user attribute bits " + std::to_string(mask));
  }
  const AIArtUserAttr states = mask & (kArtLocked | kArtHidden);
  if (Layer* layer = art.layer_) {
    if (states & kArtLocked) layer->editable = (value & kArtLocked) == 0;
    if (states & kArtHidden) layer->visible = (value & kArtHidden) == 0;
  } else {
    art.attributes_ = (art.attributes_ & ~states) | (value & states);
  }
  if ((mask & kArtSelected) == 0) return;
  if ((value & kArtSelected) == 0) {
    DeselectWithin(art);
    return;
  }
  SetSelected(art, true);
  ForEachArtIn(art, [this](Art& member) { SetSelected(member, true); });
}

void Document::SetSelected(Art& art, bool selected) {
  art.attributes_ = selected ? (art.attributes_ | kArtSelected) : (art.attributes_ & ~kArtSelected);
  SelectAnchors(art, selected);
  if (selected) {
    selected_.insert(&art);
  } else {
    selected_.erase(&art);
  }
}

void Document::DeselectWithin(Art& top) {
  std::vector<Art*> found;
  for (Art* art : selected_) {
    if (Within(*art, top)) found.push_back(art);
  }
  for (Art* art : found) SetSelected(*art, false);
}

bool Document::IsArtVisible(const Art& art) const {
  for (const Art* at = &art; at && !at->root_; at = at->parent_) {
    if (UserAttributes(*at) & kArtHidden) return false;
  }
  return true;
}

bool Document::IsArtEditable(const Art& art) const {
  for (const Art* at = &art; at && !at->root_; at = at->parent_) {
    if (UserAttributes(*at) & kArtLocked) return false;
  }
  return true;
}

void Document::SetSegmentSelected(Art& path, std::int32_t index, bool selected) {
  if (path.type() != kPathArt) throw DocumentError(kBadParameterErr, "the art is not a path");
  auto& segments = path.path().segments;
  if (index < 0 || static_cast<std::size_t>(index) >= segments.size()) {
    throw DocumentError(kBadParameterErr, "segment index " + std::to_string(index) +
                                              " is not in a path of " +
                                              std::to_string(segments.size()));
  }
  segments[index].selected = selected;
  if (selected) {
    path.attributes_ |= kArtSelected;
    selected_.insert(&path);
  }
}

void Document::NoteSelectedAnchors(Art& path) {
  const auto& segments = std::as_const(path).path().segments;
  if (std::any_of(segments.begin(), segments.end(),
                  [](const Segment& segment) { return segment.selected; })) {
    selected_.insert(&path);
  }
}

void Document::DeselectAll() {
  const std::vector<Art*> found(selected_.begin(), selected_.end());
  for (Art* art : found) SetSelected(*art, false);
}

void Document::DeselectArtOnLayer(Layer& layer) {
  DeselectWithin(layer.group());
}

bool Document::LayerHasSelectedArt(const Layer& layer) const {
  const Art& top = layer.group();
  for (const Art* art : selected_) {
    if (!art->layer_ && (art->attributes_ & kArtSelected) != 0 && Within(*art, top)) return true;
  }
  return false;
}

// ---- Art sets

std::vector<Art*> Document::SelectedArt() const {
  std::vector<Art*> selected;
  for (Art* art : selected_) {
    if (!art->layer_ && (art->attributes_ & kArtSelected) != 0) selected.push_back(art);
  }
  SortFrontToBack(selected);  // in the walk's order: a container before its members
  return selected;
}

std::vector<Art*> Document::LayerArt(const Layer& layer) const {
  std::vector<Art*> members;
  ForEachArtIn(layer.group(), [&](Art& art) {
    if (!art.layer_) members.push_back(&art);
  });
  return members;
}

// ---- Styles and swatches

void Document::SetPathStyle(Art& art, const AIPathStyle& style) {
  CheckStyleField(style.fill.color, style.fillPaint != 0, *this, "fill");
  CheckStyleField(style.stroke.color, style.strokePaint != 0, *this, "stroke");
  const AIStrokeStyle& stroke = style.stroke;
  if (stroke.dash.length < 0 || stroke.dash.length > kMaxDashComponents || !(stroke.width >= 0)) {
    throw DocumentError(kBadParameterErr, "stroke width or dash out of range");
  }
  ApplyFocalStyle(art.appearance(), style);
}

bool Document::IsColorValid(const AIColor& color) const {
  switch (color.kind) {
    case kGrayColor:
    case kFourColor:
    case kThreeColor:
    case kNoneColor:
      return true;
    case kCustomColor:
      return swatches_.customColors.Find(color.c.c.color) != nullptr;
    case kPattern:
      return swatches_.patterns.Find(color.c.p.pattern) != nullptr;
    case kGradient:
      return swatches_.gradients.Find(color.c.b.gradient) != nullptr;
    default:
      return false;
  }
}

void Document::ReplaceColors(const std::function<void(AIColor&)>& replace) {
  ForEachArt([&](Art& art) {
    for (PaintField& field : art.appearance_.paint) {
      std::visit([&](auto& paint) { replace(paint.color); }, field);
    }
  });
  for (AIGradientHandle handle : swatches_.gradients.Handles()) {
    for (GradientStop& stop : swatches_.gradients.Find(handle)->stops) replace(stop.color);
  }
}

void Document::DeletePattern(AIPatternHandle handle) {
  const Pattern* pattern = swatches_.patterns.Find(handle);
  if (!pattern) throw DocumentError(kStaleHandleErr, "no such pattern");
  ReplaceColors([&](AIColor& color) {
    if (color.kind == kPattern && color.c.p.pattern == handle) color = pattern->color;
  });
  swatches_.patterns.Remove(handle);
}

void Document::DeleteCustomColor(AICustomColorHandle handle) {
  const CustomColor* custom = swatches_.customColors.Find(handle);
  if (!custom) throw DocumentError(kStaleHandleErr, "no such custom colour");
  ReplaceColors([&](AIColor& color) {
    if (color.kind == kCustomColor && color.c.c.color == handle) {
      color = TintedBase(*custom, color.c.c.tint);
    }
  });
  swatches_.customColors.Remove(handle);
}

void Document::DeleteGradient(AIGradientHandle handle) {
  const Gradient* gradient = swatches_.gradients.Find(handle);
  if (!gradient) throw DocumentError(kStaleHandleErr, "no such gradient");
  const AIColor flat = gradient->stops.empty() ? NoColor() : gradient->stops.front().color;
  ReplaceColors([&](AIColor& color) {
    if (color.kind == kGradient && color.c.b.gradient == handle) color = flat;
  });
  swatches_.gradients.Remove(handle);
}

}  // namespace host
