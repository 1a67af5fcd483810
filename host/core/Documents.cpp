#include "host/core/Documents.h"

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
  document_ = std::move(document);
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
  artSets.Clear();
  parsers.Clear();
  paintFields.Clear();
}

std::string Documents::HeldSummary() const {
  return "art sets " + std::to_string(artSets.Count()) + ", parsers " +
         std::to_string(parsers.Count());
}

}  // namespace host
