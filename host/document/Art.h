// Art objects and layers of a document. Members of a container run front to back: the first
// child is painted last. Every layer owns a layer group, an art object that holds the layer's art
// and the layer groups of its sublayers, in one paint order. Only the Document links, creates and
// destroys them; the content of an art object is edited directly.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "host/document/Appearance.h"
#include "host/document/PathGeometry.h"
#include "hostapi/AITypes.h"

namespace host {

class Document;
class Layer;

struct TextContent {
  std::string text;      // UTF-8
  AIRealPoint anchor{};  // start of the baseline of the first line
  AIReal fontSize = 12;
};

// Placed images and raster art: where they sit and what they show.
struct ImageContent {
  AIRealRect bounds{};  // artwork coordinates, top above bottom
  std::string source;   // file name of a placed image; a description of raster art
};

class Art {
 public:
  Art(const Art&) = delete;
  Art& operator=(const Art&) = delete;

  AIArtType type() const { return type_; }
  const std::string& id() const { return id_; }  // empty for layer groups
  AIArtHandle handle() const { return handle_; }

  // The enclosing art; null for the layer group of a top-level layer.
  Art* parent() const { return parent_ && !parent_->root_ ? parent_ : nullptr; }
  Art* firstChild() const { return firstChild_; }  // front-most member
  Art* lastChild() const { return lastChild_; }    // back-most member
  Art* inFront() const { return previous_; }       // the sibling directly in front
  Art* behind() const { return next_; }            // the sibling directly behind
  // Grows from the front-most member of a container to the back-most, so that two siblings'
  // paint order is one comparison; the values themselves mean nothing.
  std::uint64_t siblingOrder() const { return order_; }

  bool IsLayerGroup() const { return layer_ != nullptr; }
  Layer* ownerLayer() const { return layer_; }  // the layer of a layer group, else null
  bool IsContainer() const { return type_ == kGroupArt || type_ == kCompoundPathArt || root_; }

  // The art's own selected, locked and hidden bits. The document's UserAttributes also answers
  // for layer groups, whose locked and hidden states are those of their layer.
  AIArtUserAttr ownAttributes() const { return attributes_; }

  // Content by type; asking for content of another type is a programming error and throws.
  // The non-const accessors log the art as changed (see Document::TakeChangedArt).
  PathGeometry& path() { return Touch(), std::get<PathGeometry>(content_); }
  const PathGeometry& path() const { return std::get<PathGeometry>(content_); }
  TextContent& text() { return Touch(), std::get<TextContent>(content_); }
  const TextContent& text() const { return std::get<TextContent>(content_); }
  ImageContent& image() { return Touch(), std::get<ImageContent>(content_); }
  const ImageContent& image() const { return std::get<ImageContent>(content_); }

  // Fills and strokes; used by paths, compound paths and text frames.
  Appearance& appearance() { return Touch(), appearance_; }
  const Appearance& appearance() const { return appearance_; }

 private:
  friend class Document;
  explicit Art(AIArtType type);
  // Logs the art once in its document's change log, until the log is taken.
  void Touch() {
    if (changes_ != nullptr && !changeLogged_) {
      changeLogged_ = true;
      changes_->push_back(handle_);
    }
  }

  AIArtType type_;
  bool root_ = false;
  std::string id_;
  AIArtHandle handle_ = nullptr;
  AIArtUserAttr attributes_ = 0;
  Art* parent_ = nullptr;
  Art* firstChild_ = nullptr;
  Art* lastChild_ = nullptr;
  Art* previous_ = nullptr;
  Art* next_ = nullptr;
  std::uint64_t order_ = 0;
  Layer* layer_ = nullptr;
  std::uint32_t layerChildren_ = 0;  // layer groups among the children, to skip plain layers
  std::variant<std::monostate, PathGeometry, TextContent, ImageContent> content_;
  Appearance appearance_;
  std::vector<AIArtHandle>* changes_ = nullptr;
  bool changeLogged_ = false;
};

class Layer {
 public:
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  const std::string& id() const { return id_; }
  AILayerHandle handle() const { return handle_; }
  Art& group() const { return *group_; }

  std::string title;  // UTF-8
  bool visible = true;
  bool editable = true;

 private:
  friend class Document;
  Layer() = default;

  std::string id_;
  AILayerHandle handle_ = nullptr;
  Art* group_ = nullptr;
};

}  // namespace host
