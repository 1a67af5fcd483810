#include "tests/tools/ScissorsFixture.h"

#include <cstdio>
#include <sstream>

namespace scissors_test {
namespace {

AIRealPoint ParsePoint(const std::string& text) {
  AIRealPoint point{};
  if (std::sscanf(text.c_str(), "%lf,%lf", &point.h, &point.v) != 2) {
    ADD_FAILURE() << "not a point: " << text;
  }
  return point;
}

std::string Number(AIReal value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6g", value == 0 ? 0.0 : value);
  return text;
}

std::string Point(AIRealPoint point) {
  return Number(point.h) + "," + Number(point.v);
}

bool Same(AIRealPoint a, AIRealPoint b) {
  return Point(a) == Point(b);
}

}  // namespace

host::PathGeometry ParsePath(const std::string& text) {
  host::PathGeometry path;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (word == "z") {
      path.closed = true;
      continue;
    }
    host::Segment segment;
    segment.corner = word[0] != '~';
    if (!segment.corner) word.erase(0, 1);
    const std::size_t open = word.find('[');
    segment.p = ParsePoint(word.substr(0, open));
    segment.in = segment.out = segment.p;
    if (open != std::string::npos) {
      const std::size_t bar = word.find('|', open);
      segment.in = ParsePoint(word.substr(open + 1, bar - open - 1));
      segment.out = ParsePoint(word.substr(bar + 1, word.size() - bar - 2));
    }
    path.segments.push_back(segment);
  }
  return path;
}

std::string DescribePath(const host::PathGeometry& path) {
  std::string text;
  for (const host::Segment& segment : path.segments) {
    if (!text.empty()) text += ' ';
    if (!segment.corner) text += '~';
    text += Point(segment.p);
    if (!Same(segment.in, segment.p) || !Same(segment.out, segment.p)) {
      text += "[" + Point(segment.in) + "|" + Point(segment.out) + "]";
    }
  }
  return path.closed ? text + " z" : text;
}

ScissorsTest::ScissorsTest() {
  auto document = std::make_unique<host::Document>();
  layer_ = &document->NewLayer(nullptr, kPlaceAbove, "道路", "roads");
  host_.documents().Replace(std::move(document));
  Run("answer ok ok");  // the test plug-in's start-up messages
  Run("start");
}

ScissorsTest::~ScissorsTest() = default;

void ScissorsTest::TearDown() {
  EXPECT_EQ(host_.documents().hits.Count(), 0u) << "hit references held";
  host_.faults().CheckAllFired();
  Run("shutdown");
  host_.alerts().CheckAllAnswered();
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

AIArtHandle ScissorsTest::AddPath(const std::string& id, const std::string& path) {
  host::Art& art = Doc().NewArt(kPathArt, kPlaceInsideOnTop, layer_->group(), id);
  art.path() = ParsePath(path);
  return art.handle();
}

}  // namespace scissors_test
