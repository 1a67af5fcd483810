#include "tests/random/RandomDocument.h"

#include <cstdio>
#include <utility>

namespace random_sessions {
namespace {

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

std::string Join(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

// A colour channel in quarters, so that equal styles are likely.
std::string Channel(RandomSource& random) {
  return Number(random.Between(0, 4) / 4.0);
}

std::string ProcessColor(RandomSource& random) {
  switch (random.Below(3)) {
    case 0:
      return R"({"kind": "gray", "gray": )" + Channel(random) + "}";
    case 1:
      return R"({"kind": "cmyk", "c": )" + Channel(random) + R"(, "m": )" + Channel(random) +
             R"(, "y": )" + Channel(random) + R"(, "k": )" + Channel(random) + "}";
    default:
      return R"({"kind": "rgb", "r": )" + Channel(random) + R"(, "g": )" + Channel(random) +
             R"(, "b": )" + Channel(random) + "}";
  }
}

struct SwatchIds {
  std::vector<std::string> custom, patterns, gradients;
};

std::string AnyColor(RandomSource& random, const SwatchIds& swatches) {
  switch (random.Below(12)) {
    case 0:
      if (swatches.custom.empty()) break;
      return R"({"kind": "custom", "swatch": ")" + random.Pick(swatches.custom) + R"(", "tint": )" +
             Number(random.Between(0, 2) / 2.0) + "}";
    case 1:
      if (swatches.patterns.empty()) break;
      return R"({"kind": "pattern", "swatch": ")" + random.Pick(swatches.patterns) + "\"}";
    case 2:
      if (swatches.gradients.empty()) break;
      return R"({"kind": "gradient", "swatch": ")" + random.Pick(swatches.gradients) +
             R"(", "length": 100})";
    case 3:
      return R"({"kind": "none"})";
    default:
      break;
  }
  return ProcessColor(random);
}

std::string Stroke(RandomSource& random, const SwatchIds& swatches) {
  static const char* const caps[] = {"butt", "round", "projecting"};
  static const char* const joins[] = {"miter", "round", "bevel"};
  static const double widths[] = {0.5, 1, 2, 4, 6, 9};
  std::string stroke = R"({"kind": "stroke", "color": )" + AnyColor(random, swatches) +
                       R"(, "width": )" + Number(widths[random.Below(6)]) + R"(, "cap": ")" +
                       caps[random.Below(3)] + R"(", "join": ")" + joins[random.Below(3)] + "\"";
  if (random.Percent(15)) stroke += R"(, "dash": [)" + Number(random.Between(1, 4)) + ", 2]";
  return stroke + "}";
}

// A road's style: mostly one stroke, sometimes a fill or a second stroke.
std::string Style(RandomSource& random, const SwatchIds& swatches) {
  std::vector<std::string> paint;
  if (random.Percent(90)) paint.push_back(Stroke(random, swatches));
  if (random.Percent(10)) paint.push_back(Stroke(random, swatches));
  if (random.Percent(20)) {
    paint.push_back(R"({"kind": "fill", "color": )" + AnyColor(random, swatches) + "}");
  }
  return R"({"paint": [)" + Join(paint) + "]}";
}

struct Segment {
  double h, v, inH, inV, outH, outV;
};
struct Geometry {
  std::vector<Segment> segments;
  bool closed = false;
};

// Anchors on a 5-point grid, so that clicks can hit them exactly.
Geometry RoadGeometry(RandomSource& random) {
  Geometry geometry;
  double h = 10.0 * random.Between(0, 40);
  double v = 10.0 * random.Between(0, 40);
  const bool curved = random.Percent(30);
  const int count = random.Between(2, 5);
  for (int i = 0; i < count; ++i) {
    Segment segment{h, v, h, v, h, v};
    if (curved && random.Percent(60)) {
      const double dh = 5.0 * random.Between(1, 3);
      const double dv = 5.0 * random.Between(-2, 2);
      segment.inH -= dh;
      segment.inV -= dv;
      segment.outH += dh;
      segment.outV += dv;
    }
    geometry.segments.push_back(segment);
    h += 5.0 * random.Between(2, 12);
    v += 5.0 * random.Between(-6, 6);
  }
  geometry.closed = count >= 3 && random.Percent(15);
  return geometry;
}

