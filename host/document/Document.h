// A document of the headless host: layers, their art, swatches and the view. Layer index 0 and
// the first member of every container are front-most; walks and art sets run front to back, a
// container before its members. Operations the host would refuse throw DocumentError with the
// host's code and leave the document unchanged.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/document/Art.h"
#include "host/document/ObjectRegistry.h"
#include "host/document/Swatches.h"

namespace host {

struct DocumentView {
  AIReal zoom = 1;        // screen pixels per point
  bool snapping = false;  // snap tracked points to anchors
};

class Document {
 public:
  Document();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Tells this document's handles from those of every other live document.
  std::uint16_t serial() const { return serial_; }

  // ---- Layers
  // A new layer placed by paint order against reference: above or below it, or as its front-most
  // or back-most sublayer. With no reference, above puts it at the top of the list and below at
  // the bottom. Empty ids are generated. The first layer made becomes the current layer.
  Layer& NewLayer(Layer* reference, AIPaintOrder order, std::string title = {},
                  std::string id = {});
  void MoveLayer(Layer& layer, Layer* reference, AIPaintOrder order);
  // Removes the layer with its art and sublayers; their handles become stale.
  void DeleteLayer(Layer& layer);

  std::int32_t CountLayers() const;           // top-level layers
  Layer* NthLayer(std::int32_t index) const;  // 0 is the top; null out of range
  Layer* FirstLayer() const { return NthLayer(0); }
  Layer* NextLayer(const Layer& layer) const;    // the sibling below, same parent
  Layer* ParentLayer(const Layer& layer) const;  // null for a top-level layer
  Layer* FirstSublayer(const Layer& layer) const;
  // Every layer and sublayer, parent before children, top to bottom.
  Layer* NextPreorderLayer(const Layer& layer) const;
  Layer* LayerOfArt(const Art& art) const;  // innermost layer holding the art
  Layer* currentLayer() const { return current_; }
  void SetCurrentLayer(Layer& layer) { current_ = &layer; }
  Layer* FindLayer(std::string_view id) const;

  // ---- Art
  // New art placed by paint order against reference (a container for the inside orders).
  Art& NewArt(AIArtType type, AIPaintOrder order, Art& reference, std::string id = {});
  // A deep copy with new ids, placed like new art.
  Art& DuplicateArt(const Art& source, AIPaintOrder order, Art& reference);
  void MoveArt(Art& art, AIPaintOrder order, Art& reference);
  // Removes the art and its members; their handles become stale. Layer groups are refused.
  void DisposeArt(Art& art);
  Art* FindArt(std::string_view id) const;
  std::size_t ArtCount() const;  // art objects, layer groups excluded
  // Art made, or reached for change through a non-const content or appearance accessor, since
  // the last call; stale handles among them belong to art disposed since. Indexes of the
  // document's geometry keep themselves current with this.
  std::vector<AIArtHandle> TakeChangedArt();
  // Grows whenever art already in the document changes its place in paint order (art or a layer
  // moved); making or removing art leaves the order of the rest as it was.
  std::uint64_t arrangement() const { return arrangement_; }

  // ---- Handles: null, or the status, for handles that are stale or not of this document.
  Art* FindArt(AIArtHandle handle) const { return art_.Find(handle); }
  HandleStatus Status(AIArtHandle handle) const { return art_.Status(handle); }
  Layer* FindLayer(AILayerHandle handle) const { return layers_.Find(handle); }
  HandleStatus Status(AILayerHandle handle) const { return layers_.Status(handle); }

