#include "host/document/DocumentEquality.h"

#include <sstream>

namespace host {
namespace {

class Comparison {
 public:
  Comparison(const Document& a, const Document& b) : a_(a), b_(b) {}

  std::string Run() {
    CompareView();
    CompareSwatches();
    CompareLayerList(nullptr, nullptr, "layers");
    if (difference_.empty()) {
      Same(LayerId(a_.currentLayer()) == LayerId(b_.currentLayer()), "currentLayer", "differs");
    }
    return difference_;
  }

 private:
  // Records the first difference; false once one is recorded, so callers can stop early.
  bool Same(bool same, const std::string& where, const std::string& what) {
    if (!difference_.empty()) return false;
    if (!same) difference_ = where + ": " + what;
    return same;
  }

  template <typename T>
  bool SameValue(const T& x, const T& y, const std::string& where) {
    if (x == y) return Same(true, where, "");
    std::ostringstream text;
    text << x << " against " << y;
    return Same(false, where, text.str());
  }

  bool SamePoint(AIRealPoint x, AIRealPoint y, const std::string& where) {
    return SameValue(x.h, y.h, where + ".h") && SameValue(x.v, y.v, where + ".v");
  }

  bool SameMatrix(const AIRealMatrix& x, const AIRealMatrix& y, const std::string& where) {
    return Same(
        x.a == y.a && x.b == y.b && x.c == y.c && x.d == y.d && x.tx == y.tx && x.ty == y.ty, where,
        "matrices differ");
  }

  static std::string LayerId(const Layer* layer) { return layer ? layer->id() : "(none)"; }

  template <typename Table, typename Handle>
  static std::string SwatchId(const Table& table, Handle handle) {
    const auto* swatch = table.Find(handle);
    return swatch ? swatch->id : "(missing swatch)";
  }

  void CompareView() {
    SameValue(a_.view().zoom, b_.view().zoom, "view.zoom");
    SameValue(a_.view().snapping, b_.view().snapping, "view.snapping");
  }

  void CompareColor(const AIColor& x, const AIColor& y, const std::string& where) {
    if (!SameValue(static_cast<int>(x.kind), static_cast<int>(y.kind), where + ".kind")) return;
    const SwatchLibrary& sa = a_.swatches();
    const SwatchLibrary& sb = b_.swatches();
    switch (x.kind) {
      case kGrayColor:
        SameValue(x.c.g.gray, y.c.g.gray, where + ".gray");
        break;
      case kFourColor:
        SameValue(x.c.f.cyan, y.c.f.cyan, where + ".c") &&
            SameValue(x.c.f.magenta, y.c.f.magenta, where + ".m") &&
            SameValue(x.c.f.yellow, y.c.f.yellow, where + ".y") &&
            SameValue(x.c.f.black, y.c.f.black, where + ".k");
        break;
      case kThreeColor:
        SameValue(x.c.rgb.red, y.c.rgb.red, where + ".r") &&
            SameValue(x.c.rgb.green, y.c.rgb.green, where + ".g") &&
            SameValue(x.c.rgb.blue, y.c.rgb.blue, where + ".b");
        break;
      case kCustomColor:
        SameValue(SwatchId(sa.customColors, x.c.c.color), SwatchId(sb.customColors, y.c.c.color),
                  where + ".swatch") &&
            SameValue(x.c.c.tint, y.c.c.tint, where + ".tint");
        break;
      case kPattern: {
        const AIPatternStyle& p = x.c.p;
        const AIPatternStyle& q = y.c.p;
        SameValue(SwatchId(sa.patterns, p.pattern), SwatchId(sb.patterns, q.pattern),
                  where + ".swatch") &&
            SameValue(p.shiftDist, q.shiftDist, where + ".shiftDistance") &&
            SameValue(p.shiftAngle, q.shiftAngle, where + ".shiftAngle") &&
            SamePoint(p.scale, q.scale, where + ".scale") &&
            SameValue(p.rotate, q.rotate, where + ".rotate") &&
            SameValue(p.reflect, q.reflect, where + ".reflect") &&
            SameValue(p.reflectAngle, q.reflectAngle, where + ".reflectAngle") &&
            SameValue(p.shearAngle, q.shearAngle, where + ".shearAngle") &&
            SameValue(p.shearAxis, q.shearAxis, where + ".shearAxis") &&
            SameMatrix(p.transform, q.transform, where + ".transform");
        break;
      }
      case kGradient: {
        const AIGradientStyle& p = x.c.b;
        const AIGradientStyle& q = y.c.b;
        SameValue(SwatchId(sa.gradients, p.gradient), SwatchId(sb.gradients, q.gradient),
                  where + ".swatch") &&
            SamePoint(p.gradientOrigin, q.gradientOrigin, where + ".origin") &&
            SameValue(p.gradientAngle, q.gradientAngle, where + ".angle") &&
            SameValue(p.gradientLength, q.gradientLength, where + ".length") &&
            SameMatrix(p.matrix, q.matrix, where + ".matrix") &&
            SameValue(p.hiliteAngle, q.hiliteAngle, where + ".hiliteAngle") &&
            SameValue(p.hiliteLength, q.hiliteLength, where + ".hiliteLength");
        break;
      }
      default:
        break;
    }
  }