// Equal anchors, but not an equal path: one handle moved, or closed where the road is open.
Geometry Twin(Geometry geometry, RandomSource& random) {
  if (random.Percent(50)) {
    geometry.closed = !geometry.closed;
  } else {
    geometry.segments[random.Below(geometry.segments.size())].outV += 5;
  }
  return geometry;
}

std::string Point(double h, double v) {
  return "[" + Number(h) + ", " + Number(v) + "]";
}

std::string States(RandomSource& random) {
  std::string states;
  if (random.Percent(8)) states += R"(, "locked": true)";
  if (random.Percent(5)) states += R"(, "hidden": true)";
  return states;
}

std::string PathJson(const std::string& id, const Geometry& geometry, const std::string& style,
                     const std::string& states) {
  std::vector<std::string> segments;
  for (const Segment& s : geometry.segments) {
    segments.push_back(R"({"p": )" + Point(s.h, s.v) + R"(, "in": )" + Point(s.inH, s.inV) +
                       R"(, "out": )" + Point(s.outH, s.outV) + "}");
  }
  std::string json = R"({"type": "path", "id": ")" + id + "\"" + states;
  if (geometry.closed) json += R"(, "closed": true)";
  json += R"(, "segments": [)" + Join(segments) + "]";
  if (!style.empty()) json += R"(, "appearance": )" + style;
  return json + "}";
}

struct LayerNode {
  std::string id;
  std::string title;
  int parent = -1;
  bool visible = true;
  bool editable = true;
  std::vector<std::string> art;  // front to back
};

class Builder {
 public:
  Builder(RandomSource& random, int mostRoads) : random_(random), mostRoads_(mostRoads) {}

