// Reading and editing the paint fields of an art style through a parser. A parser made with
// NewParser is owned by the plug-in until DisposeParser; the host counts live parsers.
#pragma once

#include "hostapi/AIArtStyle.h"
#include "hostapi/AIPathStyle.h"

constexpr char kAIArtStyleParserSuite[] = "AI Art Style Parser Suite";
constexpr std::int32_t kAIArtStyleParserSuiteVersion = 9;

using AIStyleParser = struct _AIStyleParser*;
// A fill or stroke of a parsed style; owned by its parser until removed from it.
using AIParserPaintField = struct _AIParserPaintField*;

// What accompanies a stroke in the appearance beyond its stroke style; the host reads and
// writes it whole.
struct AIArtStylePaintData {
  AIReal field[8];
};

struct AIArtStyleParserSuite {
  AIErr (*NewParser)(AIStyleParser* parser);
  AIErr (*DisposeParser)(AIStyleParser parser);
  // Reads style into the parser, replacing what it held.
  AIErr (*ParseStyle)(AIStyleParser parser, AIArtStyleHandle style);
  // False when the last parsed style holds something the parser cannot represent.
  AIBoolean (*IsStyleParseable)(AIStyleParser parser);
  AIErr (*CountPaintFields)(AIStyleParser parser, std::int32_t* count);
  AIErr (*GetNthPaintField)(AIStyleParser parser, std::int32_t index, AIParserPaintField* field);
  // Takes field out of the parser's list; it then belongs to the plug-in until DeletePaintField.
  AIErr (*RemovePaintField)(AIStyleParser parser, AIParserPaintField field);
  AIErr (*DeletePaintField)(AIParserPaintField field);
  AIBoolean (*IsStroke)(AIParserPaintField field);
  AIBoolean (*IsFill)(AIParserPaintField field);
  AIErr (*GetStroke)(AIParserPaintField field, AIStrokeStyle* stroke, AIArtStylePaintData* data);
  AIErr (*SetStroke)(AIParserPaintField field, const AIStrokeStyle* stroke,
                     const AIArtStylePaintData* data);
  // Makes a new art style of the document from what the parser holds.
  AIErr (*CreateNewStyle)(AIStyleParser parser, AIArtStyleHandle* style);
};
