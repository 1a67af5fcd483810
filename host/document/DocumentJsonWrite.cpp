// Writing documents as JSON. Values equal to what reading assumes when a member is absent are
// left out, and small arrays and objects stay on one line, so files stay readable and compact.
#include <fstream>
#include <utility>

#include "host/document/Colors.h"
#include "host/document/DocumentJson.h"
#include "host/document/DocumentJsonLimits.h"
#include "host/document/DocumentJsonNames.h"
#include "host/document/JsonOut.h"

namespace host {
namespace {

using Node = JsonOut::Node;

// Builds the document's JSON in one JsonOut.
class Writer {
 public:
  explicit Writer(const Document& document) : document_(document) {}

  std::string Write() {
    JsonOut tree;
    out_ = &tree;
    const Node root = out_->Object();
    out_->Set(root, "format", out_->String(json_limits::kFormatName));
    out_->Set(root, "version", out_->Integer(json_limits::kFormatVersion));
    const Node view = out_->Object();
    out_->Set(view, "zoom", out_->Number(document_.view().zoom));
    out_->Set(view, "snapping", out_->Bool(document_.view().snapping));
    out_->Set(root, "view", view);
    if (const Layer* current = document_.currentLayer()) {
      out_->Set(root, "currentLayer", out_->String(current->id()));
    }
    const Node swatches = Swatches(document_.swatches());
    if (!out_->Empty(swatches)) out_->Set(root, "swatches", swatches);
    const Node layers = out_->Array();
    for (const Layer* layer = document_.FirstLayer(); layer; layer = document_.NextLayer(*layer)) {
      out_->Push(layers, WriteLayer(*layer, false));
    }
    out_->Set(root, "layers", layers);
    std::string text;
    out_->Print(root, text);
    text += '\n';
    return text;
  }

 private:
  Node Point(AIRealPoint p) {
    const Node json = out_->Array();
    out_->Push(json, out_->Number(p.h));
    out_->Push(json, out_->Number(p.v));
    return json;
  }

  Node Numbers(std::initializer_list<double> values) {
    const Node json = out_->Array();
    for (const double value : values) out_->Push(json, out_->Number(value));
    return json;
  }

  static bool IsIdentity(const AIRealMatrix& m) {
    return m.a == 1 && m.b == 0 && m.c == 0 && m.d == 1 && m.tx == 0 && m.ty == 0;
  }

  Node Matrix(const AIRealMatrix& m) { return Numbers({m.a, m.b, m.c, m.d, m.tx, m.ty}); }

  template <typename Table, typename Handle>
  static std::string SwatchId(const Table& table, Handle handle) {
    const auto* swatch = table.Find(handle);
    if (!swatch) throw DocumentFileError("a colour names a swatch that is not in the document");
    return swatch->id;
  }

  // Sets key to value unless it equals the value that reading assumes.
  void Put(Node object, std::string_view key, double value, double assumed) {
    if (!(value == assumed)) out_->Set(object, key, out_->Number(value));
  }
  void Put(Node object, std::string_view key, bool value, bool assumed) {
    if (value != assumed) out_->Set(object, key, out_->Bool(value));
  }
  void Put(Node object, std::string_view key, std::string_view value, std::string_view assumed) {
    if (value != assumed) out_->Set(object, key, out_->String(value));
  }

  void SetNumber(Node object, std::string_view key, double value) {
    out_->Set(object, key, out_->Number(value));
  }

  Node Color(const AIColor& color, const SwatchLibrary& swatches) {
    const Node json = out_->Object();
    out_->Set(json, "kind", out_->String(json_names::NameOf(json_names::kColorKinds, color.kind)));
    switch (color.kind) {
      case kGrayColor:
        SetNumber(json, "gray", color.c.g.gray);
        break;
      case kFourColor:
        SetNumber(json, "c", color.c.f.cyan);
        SetNumber(json, "m", color.c.f.magenta);
        SetNumber(json, "y", color.c.f.yellow);
        SetNumber(json, "k", color.c.f.black);
        break;
      case kThreeColor:
        SetNumber(json, "r", color.c.rgb.red);
        SetNumber(json, "g", color.c.rgb.green);
        SetNumber(json, "b", color.c.rgb.blue);
        break;
      case kCustomColor:
        out_->Set(json, "swatch", out_->String(SwatchId(swatches.customColors, color.c.c.color)));
        Put(json, "tint", color.c.c.tint, 0.0);
        break;
      case kPattern: {
        const AIPatternStyle& p = color.c.p;
        out_->Set(json, "swatch", out_->String(SwatchId(swatches.patterns, p.pattern)));
        Put(json, "shiftDistance", p.shiftDist, 0.0);
        Put(json, "shiftAngle", p.shiftAngle, 0.0);
        if (p.scale.h != 1 || p.scale.v != 1) out_->Set(json, "scale", Point(p.scale));
        Put(json, "rotate", p.rotate, 0.0);
        Put(json, "reflect", p.reflect != 0, false);
        Put(json, "reflectAngle", p.reflectAngle, 0.0);
        Put(json, "shearAngle", p.shearAngle, 0.0);
        Put(json, "shearAxis", p.shearAxis, 0.0);
        if (!IsIdentity(p.transform)) out_->Set(json, "transform", Matrix(p.transform));
        break;
      }
      case kGradient: {
        const AIGradientStyle& b = color.c.b;
        out_->Set(json, "swatch", out_->String(SwatchId(swatches.gradients, b.gradient)));
        out_->Set(json, "origin", Point(b.gradientOrigin));
        SetNumber(json, "angle", b.gradientAngle);
        SetNumber(json, "length", b.gradientLength);
        if (!IsIdentity(b.matrix)) out_->Set(json, "matrix", Matrix(b.matrix));
        Put(json, "hiliteAngle", b.hiliteAngle, 0.0);
        Put(json, "hiliteLength", b.hiliteLength, 0.0);
        break;
      }
      default:
        break;
    }
    return json;
  }

