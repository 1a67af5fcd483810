#include "host/document/SvgExport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "host/document/Colors.h"

namespace host {
namespace {

constexpr double kMargin = 10;  // points around the art

// Artwork coordinates grow upward and SVG coordinates downward: every point (h, v) is written as
// (h, -v), and the view box spans the art's bounds in those flipped coordinates.
struct Flipped {
  double x;
  double y;
};
Flipped Flip(AIRealPoint p) {
  return {p.h, -p.v};
}

std::string Number(double value) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
  std::string text(buffer, result.ptr);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
        break;
    }
  }
  return out;
}

std::string Hex(const Rgb& rgb) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out = "#";
  for (const double channel : {rgb.red, rgb.green, rgb.blue}) {
    const int level = static_cast<int>(std::lround(std::clamp(channel, 0.0, 1.0) * 255));
    out += kDigits[level / 16];
    out += kDigits[level % 16];
  }
  return out;
}

bool SamePoint(AIRealPoint a, AIRealPoint b) {
  return a.h == b.h && a.v == b.v;
}

AIRealPoint Transform(const AIRealMatrix& m, AIRealPoint p) {
  return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

AIRealPoint Along(AIRealPoint from, double degrees, double length) {
  const double radians = degrees * std::numbers::pi / 180;
  return {from.h + length * std::cos(radians), from.v + length * std::sin(radians)};
}

class SvgWriter {
 public:
  SvgWriter(const Document& document, bool selection)
      : document_(document), selection_(selection) {}

  std::string Run() {
    FindBounds();
    std::vector<const Layer*> layers;
    for (const Layer* layer = document_.FirstLayer(); layer; layer = document_.NextLayer(*layer)) {
      layers.push_back(layer);
    }
    // Layer 0 is front-most and SVG paints later elements in front.
    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) WriteLayer(**layer, 1);
    if (selection_) WriteSelection();

    const double width = right_ - left_ + 2 * kMargin;
    const double height = top_ - bottom_ + 2 * kMargin;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\"";
    out += " xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\"";
    out += " xmlns:sodipodi=\"http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd\"";
    out += " version=\"1.1\" width=\"" + Number(width) + "pt\" height=\"" + Number(height) +
           "pt\" viewBox=\"" + Number(left_ - kMargin) + " " + Number(-top_ - kMargin) + " " +
           Number(width) + " " + Number(height) + "\">\n";
    if (!defs_.empty()) out += "  <defs>\n" + defs_ + "  </defs>\n";
    out += body_;
    out += "</svg>\n";
    return out;
  }

 private:
  void Include(AIRealPoint p) {
    left_ = std::min(left_, p.h);
    right_ = std::max(right_, p.h);
    bottom_ = std::min(bottom_, p.v);
    top_ = std::max(top_, p.v);
  }

  void FindBounds() {
    document_.ForEachArt([&](const Art& art) {
      switch (art.type()) {
        case kPathArt:
          for (const Segment& s : art.path().segments) {
            Include(s.p);
            Include(s.in);
            Include(s.out);
          }
          break;
        case kTextFrameArt:
          Include(art.text().anchor);
          break;
        case kPlacedArt:
        case kRasterArt:
          Include({art.image().bounds.left, art.image().bounds.top});
          Include({art.image().bounds.right, art.image().bounds.bottom});
          break;
        default:
          break;
      }
    });
    if (left_ > right_) {  // nothing drawn
      left_ = bottom_ = 0;
      right_ = top_ = 100;
    }
  }

  void Line(int depth, const std::string& text) {
    body_.append(static_cast<std::size_t>(depth) * 2, ' ');
    body_ += text;
    body_ += '\n';
  }

  void WriteLayer(const Layer& layer, int depth) {
    std::string open = "<g id=\"" + Escape(layer.id()) + "\" inkscape:groupmode=\"layer\"" +
                       " inkscape:label=\"" + Escape(layer.title) + "\"";
    if (!layer.visible) open += " style=\"display:none\"";
    if (!layer.editable) open += " sodipodi:insensitive=\"true\"";
    Line(depth, open + ">");
    WriteMembers(layer.group(), depth + 1);
    Line(depth, "</g>");
  }

  void WriteMembers(const Art& container, int depth) {
    for (const Art* art = container.lastChild(); art; art = art->inFront()) {
      if (art->IsLayerGroup()) {
        WriteLayer(*art->ownerLayer(), depth);
      } else {
        WriteArt(*art, depth);
      }
    }
  }

  static std::string States(const Art& art) {
    std::string out = " id=\"" + Escape(art.id()) + "\"";
    if (art.ownAttributes() & kArtHidden) out += " style=\"display:none\"";
    if (art.ownAttributes() & kArtLocked) out += " sodipodi:insensitive=\"true\"";
    return out;
  }

  void WriteArt(const Art& art, int depth) {
    switch (art.type()) {
      case kGroupArt:
        Line(depth, "<g" + States(art) + ">");
        WriteMembers(art, depth + 1);
        Line(depth, "</g>");
        break;
      case kPathArt:
        WritePainted(art, PathData(art.path()), depth);
        break;
      case kCompoundPathArt: {
        // Members are drawn as one shape with the compound path's own appearance.
        std::string data;
        for (const Art* member = art.lastChild(); member; member = member->inFront()) {
          if (!data.empty()) data += ' ';
          data += PathData(member->path());
        }
        WritePainted(art, data, depth);
        break;
      }
      case kTextFrameArt:
        WriteText(art, depth);
        break;
      case kPlacedArt:
      case kRasterArt:
        WriteImage(art, depth);
        break;
      default:
        break;
    }
  }

  static std::string PointText(AIRealPoint p) {
    const Flipped f = Flip(p);
    return Number(f.x) + " " + Number(f.y);
  }

  static std::string Curve(const Segment& from, const Segment& to) {
    if (SamePoint(from.out, from.p) && SamePoint(to.in, to.p)) return " L " + PointText(to.p);
    return " C " + PointText(from.out) + " " + PointText(to.in) + " " + PointText(to.p);
  }

  static std::string PathData(const PathGeometry& path) {
    const auto& segments = path.segments;
    if (segments.empty()) return {};
    std::string data = "M " + PointText(segments.front().p);
    for (std::size_t i = 1; i < segments.size(); ++i) data += Curve(segments[i - 1], segments[i]);
    if (path.closed) {
      if (segments.size() > 1) data += Curve(segments.back(), segments.front());
      data += " Z";
    }
    return data;
  }

  // The fills and strokes, back to front; one element each, grouped when there are several.
  void WritePainted(const Art& art, const std::string& data, int depth) {
    std::vector<std::string> paints;
    const Appearance& appearance = art.appearance();
    for (auto field = appearance.paint.rbegin(); field != appearance.paint.rend(); ++field) {
      std::string attributes;
      if (const auto* fill = std::get_if<AIFillStyle>(&*field)) {
        attributes = FillAttributes(*fill, appearance.evenOdd);
      } else {
        attributes = StrokeAttributes(std::get<AIStrokeStyle>(*field));
      }
      if (!attributes.empty()) paints.push_back(attributes);
    }
    const std::string d = " d=\"" + data + "\"";
    if (paints.empty()) {
      Line(depth, "<path" + States(art) + d + " fill=\"none\" stroke=\"none\"/>");
    } else if (paints.size() == 1) {
      Line(depth, "<path" + States(art) + d + paints.front() + "/>");
    } else {
      Line(depth, "<g" + States(art) + ">");
      for (const std::string& paint : paints) Line(depth + 1, "<path" + d + paint + "/>");
      Line(depth, "</g>");
    }
  }

  // An SVG paint for a colour; empty when it paints nothing.
  std::string Paint(const AIColor& color) {
    if (color.kind == kGradient) return GradientPaint(color.c.b);
    const auto rgb = ToRgb(color, document_.swatches());
    return rgb ? Hex(*rgb) : std::string();
  }

  std::string FillAttributes(const AIFillStyle& fill, bool evenOdd) {
    const std::string paint = Paint(fill.color);
    if (paint.empty()) return {};
    return " fill=\"" + paint + "\" fill-rule=\"" + (evenOdd ? "evenodd" : "nonzero") +
           "\" stroke=\"none\"";
  }

  std::string StrokeAttributes(const AIStrokeStyle& stroke) {
    const std::string paint = Paint(stroke.color);
    if (paint.empty() || stroke.width <= 0) return {};
    static const char* const kCaps[] = {"butt", "round", "square"};
    static const char* const kJoins[] = {"miter", "round", "bevel"};
    std::string out =
        " fill=\"none\" stroke=\"" + paint + "\" stroke-width=\"" + Number(stroke.width) + "\"";
    if (stroke.cap >= kAIButtCap && stroke.cap <= kAIProjectingCap) {
      out += std::string(" stroke-linecap=\"") + kCaps[stroke.cap] + "\"";
    }
    if (stroke.join >= kAIMiterJoin && stroke.join <= kAIBevelJoin) {
      out += std::string(" stroke-linejoin=\"") + kJoins[stroke.join] + "\"";
    }
    out += " stroke-miterlimit=\"" + Number(stroke.miterLimit) + "\"";
    if (stroke.dash.length > 0) {
      std::string dashes;
      for (int i = 0; i < stroke.dash.length && i < kMaxDashComponents; ++i) {
        dashes += (i ? " " : "") + Number(stroke.dash.array[i]);
      }
      out += " stroke-dasharray=\"" + dashes + "\" stroke-dashoffset=\"" +
             Number(stroke.dash.offset) + "\"";
    }
    return out;
  }

  // A gradient definition in artwork space: the gradient's vector (or centre and radius) is
  // carried through its matrix; the midpoints and the highlight length are not drawn.
  std::string GradientPaint(const AIGradientStyle& style) {
    const Gradient* gradient = document_.swatches().gradients.Find(style.gradient);
    if (!gradient) return {};
    const std::string id = "paint-gradient-" + std::to_string(++gradients_);
    const AIRealMatrix& m = style.matrix;
    const Flipped start = Flip(Transform(m, style.gradientOrigin));
    std::string def;
    if (gradient->type == GradientType::kLinear) {
      const Flipped end = Flip(
          Transform(m, Along(style.gradientOrigin, style.gradientAngle, style.gradientLength)));
      def = "    <linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" +
            Number(start.x) + "\" y1=\"" + Number(start.y) + "\" x2=\"" + Number(end.x) +
            "\" y2=\"" + Number(end.y) + "\">\n";
    } else {
      const double scale = std::sqrt(std::abs(m.a * m.d - m.b * m.c));
      def = "    <radialGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" cx=\"" +
            Number(start.x) + "\" cy=\"" + Number(start.y) + "\" r=\"" +
            Number(style.gradientLength * scale) + "\">\n";
    }
    for (const GradientStop& stop : gradient->stops) {
      const auto rgb = ToRgb(stop.color, document_.swatches());
      def += "      <stop offset=\"" + Number(stop.rampPoint / 100) + "\" stop-color=\"" +
             (rgb ? Hex(*rgb) : std::string("#000000")) + "\"/>\n";
    }
    def += gradient->type == GradientType::kLinear ? "    </linearGradient>\n"
                                                   : "    </radialGradient>\n";
    defs_ += def;
    return "url(#" + id + ")";
  }

  void WriteText(const Art& art, int depth) {
    std::string fill = "#000000";
    const AIPathStyle style = FocalStyle(art.appearance());
    if (style.fillPaint) fill = Paint(style.fill.color);
    const Flipped at = Flip(art.text().anchor);
    Line(depth, "<text" + States(art) + " x=\"" + Number(at.x) + "\" y=\"" + Number(at.y) +
                    "\" font-size=\"" + Number(art.text().fontSize) + "\" fill=\"" + fill + "\">" +
                    Escape(art.text().text) + "</text>");
  }

  void WriteSelection() {
    constexpr char kColour[] = "#1a73e8";
    Line(1, "<g id=\"selection\" fill=\"none\" stroke=\"" + std::string(kColour) +
                "\" stroke-width=\"1.5\">");
    document_.ForEachArt([&](const Art& art) {
      if (art.type() != kPathArt || (art.ownAttributes() & kArtSelected) == 0) return;
      Line(2, "<path d=\"" + PathData(art.path()) + "\"/>");
      for (const Segment& segment : art.path().segments) {
        const Flipped at = Flip(segment.p);
        Line(2, "<rect x=\"" + Number(at.x - 2.5) + "\" y=\"" + Number(at.y - 2.5) +
                    "\" width=\"5\" height=\"5\" fill=\"" + kColour + "\" stroke=\"none\"/>");
      }
    });
    Line(1, "</g>");
  }

  // Placed images and raster art as framed rectangles titled with their source.
  void WriteImage(const Art& art, int depth) {
    const AIRealRect& b = art.image().bounds;
    const Flipped corner = Flip({b.left, b.top});
    const bool placed = art.type() == kPlacedArt;
    Line(depth, "<rect" + States(art) + " x=\"" + Number(corner.x) + "\" y=\"" + Number(corner.y) +
                    "\" width=\"" + Number(b.right - b.left) + "\" height=\"" +
                    Number(b.top - b.bottom) + "\" fill=\"" + (placed ? "#e8e8e8" : "#d0d8e0") +
                    "\" stroke=\"#808080\" stroke-width=\"0.5\"><title>" +
                    Escape(art.image().source) + "</title></rect>");
  }

  const Document& document_;
  const bool selection_;
  std::string body_;
  std::string defs_;
  int gradients_ = 0;
  double left_ = std::numeric_limits<double>::infinity();
  double right_ = -std::numeric_limits<double>::infinity();
  double bottom_ = std::numeric_limits<double>::infinity();
  double top_ = -std::numeric_limits<double>::infinity();
};

}  // namespace

std::string ExportSvg(const Document& document, bool selection) {
  return SvgWriter(document, selection).Run();
}

void ExportSvgFile(const Document& document, const std::filesystem::path& file, bool selection) {
  const std::string text = ExportSvg(document, selection);
  std::ofstream stream(file, std::ios::binary | std::ios::trunc);
  if (!stream || !stream.write(text.data(), static_cast<std::streamsize>(text.size()))) {
    throw std::runtime_error("cannot write " + file.string());
  }
}

}  // namespace host
