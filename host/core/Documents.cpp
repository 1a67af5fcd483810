#include "host/core/Documents.h"

#include <algorithm>

namespace host {
namespace {

Art* Lookup(const Document& document, AIArtHandle art) {
  return document.FindArt(art);
}
Layer* Lookup(const Document& document, AILayerHandle layer) {
  return document.FindLayer(layer);
}

}  // namespace

void Documents::Replace(std::unique_ptr<Document> document) {
  CheckAllReleased("when the document was closed");
  artStyles.Clear();
  rasters_.clear();
  document_ = std::move(document);
  artIndex_ = ArtIndex();
  edited_ = true;
  layersChanged_ = true;
}

void Documents::Refuse(AIErr code, const std::string& what) {
  refusal_ = code;
  transcript_.Violation(what);
}

Document* Documents::Require(const char* function) {
  if (document_ == nullptr) {
    refusal_ = kNoDocumentErr;
    transcript_.Line(std::string(function) + ": no document is open");
  }
  return document_.get();
}

template <typename Object, typename Handle>
Object* Documents::FindObject(Handle handle, const char* function, const char* what) {
  if (Require(function) == nullptr) return nullptr;
  if (handle == nullptr) {
    Refuse(kBadParameterErr, std::string(function) + " with a null " + what + " handle");
    return nullptr;
  }
  switch (document_->Status(handle)) {
    case HandleStatus::kLive:
      return Lookup(*document_, handle);
    case HandleStatus::kStale:
      Refuse(kStaleHandleErr, std::string(function) + " with a stale " + what + " handle");
      return nullptr;
    case HandleStatus::kForeign:
      break;
  }
  Refuse(kStaleHandleErr,
         std::string(function) + " with a handle that is not " + what + " of this document");
  return nullptr;
}

Art* Documents::FindArt(AIArtHandle art, const char* function) {
  return FindObject<Art>(art, function, "art");
}

Layer* Documents::FindLayer(AILayerHandle layer, const char* function) {
  return FindObject<Layer>(layer, function, "layer");
}

void Documents::CheckAllReleased(const char* when) {
  if (artSets.Count() != 0) {
    transcript_.Violation(std::to_string(artSets.Count()) + " art set(s) never disposed " + when);
  }
  if (parsers.Count() != 0) {
    transcript_.Violation(std::to_string(parsers.Count()) + " style parser(s) never disposed " +
                          when);
  }
  std::size_t loose = paintFields.Count();
  parsers.ForEach([&loose](AIStyleParser, const Parser& parser) { loose -= parser.fields.size(); });
  if (loose != 0) {
    transcript_.Violation(std::to_string(loose) + " removed paint field(s) never deleted " + when);
  }
  if (hits.Count() != 0) {
    transcript_.Violation(std::to_string(hits.Count()) + " hit reference(s) never released " +
                          when);
  }
  artSets.Clear();
  hits.Clear();
  parsers.Clear();
  paintFields.Clear();
}

const Documents::RasterPixels* Documents::FindRaster(AIArtHandle art) const {
  if (document_ == nullptr || document_->Status(art) != HandleStatus::kLive) return nullptr;
  auto found = rasters_.find(art);
  return found == rasters_.end() ? nullptr : &found->second;
}

void Documents::AddRaster(AIArtHandle art, RasterPixels pixels) {
  // Pixels of raster art removed since are forgotten here.
  std::erase_if(rasters_, [this](const auto& entry) {
    return document_ == nullptr || document_->Status(entry.first) != HandleStatus::kLive;
  });
  rasters_[art] = std::move(pixels);
}

std::size_t Documents::LiveRasterCount() const {
  return static_cast<std::size_t>(
      std::count_if(rasters_.begin(), rasters_.end(), [this](const auto& entry) {
        return document_ != nullptr && document_->Status(entry.first) == HandleStatus::kLive;
      }));
}

std::string Documents::HeldSummary() const {
  return "art sets " + std::to_string(artSets.Count()) + ", parsers " +
         std::to_string(parsers.Count()) + ", rasters " + std::to_string(LiveRasterCount());
}

}  // namespace host
