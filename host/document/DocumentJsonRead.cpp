// Reading document files into a new document.
#include <fstream>
#include <sstream>
#include <unordered_set>

#include "host/document/Colors.h"
#include "host/document/DocumentJson.h"
#include "host/document/DocumentJsonLimits.h"
#include "host/document/DocumentJsonNames.h"
#include "host/document/JsonFields.h"

namespace host {
namespace {

using namespace json_fields;
using namespace json_limits;

constexpr unsigned KindBit(AIColorTag kind) {
  return 1u << static_cast<unsigned>(kind);
}
constexpr unsigned kProcessKinds = KindBit(kGrayColor) | KindBit(kFourColor) | KindBit(kThreeColor);
constexpr unsigned kStopKinds = kProcessKinds | KindBit(kCustomColor);
constexpr unsigned kPaintKinds =
    kStopKinds | KindBit(kNoneColor) | KindBit(kPattern) | KindBit(kGradient);

template <typename Value, std::size_t N>
Value ReadName(ObjectReader& object, std::string_view key,
               const json_names::NameTable<Value> (&table)[N], Value fallback) {
  const Json* member = object.Find(key);
  if (!member) return fallback;
  const std::string name = ReadString(*member, object.PathOf(key));
  if (const auto value = json_names::ValueOf(table, name)) return *value;
  Fail(object.PathOf(key), "unknown value \"" + name + "\"");
}

AIRealMatrix ReadMatrix(ObjectReader& object, std::string_view key) {
  const Json* member = object.Find(key);
  if (!member) return IdentityMatrix();
  const Where where = object.PathOf(key);
  if (!member->IsArray() || member->size() != 6) {
    Fail(where, "expected a matrix [a, b, c, d, tx, ty]");
  }
  double values[6];
  for (std::size_t i = 0; i < 6; ++i) {
    values[i] = ReadNumber((*member)[i], where.Element(i), -kMaxCoordinate, kMaxCoordinate);
  }
  return AIRealMatrix{values[0], values[1], values[2], values[3], values[4], values[5]};
}

class Reader {
 public:
  explicit Reader(Document& document) : document_(document) {}

  void ReadRoot(const Json& json) {
    const Where document;
    ObjectReader root(json, document);
    if (root.String("format") != kFormatName) {
      Fail(root.PathOf("format"), std::string("expected \"") + kFormatName + "\"");
    }
    root.Number("version", kFormatVersion, kFormatVersion);
    if (const Json* swatches = root.Find("swatches"))
      ReadSwatches(*swatches, root.PathOf("swatches"));
    const Where list = root.PathOf("layers");
    const Json& layers = ReadArray(root.Get("layers"), list);
    ReserveIds(layers, 0);
    for (std::size_t i = 0; i < layers.size(); ++i) {
      ObjectReader layer(layers[i], list.Element(i));
      if (layer.Find("type") && layer.String("type") != json_names::kSublayerType) {
        Fail(layer.PathOf("type"), "a top-level entry must be a layer");
      }
      ReadLayer(layer, nullptr, 1);
    }
    if (const Json* view = root.Find("view")) {
      ObjectReader reader(*view, root.PathOf("view"));
      document_.view().zoom = reader.Number("zoom", kMinZoom, kMaxZoom, 1);
      document_.view().snapping = reader.Bool("snapping", false);
      reader.RejectUnknown();
    }
    if (root.Find("currentLayer")) {
      const std::string id = root.String("currentLayer");
      Layer* layer = document_.FindLayer(std::string_view(id));
      if (!layer) Fail(root.PathOf("currentLayer"), "no layer \"" + id + "\"");
      document_.SetCurrentLayer(*layer);
    }
    root.RejectUnknown();
  }