  GeneratedDocument Build() {
    GeneratedDocument document;
    const std::string swatches = MakeSwatches(document.swatchIds);
    MakeLayers();
    for (int i = 0; i < 5; ++i) styles_.push_back(Style(random_, swatchIds_));
    const int roads = random_.Between(2, mostRoads_);
    for (int road = 0; road < roads; ++road) MakeRoad(road);
    const int plain = random_.Between(0, 3);
    for (int i = 0; i < plain; ++i) {
      Place(PathJson("p" + std::to_string(i), RoadGeometry(random_), Style(random_, swatchIds_),
                     States(random_)));
    }
    if (random_.Percent(50)) {
      Place(R"({"type": "text", "id": "x0", "text": "駅", "anchor": )" +
            Point(10.0 * random_.Between(0, 40), 10.0 * random_.Between(0, 40)) + "}");
    }
    std::vector<std::string> top;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
      if (layers_[i].parent < 0) top.push_back(LayerJson(i, false));
    }
    document.json = R"({"format": "laneworks-document", "version": 1, "swatches": )" + swatches +
                    R"(, "layers": [)" + Join(top) + "]}";
    return document;
  }

 private:
  std::string MakeSwatches(std::vector<std::string>& ids) {
    std::vector<std::string> custom, patterns, gradients;
    for (int i = random_.Between(0, 2); i > 0; --i) {
      swatchIds_.custom.push_back("sc" + std::to_string(i));
      custom.push_back(R"({"id": ")" + swatchIds_.custom.back() +
                       R"(", "name": "特色", "color": )" + ProcessColor(random_) + "}");
    }
    if (random_.Percent(40)) {
      swatchIds_.patterns.push_back("sp1");
      patterns.push_back(R"({"id": "sp1", "name": "模様", "color": )" + ProcessColor(random_) +
                         "}");
    }
    if (random_.Percent(40)) {
      swatchIds_.gradients.push_back("sg1");
      gradients.push_back(R"({"id": "sg1", "name": "", "stops": [{"rampPoint": 0, "color": )" +
                          ProcessColor(random_) + R"(}, {"rampPoint": 100, "color": )" +
                          ProcessColor(random_) + "}]}");
    }
    for (const auto* list : {&swatchIds_.custom, &swatchIds_.patterns, &swatchIds_.gradients})
      ids.insert(ids.end(), list->begin(), list->end());
    return R"({"customColors": [)" + Join(custom) + R"(], "patterns": [)" + Join(patterns) +
           R"(], "gradients": [)" + Join(gradients) + "]}";
  }

  void MakeLayers() {
    static const char* const titles[] = {"道路_中", "道路_縁", "一般道", "下書き", "河川", "建物"};
    const int count = random_.Between(2, 5);
    for (int i = 0; i < count; ++i) {
      LayerNode layer;
      layer.id = "l" + std::to_string(i);
      layer.title = std::string(titles[random_.Below(6)]) + std::to_string(i);
      if (!layers_.empty() && random_.Percent(25)) {
        layer.parent = static_cast<int>(random_.Below(layers_.size()));
      }
      layer.visible = !random_.Percent(8);
      layer.editable = !random_.Percent(12);
      layers_.push_back(std::move(layer));
    }
  }

  // One road: a stack of copies in one to three layers (a layer may hold two), in the document's
  // styles, perhaps with a twin.
  void MakeRoad(int road) {
    const Geometry geometry = RoadGeometry(random_);
    const int copies = random_.Between(1, 3);
    for (int copy = 0; copy < copies; ++copy) {
      const std::string id = "r" + std::to_string(road) + "-" + std::to_string(copy);
      std::string path = PathJson(id, geometry, random_.Pick(styles_), States(random_));
      if (random_.Percent(10)) path = Compound(id, path);
      Place(path);
    }
    if (random_.Percent(25)) {
      Place(PathJson("t" + std::to_string(road), Twin(geometry, random_), random_.Pick(styles_),
                     States(random_)));
    }
  }

  std::string Compound(const std::string& id, const std::string& member) {
    Geometry other = RoadGeometry(random_);
    return R"({"type": "compoundPath", "id": "c)" + id + R"(", "art": [)" + member + ", " +
           PathJson("m" + id, other, "", "") + R"(], "appearance": )" + Style(random_, swatchIds_) +
           "}";
  }

  // Into a random layer, sometimes inside a group.
  void Place(std::string art) {
    if (random_.Percent(15)) {
      art = R"({"type": "group", "id": "g)" + std::to_string(groups_++) + "\"" + States(random_) +
            R"(, "art": [)" + art + "]}";
    }
    auto& list = layers_[random_.Below(layers_.size())].art;
    list.insert(list.begin() + static_cast<long>(random_.Below(list.size() + 1)), std::move(art));
  }

  std::string LayerJson(std::size_t index, bool sublayer) {
    const LayerNode& layer = layers_[index];
    std::vector<std::string> items = layer.art;
    for (std::size_t i = 0; i < layers_.size(); ++i) {
      if (layers_[i].parent != static_cast<int>(index)) continue;
      items.insert(items.begin() + static_cast<long>(random_.Below(items.size() + 1)),
                   LayerJson(i, true));
    }
    std::string json = std::string(sublayer ? R"({"type": "layer", )" : "{") + R"("id": ")" +
                       layer.id + R"(", "title": ")" + layer.title + "\"";
    if (!layer.visible) json += R"(, "visible": false)";
    if (!layer.editable) json += R"(, "editable": false)";
    return json + R"(, "art": [)" + Join(items) + "]}";
  }

  RandomSource& random_;
  int mostRoads_;
  SwatchIds swatchIds_;
  std::vector<std::string> styles_;
  std::vector<LayerNode> layers_;
  int groups_ = 0;
};

}  // namespace

GeneratedDocument GenerateDocument(RandomSource& random, int mostRoads) {
  return Builder(random, mostRoads).Build();
}

}  // namespace random_sessions
