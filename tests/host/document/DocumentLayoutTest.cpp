// The layout of saved documents, pinned: small containers on one line as the JSON library
// writes them compactly, others one item a line; numbers in the library's shortest form.
#include <gtest/gtest.h>

#include <limits>

#include "host/document/Colors.h"
#include "host/document/DocumentJson.h"

namespace host {
namespace {

TEST(DocumentLayout, SmallContainersStayOnOneLineAndLargeOnesBreak) {
  Document document;
  Layer& top = document.NewLayer(nullptr, kPlaceAbove, "道路", "a");
  Art& shortPath = document.NewArt(kPathArt, kPlaceInsideOnTop, top.group(), "short");
  shortPath.path().segments.push_back(CornerAt({1, -0.0}));
  Art& group = document.NewArt(kGroupArt, kPlaceInsideOnBottom, top.group(), "g");
  Art& longPath = document.NewArt(kPathArt, kPlaceInsideOnTop, group, "long \"one\"");
  for (int i = 0; i < 4; ++i) longPath.path().segments.push_back(CornerAt({i * 1e21, i / 3.0}));
  longPath.path().segments[1].in = {std::numeric_limits<double>::quiet_NaN(), 2};
  AIStrokeStyle stroke = DefaultStroke();
  stroke.width = 2.5;
  longPath.appearance().paint.push_back(stroke);
  document.NewLayer(&top, kPlaceInsideOnBottom, "", "s");
  document.NewLayer(nullptr, kPlaceBelow, "empty", "b");
  EXPECT_EQ(WriteDocument(document), R"json({
  "format": "laneworks-document",
  "version": 1,
  "view": {"zoom":1.0,"snapping":false},
  "currentLayer": "a",
  "layers": [
    {
      "id": "a",
      "title": "道路",
      "art": [
        {"type":"path","id":"short","segments":[{"p":[1.0,-0.0]}]},
        {
          "type": "group",
          "id": "g",
          "art": [
            {
              "type": "path",
              "id": "long \"one\"",
              "segments": [
                {"p":[0.0,0.0]},
                {"p":[1e+21,0.3333333333333333],"in":[null,2.0]},
                {"p":[2e+21,0.6666666666666666]},
                {"p":[3e+21,1.0]}
              ],
              "appearance": {"paint":[{"kind":"stroke","color":{"kind":"none"},"width":2.5}]}
            }
          ]
        },
        {"type":"layer","id":"s","title":"","art":[]}
      ]
    },
    {"id":"b","title":"empty","art":[]}
  ]
}
)json");
}

}  // namespace
}  // namespace host