 private:
  // Ids that the file gives, so that ids made up for art and layers without one avoid them. The
  // list holds the members of a container at depth (0: the document's layers); lists deeper than
  // reading accepts are left alone, as reading refuses them.
  void ReserveIds(const Json& list, int depth) {
    for (const Json& entry : list) {
      if (!entry.IsObject()) continue;
      const Json* id = entry.Find("id");
      const Json* type = entry.Find("type");
      const bool layer = !type || (type->IsString() && type->Text() == json_names::kSublayerType);
      if (id && id->IsString()) {
        (layer ? reservedLayerIds_ : reservedArtIds_).insert(std::string(id->Text()));
      }
      const Json* members = entry.Find("art");
      if (members && members->IsArray() && depth < kMaxNesting) {
        ReserveIds(*members, depth + 1);
      }
    }
  }

  static std::string MadeUpId(const char* stem, unsigned& counter,
                              const std::unordered_set<std::string>& reserved, const auto& taken) {
    std::string id;
    do {
      id = stem + std::to_string(++counter);
    } while (reserved.count(id) != 0 || taken(id));
    return id;
  }

  void ReadSwatches(const Json& value, const Where& where) {
    ObjectReader swatches(value, where);
    SwatchLibrary& library = document_.swatches();
    ForEachElement(swatches, "customColors", [&](ObjectReader& entry) {
      CustomColor custom;
      custom.id = SwatchId(entry, library.customColors);
      custom.name = entry.String("name", "");
      custom.spot = entry.Bool("spot", true);
      custom.base = ReadColor(entry.Get("color"), entry.PathOf("color"), kProcessKinds);
      library.customColors.Add(std::move(custom));
    });
    ForEachElement(swatches, "patterns", [&](ObjectReader& entry) {
      Pattern pattern;
      pattern.id = SwatchId(entry, library.patterns);
      pattern.name = entry.String("name", "");
      pattern.color = ReadColor(entry.Get("color"), entry.PathOf("color"), kProcessKinds);
      library.patterns.Add(std::move(pattern));
    });
    ForEachElement(swatches, "gradients", [&](ObjectReader& entry) {
      Gradient gradient;
      gradient.id = SwatchId(entry, library.gradients);
      gradient.name = entry.String("name", "");
      gradient.type = ReadName(entry, "type", json_names::kGradientTypes, GradientType::kLinear);
      const Where list = entry.PathOf("stops");
      const Json& stops = ReadArray(entry.Get("stops"), list);
      if (stops.size() < 2) Fail(list, "a gradient needs at least two stops");
      for (std::size_t i = 0; i < stops.size(); ++i) {
        ObjectReader stop(stops[i], list.Element(i));
        const double previous = gradient.stops.empty() ? 0 : gradient.stops.back().rampPoint;
        GradientStop read{stop.Number("rampPoint", 0, 100),
                          stop.Number("midPoint", kMinMidPoint, kMaxMidPoint, 50), NoColor()};
        if (read.rampPoint < previous) Fail(stop.PathOf("rampPoint"), "stops must not go back");
        read.color = ReadColor(stop.Get("color"), stop.PathOf("color"), kStopKinds);
        stop.RejectUnknown();
        gradient.stops.push_back(read);
      }
      library.gradients.Add(std::move(gradient));
    });
    swatches.RejectUnknown();
  }

  template <typename Visit>
  void ForEachElement(ObjectReader& parent, std::string_view key, Visit visit) {
    const Json* list = parent.Find(key);
    if (!list) return;
    const Where where = parent.PathOf(key);
    ReadArray(*list, where);
    for (std::size_t i = 0; i < list->size(); ++i) {
      ObjectReader entry((*list)[i], where.Element(i));
      visit(entry);
      entry.RejectUnknown();
    }
  }

  template <typename Table>
  static std::string SwatchId(ObjectReader& entry, const Table& table) {
    std::string id = entry.String("id");
    if (id.empty()) Fail(entry.PathOf("id"), "a swatch id must not be empty");
    if (table.FindById(id)) Fail(entry.PathOf("id"), "duplicate swatch id \"" + id + "\"");
    return id;
  }

  template <typename Table>
  auto SwatchHandle(ObjectReader& color, const Table& table, const char* what) {
    const std::string id = color.String("swatch");
    const auto handle = table.FindById(id);
    if (!handle) Fail(color.PathOf("swatch"), std::string("no ") + what + " \"" + id + "\"");
    return handle;
  }