  // ---- User attributes and selection
  AIArtUserAttr UserAttributes(const Art& art) const;
  // Selecting or deselecting a container does the same to all its members, and to every anchor
  // of a path. Locking or hiding a layer group locks or hides its layer.
  void SetUserAttributes(Art& art, AIArtUserAttr mask, AIArtUserAttr value);
  // Neither the art nor an enclosing art or layer is hidden (locked).
  bool IsArtVisible(const Art& art) const;
  bool IsArtEditable(const Art& art) const;
  // Selecting an anchor selects its path; deselecting the last one leaves the path selected.
  void SetSegmentSelected(Art& path, std::int32_t index, bool selected);
  // For readers that set anchors' selection in a path's geometry themselves.
  void NoteSelectedAnchors(Art& path);
  void DeselectAll();
  void DeselectArtOnLayer(Layer& layer);
  // Whether any art in the layer or its sublayers is selected; stops at the first.
  bool LayerHasSelectedArt(const Layer& layer) const;

  // ---- Art sets, front to back
  std::vector<Art*> SelectedArt() const;  // selected art, layer groups excluded
  // Every art in the layer and its sublayers, layer groups excluded.
  std::vector<Art*> LayerArt(const Layer& layer) const;

  // ---- Styles and swatches
  AIPathStyle PathStyle(const Art& art) const { return FocalStyle(art.appearance()); }
  // Refuses (kStaleHandleErr) a style whose colours name swatches not in this document.
  void SetPathStyle(Art& art, const AIPathStyle& style);
  // A gray, four- or three-colour value, or a live swatch of this document (patterns and
  // gradients need process or custom colours of this document in turn).
  bool IsColorValid(const AIColor& color) const;
  SwatchLibrary& swatches() { return swatches_; }
  const SwatchLibrary& swatches() const { return swatches_; }
  // Deleting a swatch turns the colours that use it into flat colours (custom colours: base and
  // tint; patterns: their colour; gradients: their first stop) and makes its handle stale.
  void DeletePattern(AIPatternHandle pattern);
  void DeleteCustomColor(AICustomColorHandle color);
  void DeleteGradient(AIGradientHandle gradient);

  DocumentView& view() { return view_; }
  const DocumentView& view() const { return view_; }

  // Visits every art object (layer groups included) below container, front to back, each
  // container before its members.
  template <typename Visit>
  void ForEachArtIn(const Art& container, Visit visit) const {
    for (const Art* art = container.firstChild(); art; art = NextInWalk(*art, container)) {
      visit(const_cast<Art&>(*art));
    }
  }
  // All art of the document, from the first layer down.
  template <typename Visit>
  void ForEachArt(Visit visit) const {
    ForEachArtIn(*root_, visit);
  }

 private:
  static const Art* NextInWalk(const Art& art, const Art& top);
  Art& CreateArt(AIArtType type, std::string id);
  std::string UniqueArtId();
  void CheckPlacement(const Art& art, AIPaintOrder order, const Art& reference) const;
  void Place(Art& art, AIPaintOrder order, Art& reference);
  void Link(Art& art, Art& parent, Art* before);
  void Unlink(Art& art);
  static void Order(Art& art);
  Art& CopyArt(const Art& source, Art* parent, Art* before);
  void DestroySubtree(Art& top);
  void SetSelected(Art& art, bool selected);
  // Deselects art and every art below it that is selected or has selected anchors.
  void DeselectWithin(Art& top);
  Layer* LayerAt(const Art& container, std::int32_t index) const;
  Layer* LayerAfter(const Art& group) const;
  void ReplaceColors(const std::function<void(AIColor&)>& replace);

  std::uint16_t serial_;
  ObjectRegistry<Art, AIArtHandle> art_;
  ObjectRegistry<Layer, AILayerHandle> layers_;
  std::unique_ptr<Art> root_;  // holds the layer groups of the top-level layers
  std::unordered_map<std::string, Art*> artById_;
  std::unordered_map<std::string, Layer*> layerById_;
  unsigned generatedArtIds_ = 0;
  unsigned generatedLayerIds_ = 0;
  Layer* current_ = nullptr;
  SwatchLibrary swatches_;
  DocumentView view_;
  std::vector<AIArtHandle> changedArt_;
  std::uint64_t arrangement_ = 0;
  // Every art that is selected or has selected anchors, so that deselecting on a large map
  // reaches only these.
  std::unordered_set<Art*> selected_;
};

}  // namespace host
