// The path style (focal fill and stroke), art styles (whole appearances) and their parser.
#include <algorithm>

#include "host/core/Faultable.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/SuiteSupport.h"
#include "hostapi/AIArtStyleParser.h"
#include "hostapi/AIPathStyle.h"

namespace host::suites {
namespace {

using Parser = Documents::Parser;

bool HasAppearance(const Art& art) {
  return art.type() == kPathArt || art.type() == kCompoundPathArt || art.type() == kTextFrameArt;
}

AIErr GetPathStyle(AIArtHandle handle, AIPathStyle* style, AIBoolean* hasAdvancedFill) {
  if (!Out(style, "GetPathStyle")) return kBadParameterErr;
  return WithArt(handle, "GetPathStyle", [&](Art& art) {
    if (!HasAppearance(art)) return kBadParameterErr;
    *style = Docs().current()->PathStyle(art);
    if (hasAdvancedFill != nullptr) *hasAdvancedFill = art.appearance().paint.size() > 2 ? 1 : 0;
    return kNoErr;
  });
}

AIErr SetPathStyle(AIArtHandle handle, const AIPathStyle* style) {
  if (!Out(style, "SetPathStyle")) return kBadParameterErr;
  return WithArt(handle, "SetPathStyle", [&](Art& art) {
    if (!HasAppearance(art)) return kBadParameterErr;
    return Edit([&] { Docs().current()->SetPathStyle(art, *style); });
  });
}

AIErr GetArtStyle(AIArtHandle handle, AIArtStyleHandle* style) {
  if (!Out(style, "GetArtStyle")) return kBadParameterErr;
  return WithArt(handle, "GetArtStyle", [&](Art& art) {
    *style = Docs().artStyles.Add(art.appearance());
    return kNoErr;
  });
}

AIErr SetArtStyle(AIArtHandle handle, AIArtStyleHandle style) {
  const Appearance* appearance = Docs().artStyles.Find(style);
  if (appearance == nullptr) {
    Log().Violation("SetArtStyle with an art style that is not of this document");
    return kStaleHandleErr;
  }
  return WithArt(handle, "SetArtStyle", [&](Art& art) {
    if (!HasAppearance(art)) return kBadParameterErr;
    for (const PaintField& field : appearance->paint) {
      const AIColor& color =
          std::visit([](const auto& f) -> const AIColor& { return f.color; }, field);
      if (!Docs().current()->IsColorValid(color)) return kStaleHandleErr;
    }
    art.appearance() = *appearance;
    Docs().MarkEdited();
    return kNoErr;
  });
}

Parser* FindParser(AIStyleParser parser, const char* function) {
  return FindLive(Docs().parsers, parser, function, "a parser");
}

PaintField* FindField(AIParserPaintField field, const char* function) {
  return FindLive(Docs().paintFields, field, function, "a paint field");
}

void ClearFields(Parser& parser) {
  for (AIParserPaintField field : parser.fields) Docs().paintFields.Remove(field);
  parser.fields.clear();
}

AIErr NewParser(AIStyleParser* parser) {
  if (!Out(parser, "NewParser")) return kBadParameterErr;
  *parser = Docs().parsers.Add({});
  return kNoErr;
}

AIErr DisposeParser(AIStyleParser handle) {
  Parser* parser = FindParser(handle, "DisposeParser");
  if (parser == nullptr) return kStaleHandleErr;
  ClearFields(*parser);
  Docs().parsers.Remove(handle);
  return kNoErr;
}

AIErr ParseStyle(AIStyleParser handle, AIArtStyleHandle style) {
  Parser* parser = FindParser(handle, "ParseStyle");
  if (parser == nullptr) return kStaleHandleErr;
  const Appearance* appearance = Docs().artStyles.Find(style);
  if (appearance == nullptr) {
    Log().Violation("ParseStyle with an art style that is not of this document");
    return kStaleHandleErr;
  }
  ClearFields(*parser);
  parser->parsed = *appearance;
  parser->parsed.paint.clear();
  parser->parsedAny = true;
  for (const PaintField& field : appearance->paint)
    parser->fields.push_back(Docs().paintFields.Add(field));
  return kNoErr;
}

// Every appearance the document holds is made of fills and strokes, which a parser represents.
AIBoolean IsStyleParseable(AIStyleParser handle) {
  Parser* parser = FindParser(handle, "IsStyleParseable");
  return parser != nullptr && parser->parsedAny ? 1 : 0;
}

AIErr CountPaintFields(AIStyleParser handle, std::int32_t* count) {
  if (!Out(count, "CountPaintFields")) return kBadParameterErr;
  Parser* parser = FindParser(handle, "CountPaintFields");
  if (parser == nullptr) return kStaleHandleErr;
  *count = static_cast<std::int32_t>(parser->fields.size());
  return kNoErr;
}

AIErr GetNthPaintField(AIStyleParser handle, std::int32_t index, AIParserPaintField* field) {
  if (!Out(field, "GetNthPaintField")) return kBadParameterErr;
  Parser* parser = FindParser(handle, "GetNthPaintField");
  if (parser == nullptr) return kStaleHandleErr;
  if (index < 0 || static_cast<std::size_t>(index) >= parser->fields.size()) {
    Log().Violation("GetNthPaintField with index " + std::to_string(index) + " out of range");
    return kBadParameterErr;
  }
  *field = parser->fields[static_cast<std::size_t>(index)];
  return kNoErr;
}

AIErr RemovePaintField(AIStyleParser handle, AIParserPaintField field) {
  Parser* parser = FindParser(handle, "RemovePaintField");
  if (parser == nullptr) return kStaleHandleErr;
  auto found = std::find(parser->fields.begin(), parser->fields.end(), field);
  if (found == parser->fields.end()) {
    Log().Violation("RemovePaintField of a field the parser does not hold");
    return kBadParameterErr;
  }
  parser->fields.erase(found);
  return kNoErr;
}

AIErr DeletePaintField(AIParserPaintField field) {
  if (FindField(field, "DeletePaintField") == nullptr) return kStaleHandleErr;
  bool held = false;
  Docs().parsers.ForEach([&](AIStyleParser, const Parser& parser) {
    held =
        held || std::find(parser.fields.begin(), parser.fields.end(), field) != parser.fields.end();
  });
  if (held) {
    Log().Violation("DeletePaintField of a field still held by its parser");
    return kBadParameterErr;
  }
  Docs().paintFields.Remove(field);
  return kNoErr;
}

AIBoolean IsStroke(AIParserPaintField field) {
  PaintField* found = FindField(field, "IsStroke");
  return found != nullptr && std::holds_alternative<AIStrokeStyle>(*found) ? 1 : 0;
}

AIBoolean IsFill(AIParserPaintField field) {
  PaintField* found = FindField(field, "IsFill");
  return found != nullptr && std::holds_alternative<AIFillStyle>(*found) ? 1 : 0;
}

// The host keeps nothing beyond the stroke style per stroke; the record is read as zeros.
AIErr GetStroke(AIParserPaintField field, AIStrokeStyle* stroke, AIArtStylePaintData* data) {
  if (!Out(stroke, "GetStroke")) return kBadParameterErr;
  PaintField* found = FindField(field, "GetStroke");
  if (found == nullptr) return kStaleHandleErr;
  const auto* style = std::get_if<AIStrokeStyle>(found);
  if (style == nullptr) {
    Log().Violation("GetStroke of a fill");
    return kBadParameterErr;
  }
  *stroke = *style;
  if (data != nullptr) *data = AIArtStylePaintData{};
  return kNoErr;
}

AIErr SetStroke(AIParserPaintField field, const AIStrokeStyle* stroke, const AIArtStylePaintData*) {
  if (!Out(stroke, "SetStroke")) return kBadParameterErr;
  PaintField* found = FindField(field, "SetStroke");
  if (found == nullptr) return kStaleHandleErr;
  if (!std::holds_alternative<AIStrokeStyle>(*found)) {
    Log().Violation("SetStroke of a fill");
    return kBadParameterErr;
  }
  if (!(stroke->width >= 0) || stroke->dash.length < 0 ||
      stroke->dash.length > kMaxDashComponents) {
    Log().Violation("SetStroke with a negative or not-a-number width or a bad dash length");
    return kBadParameterErr;
  }
  *found = *stroke;
  return kNoErr;
}

AIErr CreateNewStyle(AIStyleParser handle, AIArtStyleHandle* style) {
  if (!Out(style, "CreateNewStyle")) return kBadParameterErr;
  Parser* parser = FindParser(handle, "CreateNewStyle");
  if (parser == nullptr) return kStaleHandleErr;
  if (Docs().Require("CreateNewStyle") == nullptr) return kNoDocumentErr;
  Appearance appearance = parser->parsed;
  for (AIParserPaintField field : parser->fields)
    appearance.paint.push_back(*Docs().paintFields.Find(field));
  *style = Docs().artStyles.Add(std::move(appearance));
  return kNoErr;
}

}  // namespace

const AIPathStyleSuite* PathStyleSuite() {
  static const AIPathStyleSuite suite = {HOST_FAULTABLE(GetPathStyle),
                                         HOST_FAULTABLE(SetPathStyle)};
  return &suite;
}

const AIArtStyleSuite* ArtStyleSuite() {
  static const AIArtStyleSuite suite = {HOST_FAULTABLE(GetArtStyle), HOST_FAULTABLE(SetArtStyle)};
  return &suite;
}

const AIArtStyleParserSuite* ArtStyleParserSuite() {
  static const AIArtStyleParserSuite suite = {HOST_FAULTABLE(NewParser),
                                              HOST_FAULTABLE(DisposeParser),
                                              HOST_FAULTABLE(ParseStyle),
                                              &IsStyleParseable,
                                              HOST_FAULTABLE(CountPaintFields),
                                              HOST_FAULTABLE(GetNthPaintField),
                                              HOST_FAULTABLE(RemovePaintField),
                                              HOST_FAULTABLE(DeletePaintField),
                                              &IsStroke,
                                              &IsFill,
                                              HOST_FAULTABLE(GetStroke),
                                              HOST_FAULTABLE(SetStroke),
                                              HOST_FAULTABLE(CreateNewStyle)};
  return &suite;
}

}  // namespace host::suites
