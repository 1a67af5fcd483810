#include "tools/StrokeWidthChange.h"

#include <limits>
#include <vector>

#include "engine/ArtSet.h"
#include "frame/SuiteTables.h"

namespace {

// A style parser of the host, disposed of on every way out.
class StyleParser {
 public:
  StyleParser() : error_(sAIArtStyleParser->NewParser(&parser_)) {
    if (error_ != kNoErr) parser_ = nullptr;
  }
  ~StyleParser() {
    if (parser_ != nullptr) sAIArtStyleParser->DisposeParser(parser_);
  }
  StyleParser(const StyleParser&) = delete;
  StyleParser& operator=(const StyleParser&) = delete;

  AIStyleParser get() const { return parser_; }
  // The host's answer when it made no parser.
  ASErr error() const { return error_; }

 private:
  AIStyleParser parser_ = nullptr;
  ASErr error_ = kNoErr;
};

// Changes the strokes of one parsed style; *changed tells whether any stroke was met.
ASErr ChangeStrokes(AIStyleParser parser, const WidthModifierSettings& settings, bool* changed) {
  std::int32_t count = 0;
  if (ASErr error = sAIArtStyleParser->CountPaintFields(parser, &count)) return error;
  std::vector<std::int32_t> removals;
  for (std::int32_t index = 0; index < count; ++index) {
    AIParserPaintField field = nullptr;
    if (ASErr error = sAIArtStyleParser->GetNthPaintField(parser, index, &field)) return error;
    if (!sAIArtStyleParser->IsStroke(field)) continue;
    AIStrokeStyle stroke{};
    AIArtStylePaintData data;
    for (AIReal& value : data.field) value = std::numeric_limits<AIReal>::max();
    if (ASErr error = sAIArtStyleParser->GetStroke(field, &stroke, &data)) return error;
    const double width = NewStrokeWidth(stroke.width, settings);
    if (width > 0.0) {
      stroke.width = width;
      if (ASErr error = sAIArtStyleParser->SetStroke(field, &stroke, &data)) return error;
    } else {
      removals.push_back(index);
    }
    *changed = true;
  }
  // From the last to the first, so that the indices still name the fields met.
  for (auto index = removals.rbegin(); index != removals.rend(); ++index) {
    AIParserPaintField field = nullptr;
    if (sAIArtStyleParser->GetNthPaintField(parser, *index, &field) != kNoErr) continue;
    if (sAIArtStyleParser->RemovePaintField(parser, field) == kNoErr)
      sAIArtStyleParser->DeletePaintField(field);
  }
  return kNoErr;
}

}  // namespace

ASErr ChangeSelectedStrokeWidths(const WidthModifierSettings& settings) {
  ArtSet selection;
  // Without a document there is nothing to change, and the command still ends well.
  if (AIErr error = selection.FillFromSelection(); error != kNoErr)
    return error == kNoDocumentErr ? kNoErr : error;
  for (std::uint64_t index = 0; index < selection.Count(); ++index) {
    AIArtHandle art = nullptr;
    if (ASErr error = selection.Get(static_cast<std::int64_t>(index), &art)) return error;
    if (art == nullptr) continue;
    AIArtType type = kUnknownArt;
    if (ASErr error = sAIArt->GetArtType(art, &type)) return error;
    // Groups and compound paths are left alone; their paths are changed when they are selected.
    if (type != kPathArt) continue;
    AIArtStyleHandle style = nullptr;
    if (ASErr error = sAIArtStyle->GetArtStyle(art, &style)) return error;
    StyleParser parser;
    // Without a parser the command cannot go on; ending quietly would pass for success.
    if (parser.get() == nullptr) return parser.error() != kNoErr ? parser.error() : kCantHappenErr;
    if (ASErr error = sAIArtStyleParser->ParseStyle(parser.get(), style)) return error;
    if (!sAIArtStyleParser->IsStyleParseable(parser.get())) continue;
    bool changed = false;
    if (ASErr error = ChangeStrokes(parser.get(), settings, &changed)) return error;
    if (!changed) continue;
    AIArtStyleHandle newStyle = nullptr;
    if (ASErr error = sAIArtStyleParser->CreateNewStyle(parser.get(), &newStyle)) return error;
    if (ASErr error = sAIArtStyle->SetArtStyle(art, newStyle)) return error;
  }
  return kNoErr;
}