  Node Paint(const PaintField& field, const SwatchLibrary& swatches) {
    const Node json = out_->Object();
    if (const auto* fill = std::get_if<AIFillStyle>(&field)) {
      out_->Set(json, "kind", out_->String("fill"));
      out_->Set(json, "color", Color(fill->color, swatches));
      Put(json, "overprint", fill->overprint != 0, false);
      return json;
    }
    const auto& stroke = std::get<AIStrokeStyle>(field);
    const AIStrokeStyle assumed = DefaultStroke();
    out_->Set(json, "kind", out_->String("stroke"));
    out_->Set(json, "color", Color(stroke.color, swatches));
    Put(json, "overprint", stroke.overprint != 0, false);
    SetNumber(json, "width", stroke.width);
    Put(json, "cap", json_names::NameOf(json_names::kCaps, stroke.cap),
        json_names::NameOf(json_names::kCaps, assumed.cap));
    Put(json, "join", json_names::NameOf(json_names::kJoins, stroke.join),
        json_names::NameOf(json_names::kJoins, assumed.join));
    Put(json, "miterLimit", stroke.miterLimit, assumed.miterLimit);
    if (stroke.dash.length > 0) {
      const Node dash = out_->Array();
      for (int i = 0; i < stroke.dash.length && i < kMaxDashComponents; ++i) {
        out_->Push(dash, out_->Number(stroke.dash.array[i]));
      }
      out_->Set(json, "dash", dash);
    }
    Put(json, "dashOffset", stroke.dash.offset, 0.0);
    return json;
  }

  Node WriteAppearance(const Appearance& appearance, const SwatchLibrary& swatches) {
    const Node json = out_->Object();
    Put(json, "evenOdd", appearance.evenOdd, false);
    Put(json, "clip", appearance.clip, false);
    Put(json, "lockClip", appearance.lockClip, false);
    Put(json, "resolution", appearance.resolution, kDefaultResolution);
    if (!appearance.paint.empty()) {
      const Node paint = out_->Array();
      for (const PaintField& field : appearance.paint) out_->Push(paint, Paint(field, swatches));
      out_->Set(json, "paint", paint);
    }
    return json;
  }

  Node WriteSegment(const Segment& segment) {
    const auto same = [](AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; };
    const Node json = out_->Object();
    out_->Set(json, "p", Point(segment.p));
    if (!same(segment.in, segment.p)) out_->Set(json, "in", Point(segment.in));
    if (!same(segment.out, segment.p)) out_->Set(json, "out", Point(segment.out));
    Put(json, "corner", segment.corner, true);
    Put(json, "selected", segment.selected, false);
    return json;
  }

  // Each art is made as it is printed (see JsonOut::Deferred).
  Node WriteMembers(const Art& container) {
    const Node list = out_->Array();
    for (const Art* member = container.firstChild(); member; member = member->behind()) {
      if (member->IsLayerGroup()) {
        out_->Push(list, WriteLayer(*member->ownerLayer(), true));
        continue;
      }
      out_->Push(list, out_->Deferred([this, member](JsonOut& into) {
        JsonOut* const outer = std::exchange(out_, &into);
        const Node made = WriteArt(*member);
        out_ = outer;
        return made;
      }));
    }
    return list;
  }

