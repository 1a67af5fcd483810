// The host's open document and the objects the plug-in holds in it: art sets, style parsers and
// removed paint fields (counted until given back), and the art styles the document keeps. The
// document suites reach everything through here and report misuse as violations.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/core/HandleTable.h"
#include "host/core/Transcript.h"
#include "host/document/Appearance.h"
#include "host/document/Document.h"
#include "host/suites/ArtIndex.h"
#include "hostapi/AIArtStyleParser.h"
#include "hostapi/AIHitTest.h"

namespace host {

class Documents {
 public:
  explicit Documents(Transcript& transcript) : transcript_(transcript) {}

  Document* current() const { return document_.get(); }
  // Makes document the open one (null closes it); what the plug-in held in the old one is
  // reported and forgotten.
  void Replace(std::unique_ptr<Document> document);

  // The document, or null after recording what function needed it for.
  Document* Require(const char* function);
  // The art or layer of a live handle; null (with a violation naming function) otherwise.
  Art* FindArt(AIArtHandle art, const char* function);
  Layer* FindLayer(AILayerHandle layer, const char* function);
  // The error code for a handle that FindArt or FindLayer refused.
  AIErr RefusalCode() const { return refusal_; }

  // Edits mark the document changed; the host notifies once the plug-in's call has returned.
  // Each edit is shown to the check the host gives (see Host), if any.
  void MarkEdited() {
    edited_ = true;
    if (editCheck_) editCheck_();
  }
  void SetEditCheck(std::function<void()> check) { editCheck_ = std::move(check); }
  void MarkLayersChanged() { layersChanged_ = true; }
  bool TakeEdited() { return std::exchange(edited_, false); }
  bool TakeLayersChanged() { return std::exchange(layersChanged_, false); }

  // Art sets made by NewArtSet.
  using ArtList = std::vector<AIArtHandle>;
  HandleTable<ArtList, AIArtSetHandle, kArtSetHandle> artSets;
  // Art styles the document keeps; never given back by the plug-in.
  HandleTable<Appearance, AIArtStyleHandle, kArtStyleHandle> artStyles;
  struct Parser {
    std::vector<AIParserPaintField> fields;  // in appearance order, front-most first
    Appearance parsed;                       // the flags of the parsed style
    bool parsedAny = false;
  };
  HandleTable<Parser, AIStyleParser, kParserHandle> parsers;
  HandleTable<PaintField, AIParserPaintField, kPaintFieldHandle> paintFields;

  // The pixels of raster art made by Rasterize, by the art's handle: rows top to bottom, 3 bytes
  // per pixel, red first. The art itself lives in the document.
  struct RasterPixels {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> bytes;
  };
  void AddRaster(AIArtHandle art, RasterPixels pixels);
  // The pixels of live raster art; null for other art or raster art read from a file.
  const RasterPixels* FindRaster(AIArtHandle art) const;
  // Raster art made by Rasterize that is still in the document.
  std::size_t LiveRasterCount() const;

  // Results of hit tests, counted until released.
  struct Hit {
    AIArtHandle art = nullptr;  // null: nothing was hit
    std::int32_t type = -1;
    std::int16_t segment = 0;
    AIReal parameter = 0;
  };
  HandleTable<Hit, AIHitRef, kHitHandle> hits;
  // The spatial index of the open document, for hit tests; made afresh with every document.
  ArtIndex& artIndex() { return artIndex_; }

  // Reports art sets, parsers and paint fields still held, and forgets them.
  void CheckAllReleased(const char* when);
  // One line per count, for the status command.
  std::string HeldSummary() const;

 private:
  void Refuse(AIErr code, const std::string& what);
  template <typename Object, typename Handle>
  Object* FindObject(Handle handle, const char* function, const char* what);

  Transcript& transcript_;
  std::unique_ptr<Document> document_;
  ArtIndex artIndex_;
  AIErr refusal_ = kNoErr;
  std::map<AIArtHandle, RasterPixels> rasters_;
  std::function<void()> editCheck_;
  bool edited_ = false;
  bool layersChanged_ = false;
};

// Runs a document edit, turning the model's refusal into its host code (no violation: the host
// application refuses such calls too).
template <typename Edit>
AIErr RunEdit(Edit edit) {
  try {
    edit();
    return kNoErr;
  } catch (const DocumentError& error) {
    return error.code();
  }
}

}  // namespace host