  AIColor ReadColor(const Json& value, const Where& where, unsigned allowed) {
    ObjectReader color(value, where);
    const std::string name = color.String("kind");
    const auto kind = json_names::ValueOf(json_names::kColorKinds, name);
    if (!kind) Fail(color.PathOf("kind"), "unknown colour kind \"" + name + "\"");
    if ((allowed & KindBit(*kind)) == 0) {
      Fail(color.PathOf("kind"), "a " + name + " colour is not allowed here");
    }
    const SwatchLibrary& library = document_.swatches();
    AIColor read = NoColor();
    switch (*kind) {
      case kGrayColor:
        read = GrayColor(color.Number("gray", 0, 1));
        break;
      case kFourColor:
        read = CmykColor(color.Number("c", 0, 1), color.Number("m", 0, 1), color.Number("y", 0, 1),
                         color.Number("k", 0, 1));
        break;
      case kThreeColor:
        read = RgbColor(color.Number("r", 0, 1), color.Number("g", 0, 1), color.Number("b", 0, 1));
        break;
      case kCustomColor: {
        const auto handle = SwatchHandle(color, library.customColors, "custom colour");
        read = CustomColorOf(handle, color.Number("tint", 0, 1, 0));
        break;
      }
      case kPattern: {
        read = PatternColorOf(SwatchHandle(color, library.patterns, "pattern"));
        AIPatternStyle& p = read.c.p;
        p.shiftDist = color.Number("shiftDistance", -kMaxCoordinate, kMaxCoordinate, 0);
        p.shiftAngle = color.Number("shiftAngle", -kMaxAngle, kMaxAngle, 0);
        if (color.Find("scale")) p.scale = color.Point("scale", kMaxCoordinate);
        p.rotate = color.Number("rotate", -kMaxAngle, kMaxAngle, 0);
        p.reflect = color.Bool("reflect", false);
        p.reflectAngle = color.Number("reflectAngle", -kMaxAngle, kMaxAngle, 0);
        p.shearAngle = color.Number("shearAngle", -kMaxAngle, kMaxAngle, 0);
        p.shearAxis = color.Number("shearAxis", -kMaxAngle, kMaxAngle, 0);
        p.transform = ReadMatrix(color, "transform");
        break;
      }
      case kGradient: {
        read = GradientColorOf(SwatchHandle(color, library.gradients, "gradient"), {0, 0}, 0, 0);
        AIGradientStyle& b = read.c.b;
        if (color.Find("origin")) b.gradientOrigin = color.Point("origin", kMaxCoordinate);
        b.gradientAngle = color.Number("angle", -kMaxAngle, kMaxAngle, 0);
        b.gradientLength = color.Number("length", 0, kMaxCoordinate);
        b.matrix = ReadMatrix(color, "matrix");
        b.hiliteAngle = color.Number("hiliteAngle", -kMaxAngle, kMaxAngle, 0);
        b.hiliteLength = color.Number("hiliteLength", 0, kMaxCoordinate, 0);
        break;
      }
      default:
        break;
    }
    color.RejectUnknown();
    return read;
  }

  // depth counts the layers and containers the entry is in, itself included (1: a top layer).
  void ReadLayer(ObjectReader& entry, Layer* parent, int depth) {
    std::string id = entry.String("id", "");
    if (id.empty()) {
      id = MadeUpId("layer-", madeUpLayerIds_, reservedLayerIds_,
                    [&](const std::string& made) { return document_.FindLayer(made) != nullptr; });
    } else if (document_.FindLayer(std::string_view(id))) {
      Fail(entry.PathOf("id"), "duplicate layer id \"" + id + "\"");
    }
    Layer& layer = parent ? document_.NewLayer(parent, kPlaceInsideOnBottom, "", id)
                          : document_.NewLayer(nullptr, kPlaceBelow, "", id);
    layer.title = entry.String("title", "");
    layer.visible = entry.Bool("visible", true);
    layer.editable = entry.Bool("editable", true);
    if (const Json* art = entry.Find("art")) {
      ReadArtList(*art, entry.PathOf("art"), layer.group(), depth);
    }
    entry.RejectUnknown();
  }

