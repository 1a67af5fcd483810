#include "host/core/Documents.h"

namespace host {

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

Art* Documents::FindArt(AIArtHandle art, const char* function) {
  if (Require(function) == nullptr) return nullptr;
  if (art == nullptr) {
    Refuse(kBadParameterErr, std::string(function) + " with a null art handle");
    return nullptr;
  }
  switch (document_->Status(art)) {
    case HandleStatus::kLive:
      return document_->FindArt(art);
    case HandleStatus::kStale:
      Refuse(kStaleHandleErr, std::string(function) + " with a stale art handle");
      return nullptr;
    case HandleStatus::kForeign:
      break;
  }
  Refuse(kStaleHandleErr, std::string(function) + " with a handle that is not art of this document");
  return nullptr;
}

Layer* Documents::FindLayer(AILayerHandle layer, const char* function) {
  if (Require(function) == nullptr) return nullptr;
  if (layer == nullptr) {
    Refuse(kBadParameterErr, std::string(function) + " with a null layer handle");
    return nullptr;
  }
  switch (document_->Status(layer)) {
    case HandleStatus::kLive:
      return document_->FindLayer(layer);
    case HandleStatus::kStale:
      Refuse(kStaleHandleErr, std::string(function) + " with a stale layer handle");
      return nullptr;
    case HandleStatus::kForeign:
      break;
  }
  Refuse(kStaleHandleErr,
         std::string(function) + " with a handle that is not a layer of this document");
  return nullptr;
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