  void CompareSwatches() {
    const SwatchLibrary& sa = a_.swatches();
    const SwatchLibrary& sb = b_.swatches();
    if (!SameValue(sa.customColors.Count(), sb.customColors.Count(), "swatches.customColors")) {
      return;
    }
    for (std::size_t i = 0; i < sa.customColors.Count(); ++i) {
      const std::string where = "swatches.customColors[" + std::to_string(i) + "]";
      const CustomColor& x = *sa.customColors.Find(sa.customColors.Handles()[i]);
      const CustomColor& y = *sb.customColors.Find(sb.customColors.Handles()[i]);
      SameValue(x.id, y.id, where + ".id") && SameValue(x.name, y.name, where + ".name") &&
          SameValue(x.spot, y.spot, where + ".spot");
      CompareColor(x.base, y.base, where + ".color");
    }
    if (!SameValue(sa.patterns.Count(), sb.patterns.Count(), "swatches.patterns")) return;
    for (std::size_t i = 0; i < sa.patterns.Count(); ++i) {
      const std::string where = "swatches.patterns[" + std::to_string(i) + "]";
      const Pattern& x = *sa.patterns.Find(sa.patterns.Handles()[i]);
      const Pattern& y = *sb.patterns.Find(sb.patterns.Handles()[i]);
      SameValue(x.id, y.id, where + ".id") && SameValue(x.name, y.name, where + ".name");
      CompareColor(x.color, y.color, where + ".color");
    }
    if (!SameValue(sa.gradients.Count(), sb.gradients.Count(), "swatches.gradients")) return;
    for (std::size_t i = 0; i < sa.gradients.Count(); ++i) {
      const std::string where = "swatches.gradients[" + std::to_string(i) + "]";
      const Gradient& x = *sa.gradients.Find(sa.gradients.Handles()[i]);
      const Gradient& y = *sb.gradients.Find(sb.gradients.Handles()[i]);
      if (!(SameValue(x.id, y.id, where + ".id") && SameValue(x.name, y.name, where + ".name") &&
            Same(x.type == y.type, where + ".type", "differs") &&
            SameValue(x.stops.size(), y.stops.size(), where + ".stops"))) {
        return;
      }
      for (std::size_t s = 0; s < x.stops.size(); ++s) {
        const std::string stop = where + ".stops[" + std::to_string(s) + "]";
        SameValue(x.stops[s].rampPoint, y.stops[s].rampPoint, stop + ".rampPoint") &&
            SameValue(x.stops[s].midPoint, y.stops[s].midPoint, stop + ".midPoint");
        CompareColor(x.stops[s].color, y.stops[s].color, stop + ".color");
      }
    }
  }

  // Compares the members of two containers (or, with null, the top-level layers).
  void CompareLayerList(const Art* x, const Art* y, const std::string& where) {
    const Art* p = x ? x->firstChild() : (a_.FirstLayer() ? &a_.FirstLayer()->group() : nullptr);
    const Art* q = y ? y->firstChild() : (b_.FirstLayer() ? &b_.FirstLayer()->group() : nullptr);
    for (int i = 0; p || q; ++i, p = p ? p->behind() : nullptr, q = q ? q->behind() : nullptr) {
      const std::string at = where + "[" + std::to_string(i) + "]";
      if (!Same(p && q, at,
                p ? "missing in the second document" : "missing in the first document")) {
        return;
      }
      CompareArt(*p, *q, at);
      if (!difference_.empty()) return;
    }
  }

