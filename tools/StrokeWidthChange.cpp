#include "tools/StrokeWidthChange.h"

#include <limits>
#include <vector>

#include "engine/ArtSet.h"
#include "frame/SuiteTables.h"

namespace {

// A style parser of the host, disposed of on every way out.
class StyleParser {
 public:
  StyleParser() {
    if (sAIArtStyleParser->NewParser(&parser_) != kNoErr) parser_ = nullptr;
  }
  ~StyleParser() {
    if (parser_ != nullptr) sAIArtStyleParser->DisposeParser(parser_);
  }
  StyleParser(const StyleParser&) = delete;
  StyleParser& operator=(const StyleParser&) = delete;

  AIStyleParser get() const { return parser_; }

 private:
  AIStyleParser parser_ = nullptr;
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
  selection.FillFromSelection();
  for (std::uint64_t index = 0; index < selection.Count(); ++index) {
    AIArtHandle art = selection.Get(static_cast<std::int64_t>(index));
    if (art == nullptr) continue;
    AIArtType type = kUnknownArt;
    if (ASErr error = sAIArt->GetArtType(art, &type)) return error;
    // Groups and compound paths are left alone; their paths are changed when they are selected.
    if (type != kPathArt) continue;
    AIArtStyleHandle style = nullptr;
    if (ASErr error = sAIArtStyle->GetArtStyle(art, &style)) return error;
    StyleParser parser;
    if (parser.get() == nullptr) return kNoErr;
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