  // The members of container, which is depth deep. Reading recurses, so the depth is limited
  // before a crafted file can exhaust the stack.
  void ReadArtList(const Json& list, const Where& where, Art& container, int depth) {
    if (depth > kMaxNesting) {
      Fail(where, "layers and groups nested more than " + std::to_string(kMaxNesting) + " deep");
    }
    ReadArray(list, where);
    for (std::size_t i = 0; i < list.size(); ++i) {
      ReadArt(list[i], where.Element(i), container, depth);
    }
  }

  void ReadArt(const Json& value, const Where& where, Art& container, int depth) {
    ObjectReader entry(value, where);
    const std::string typeName = entry.String("type");
    if (typeName == json_names::kSublayerType) {
      if (!container.IsLayerGroup())
        Fail(entry.PathOf("type"), "a sublayer must be inside a layer");
      ReadLayer(entry, container.ownerLayer(), depth + 1);
      return;
    }
    const auto type = json_names::ValueOf(json_names::kArtTypes, typeName);
    if (!type) Fail(entry.PathOf("type"), "unknown art type \"" + typeName + "\"");
    if (container.type() == kCompoundPathArt && *type != kPathArt) {
      Fail(entry.PathOf("type"), "a compound path holds only paths");
    }
    std::string id = entry.String("id", "");
    if (id.empty()) {
      id = MadeUpId("art-", madeUpArtIds_, reservedArtIds_,
                    [&](const std::string& made) { return document_.FindArt(made) != nullptr; });
    } else if (document_.FindArt(std::string_view(id))) {
      Fail(entry.PathOf("id"), "duplicate art id \"" + id + "\"");
    }
    Art& art = document_.NewArt(*type, kPlaceInsideOnBottom, container, id);
    AIArtUserAttr attributes = 0;
    if (entry.Bool("selected", false)) attributes |= kArtSelected;
    if (entry.Bool("locked", false)) attributes |= kArtLocked;
    if (entry.Bool("hidden", false)) attributes |= kArtHidden;
    document_.SetUserAttributes(art, kArtSelected | kArtLocked | kArtHidden, attributes);

    switch (*type) {
      case kPathArt:
        art.path().closed = entry.Bool("closed", false);
        ReadSegments(entry.Get("segments"), entry.PathOf("segments"), art.path());
        document_.NoteSelectedAnchors(art);
        break;
      case kTextFrameArt:
        art.text().text = entry.String("text");
        art.text().anchor = entry.Point("anchor", kMaxCoordinate);
        art.text().fontSize = entry.Number("fontSize", kMinFontSize, kMaxFontSize, 12);
        break;
      case kPlacedArt:
      case kRasterArt:
        art.image().bounds = ReadBounds(entry);
        art.image().source = entry.String("source", "");
        break;
      default:
        if (const Json* members = entry.Find("art")) {
          ReadArtList(*members, entry.PathOf("art"), art, depth + 1);
        }
        break;
    }
    if (*type == kPathArt || *type == kCompoundPathArt || *type == kTextFrameArt) {
      if (const Json* appearance = entry.Find("appearance")) {
        ReadAppearance(*appearance, entry.PathOf("appearance"), art.appearance());
      }
    }
    entry.RejectUnknown();
  }

  static AIRealRect ReadBounds(ObjectReader& entry) {
    const Where where = entry.PathOf("bounds");
    const Json& value = entry.Get("bounds");
    if (!value.IsArray() || value.size() != 4) Fail(where, "expected [left, top, right, bottom]");
    double edges[4];
    for (std::size_t i = 0; i < 4; ++i) {
      edges[i] = ReadNumber(value[i], where.Element(i), -kMaxCoordinate, kMaxCoordinate);
    }
    if (edges[0] > edges[2] || edges[3] > edges[1]) {
      Fail(where, "left must not exceed right, nor bottom top");
    }
    return AIRealRect{edges[0], edges[1], edges[2], edges[3]};
  }