  void CompareArt(const Art& x, const Art& y, const std::string& where) {
    if (!Same(x.IsLayerGroup() == y.IsLayerGroup(), where, "layer against art")) return;
    if (x.IsLayerGroup()) {
      const Layer& l = *x.ownerLayer();
      const Layer& m = *y.ownerLayer();
      SameValue(l.id(), m.id(), where + ".id") && SameValue(l.title, m.title, where + ".title") &&
          SameValue(l.visible, m.visible, where + ".visible") &&
          SameValue(l.editable, m.editable, where + ".editable") &&
          SameValue(x.ownAttributes(), y.ownAttributes(), where + ".selected");
      CompareLayerList(&x, &y, where + ".art");
      return;
    }
    if (!(SameValue(x.type(), y.type(), where + ".type") &&
          SameValue(x.id(), y.id(), where + ".id") &&
          SameValue(x.ownAttributes(), y.ownAttributes(), where + ".attributes"))) {
      return;
    }
    switch (x.type()) {
      case kPathArt:
        ComparePath(x.path(), y.path(), where);
        break;
      case kTextFrameArt:
        SameValue(x.text().text, y.text().text, where + ".text") &&
            SamePoint(x.text().anchor, y.text().anchor, where + ".anchor") &&
            SameValue(x.text().fontSize, y.text().fontSize, where + ".fontSize");
        break;
      case kPlacedArt:
      case kRasterArt: {
        const AIRealRect& r = x.image().bounds;
        const AIRealRect& s = y.image().bounds;
        Same(r.left == s.left && r.top == s.top && r.right == s.right && r.bottom == s.bottom,
             where + ".bounds", "differ");
        SameValue(x.image().source, y.image().source, where + ".source");
        break;
      }
      default:
        break;
    }
    CompareAppearance(x.appearance(), y.appearance(), where + ".appearance");
    if (x.firstChild() || y.firstChild()) CompareLayerList(&x, &y, where + ".art");
  }

  static bool SameSegment(const Segment& s, const Segment& t) {
    return s.p.h == t.p.h && s.p.v == t.p.v && s.in.h == t.in.h && s.in.v == t.in.v &&
           s.out.h == t.out.h && s.out.v == t.out.v && s.corner == t.corner &&
           s.selected == t.selected;
  }

  void ComparePath(const PathGeometry& x, const PathGeometry& y, const std::string& where) {
    if (!(SameValue(x.closed, y.closed, where + ".closed") &&
          SameValue(x.segments.size(), y.segments.size(), where + ".segments"))) {
      return;
    }
    for (std::size_t i = 0; i < x.segments.size() && difference_.empty(); ++i) {
      if (SameSegment(x.segments[i], y.segments[i])) continue;  // names places only on a difference
      const std::string at = where + ".segments[" + std::to_string(i) + "]";
      const Segment& s = x.segments[i];
      const Segment& t = y.segments[i];
      SamePoint(s.p, t.p, at + ".p") && SamePoint(s.in, t.in, at + ".in") &&
          SamePoint(s.out, t.out, at + ".out") && SameValue(s.corner, t.corner, at + ".corner") &&
          SameValue(s.selected, t.selected, at + ".selected");
    }
  }

  void CompareAppearance(const Appearance& x, const Appearance& y, const std::string& where) {
    if (!(SameValue(x.evenOdd, y.evenOdd, where + ".evenOdd") &&
          SameValue(x.clip, y.clip, where + ".clip") &&
          SameValue(x.lockClip, y.lockClip, where + ".lockClip") &&
          SameValue(x.resolution, y.resolution, where + ".resolution") &&
          SameValue(x.paint.size(), y.paint.size(), where + ".paint"))) {
      return;
    }
    for (std::size_t i = 0; i < x.paint.size() && difference_.empty(); ++i) {
      const std::string at = where + ".paint[" + std::to_string(i) + "]";
      if (!Same(x.paint[i].index() == y.paint[i].index(), at, "fill against stroke")) return;
      if (const auto* fill = std::get_if<AIFillStyle>(&x.paint[i])) {
        const auto& other = std::get<AIFillStyle>(y.paint[i]);
        SameValue(fill->overprint, other.overprint, at + ".overprint");
        CompareColor(fill->color, other.color, at + ".color");
        continue;
      }
      const auto& s = std::get<AIStrokeStyle>(x.paint[i]);
      const auto& t = std::get<AIStrokeStyle>(y.paint[i]);
      SameValue(s.overprint, t.overprint, at + ".overprint") &&
          SameValue(s.width, t.width, at + ".width") && SameValue(s.cap, t.cap, at + ".cap") &&
          SameValue(s.join, t.join, at + ".join") &&
          SameValue(s.miterLimit, t.miterLimit, at + ".miterLimit") &&
          SameValue(s.dash.length, t.dash.length, at + ".dash") &&
          SameValue(s.dash.offset, t.dash.offset, at + ".dashOffset");
      for (int d = 0; d < s.dash.length && d < kMaxDashComponents; ++d) {
        SameValue(s.dash.array[d], t.dash.array[d], at + ".dash[" + std::to_string(d) + "]");
      }
      CompareColor(s.color, t.color, at + ".color");
    }
  }

  const Document& a_;
  const Document& b_;
  std::string difference_;
};

}  // namespace

std::string FirstDifference(const Document& a, const Document& b) {
  return Comparison(a, b).Run();
}

}  // namespace host