  Node WriteArt(const Art& art) {
    const Node json = out_->Object();
    out_->Set(json, "type", out_->String(json_names::NameOf(json_names::kArtTypes, art.type())));
    out_->Set(json, "id", out_->String(art.id()));
    const AIArtUserAttr attributes = art.ownAttributes();
    Put(json, "selected", (attributes & kArtSelected) != 0, false);
    Put(json, "locked", (attributes & kArtLocked) != 0, false);
    Put(json, "hidden", (attributes & kArtHidden) != 0, false);
    switch (art.type()) {
      case kPathArt: {
        Put(json, "closed", art.path().closed, false);
        const Node segments = out_->Array();
        for (const Segment& segment : art.path().segments) {
          out_->Push(segments, WriteSegment(segment));
        }
        out_->Set(json, "segments", segments);
        break;
      }
      case kTextFrameArt:
        out_->Set(json, "text", out_->String(art.text().text));
        out_->Set(json, "anchor", Point(art.text().anchor));
        Put(json, "fontSize", art.text().fontSize, 12.0);
        break;
      case kPlacedArt:
      case kRasterArt: {
        const AIRealRect& b = art.image().bounds;
        out_->Set(json, "bounds", Numbers({b.left, b.top, b.right, b.bottom}));
        Put(json, "source", art.image().source, std::string_view());
        break;
      }
      default:
        if (art.firstChild()) out_->Set(json, "art", WriteMembers(art));
        break;
    }
    if (art.type() == kPathArt || art.type() == kCompoundPathArt || art.type() == kTextFrameArt) {
      const Node appearance = WriteAppearance(art.appearance(), document_.swatches());
      if (!out_->Empty(appearance)) out_->Set(json, "appearance", appearance);
    }
    return json;
  }

  Node WriteLayer(const Layer& layer, bool nested) {
    const Node json = out_->Object();
    if (nested) out_->Set(json, "type", out_->String(json_names::kSublayerType));
    out_->Set(json, "id", out_->String(layer.id()));
    out_->Set(json, "title", out_->String(layer.title));
    Put(json, "visible", layer.visible, true);
    Put(json, "editable", layer.editable, true);
    out_->Set(json, "art", WriteMembers(layer.group()));
    return json;
  }

  Node Swatches(const SwatchLibrary& swatches) {
    const Node json = out_->Object();
    const Node customs = out_->Array();
    for (AICustomColorHandle handle : swatches.customColors.Handles()) {
      const CustomColor& custom = *swatches.customColors.Find(handle);
      const Node entry = out_->Object();
      out_->Set(entry, "id", out_->String(custom.id));
      out_->Set(entry, "name", out_->String(custom.name));
      Put(entry, "spot", custom.spot, true);
      out_->Set(entry, "color", Color(custom.base, swatches));
      out_->Push(customs, entry);
    }
    if (!out_->Empty(customs)) out_->Set(json, "customColors", customs);
    const Node patterns = out_->Array();
    for (AIPatternHandle handle : swatches.patterns.Handles()) {
      const Pattern& pattern = *swatches.patterns.Find(handle);
      const Node entry = out_->Object();
      out_->Set(entry, "id", out_->String(pattern.id));
      out_->Set(entry, "name", out_->String(pattern.name));
      out_->Set(entry, "color", Color(pattern.color, swatches));
      out_->Push(patterns, entry);
    }
    if (!out_->Empty(patterns)) out_->Set(json, "patterns", patterns);
    const Node gradients = out_->Array();
    for (AIGradientHandle handle : swatches.gradients.Handles()) {
      const Gradient& gradient = *swatches.gradients.Find(handle);
      const Node stops = out_->Array();
      for (const GradientStop& stop : gradient.stops) {
        const Node entry = out_->Object();
        SetNumber(entry, "rampPoint", stop.rampPoint);
        Put(entry, "midPoint", stop.midPoint, 50.0);
        out_->Set(entry, "color", Color(stop.color, swatches));
        out_->Push(stops, entry);
      }
      const Node entry = out_->Object();
      out_->Set(entry, "id", out_->String(gradient.id));
      out_->Set(entry, "name", out_->String(gradient.name));
      out_->Set(entry, "type",
                out_->String(json_names::NameOf(json_names::kGradientTypes, gradient.type)));
      out_->Set(entry, "stops", stops);
      out_->Push(gradients, entry);
    }
    if (!out_->Empty(gradients)) out_->Set(json, "gradients", gradients);
    return json;
  }

  const Document& document_;
  JsonOut* out_ = nullptr;  // where values go: the document's tree, or a deferred art's
};

}  // namespace

std::string WriteDocument(const Document& document) {
  return Writer(document).Write();
}

void WriteDocumentFile(const Document& document, const std::filesystem::path& file) {
  const std::string text = WriteDocument(document);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  if (!stream || !stream.write(text.data(), static_cast<std::streamsize>(text.size()))) {
    throw DocumentFileError("cannot write " + file.string());
  }
}

}  // namespace host