  static void ReadSegments(const Json& value, const Where& where, PathGeometry& path) {
    const Json& list = ReadArray(value, where);
    if (list.size() > static_cast<std::size_t>(kMaxPathSegments)) {
      Fail(where, "more than " + std::to_string(kMaxPathSegments) + " segments");
    }
    path.segments.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
      ObjectReader entry(list[i], where.Element(i));
      Segment segment = CornerAt(entry.Point("p", kMaxCoordinate));
      if (entry.Find("in")) segment.in = entry.Point("in", kMaxCoordinate);
      if (entry.Find("out")) segment.out = entry.Point("out", kMaxCoordinate);
      segment.corner = entry.Bool("corner", true);
      segment.selected = entry.Bool("selected", false);
      entry.RejectUnknown();
      path.segments.push_back(segment);
    }
  }

  void ReadAppearance(const Json& value, const Where& where, Appearance& appearance) {
    ObjectReader reader(value, where);
    appearance.evenOdd = reader.Bool("evenOdd", false);
    appearance.clip = reader.Bool("clip", false);
    appearance.lockClip = reader.Bool("lockClip", false);
    appearance.resolution =
        reader.Number("resolution", kMinResolution, kMaxResolution, kDefaultResolution);
    if (const Json* paint = reader.Find("paint")) {
      const Where list = reader.PathOf("paint");
      ReadArray(*paint, list);
      for (std::size_t i = 0; i < paint->size(); ++i) {
        appearance.paint.push_back(ReadPaint((*paint)[i], list.Element(i)));
      }
    }
    reader.RejectUnknown();
  }

  PaintField ReadPaint(const Json& value, const Where& where) {
    ObjectReader field(value, where);
    const std::string kind = field.String("kind");
    if (kind != "fill" && kind != "stroke") {
      Fail(field.PathOf("kind"), "expected \"fill\" or \"stroke\", found \"" + kind + "\"");
    }
    const AIColor color = ReadColor(field.Get("color"), field.PathOf("color"), kPaintKinds);
    const AIBoolean overprint = field.Bool("overprint", false);
    if (kind == "fill") {
      field.RejectUnknown();
      return AIFillStyle{color, overprint};
    }
    AIStrokeStyle stroke = DefaultStroke();
    stroke.color = color;
    stroke.overprint = overprint;
    stroke.width = field.Number("width", 0, kMaxStrokeWidth, stroke.width);
    stroke.cap = ReadName(field, "cap", json_names::kCaps, stroke.cap);
    stroke.join = ReadName(field, "join", json_names::kJoins, stroke.join);
    stroke.miterLimit =
        field.Number("miterLimit", kMinMiterLimit, kMaxMiterLimit, stroke.miterLimit);
    if (const Json* dash = field.Find("dash")) {
      const Where list = field.PathOf("dash");
      ReadArray(*dash, list);
      if (dash->size() > static_cast<std::size_t>(kMaxDashComponents)) {
        Fail(list, "more than " + std::to_string(kMaxDashComponents) + " dash values");
      }
      stroke.dash.length = static_cast<std::int16_t>(dash->size());
      for (std::size_t i = 0; i < dash->size(); ++i) {
        stroke.dash.array[i] = ReadNumber((*dash)[i], list.Element(i), 0, kMaxDashValue);
      }
    }
    stroke.dash.offset = field.Number("dashOffset", -kMaxCoordinate, kMaxCoordinate, 0);
    field.RejectUnknown();
    return stroke;
  }

  Document& document_;
  std::unordered_set<std::string> reservedArtIds_;
  std::unordered_set<std::string> reservedLayerIds_;
  unsigned madeUpArtIds_ = 0;
  unsigned madeUpLayerIds_ = 0;
};

}  // namespace

std::unique_ptr<Document> ReadDocument(std::string_view text) {
  const JsonTree json(text);
  auto document = std::make_unique<Document>();
  try {
    Reader(*document).ReadRoot(json.root());
  } catch (const DocumentError& error) {
    throw DocumentFileError(error.what());  // checks above leave no model refusal expected
  }
  return document;
}

std::unique_ptr<Document> ReadDocumentFile(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  std::ostringstream text;
  if (!stream || !(text << stream.rdbuf())) {
    throw DocumentFileError("cannot read " + file.string());
  }
  return ReadDocument(text.str());
}

}  // namespace host
