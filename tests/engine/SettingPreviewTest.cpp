// The picture of a setting: its pixels, and the document left exactly as it was.
#include <array>

#include "engine/OverlapSetting.h"
#include "engine/PreviewBitmap.h"
#include "engine/SettingPreview.h"
#include "host/document/Colors.h"
#include "tests/engine/EngineFixture.h"

namespace {

constexpr char kRoadLayers[] = R"({
  "format": "laneworks-document", "version": 1, "currentLayer": "top",
  "layers": [
    {"id": "top", "title": "塗り", "art": [
      {"type": "path", "id": "fill", "segments": [{"p": [0, 0]}, {"p": [80, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 0}, "width": 4}]}}]},
    {"id": "base", "title": "縁", "art": [
      {"type": "path", "id": "casing", "segments": [{"p": [0, 0]}, {"p": [80, 40]}],
       "appearance": {"paint": [{"kind": "stroke", "color": {"kind": "gray", "gray": 1}, "width": 6}]}}]}
  ]})";

AIPathStyle Stroke(AIReal gray, AIReal width) {
  AIPathStyle style{};
  style.strokePaint = 1;
  style.stroke.color = host::GrayColor(gray);
  style.stroke.width = width;
  style.stroke.cap = kAIButtCap;
  style.stroke.join = kAIMiterJoin;
  style.stroke.miterLimit = 4;
  return style;
}

// A black casing of 6 pt under a white fill of 4 pt.
OverlapSetting Road() {
  OverlapSetting setting(120, 24);
  setting.AppendEntry({ai::UnicodeString("縁"), Stroke(1, 6)});
  setting.AppendEntry({ai::UnicodeString("塗り"), Stroke(0, 4)});
  return setting;
}

// 'B' black, 'W' white, '?' anything else.
char Shade(const PreviewBitmap& bitmap, std::uint32_t x, std::uint32_t y) {
  std::uint8_t r = 1, g = 1, b = 1;
  if (!bitmap.ReadPixel(x, y, r, g, b)) return '-';
  if (r == 0 && g == 0 && b == 0) return 'B';
  if (r == 255 && g == 255 && b == 255) return 'W';
  return '?';
}

}  // namespace

TEST(PreviewBitmap, IsWhiteWhenNewAndIgnoresPixelsOutside) {
  PreviewBitmap bitmap(4, 2);
  EXPECT_EQ(Shade(bitmap, 3, 1), 'W');
  bitmap.WritePixel(4, 0, 0, 0, 0);
  bitmap.WritePixel(0, 2, 0, 0, 0);
  std::uint8_t r = 7, g = 7, b = 7;
  EXPECT_FALSE(bitmap.ReadPixel(4, 0, r, g, b));
  EXPECT_EQ(r, 7);
  bitmap.WritePixel(1, 1, 10, 20, 30);
  ASSERT_TRUE(bitmap.ReadPixel(1, 1, r, g, b));
  EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{10, 20, 30}));
  for (std::uint32_t y = 0; y < 2; ++y) {
    for (std::uint32_t x = 0; x < 4; ++x) {
      const char expected = x == 1 && y == 1 ? '?' : 'W';
      EXPECT_EQ(Shade(bitmap, x, y), expected) << x << "," << y;
    }
  }
}

class Preview : public EngineTest {
 protected:
  void SetUp() override {
    Open(kRoadLayers);
    before_ = Saved();
  }
  // Nothing drawn for a preview stays, and nothing is held.
  void ExpectDocumentAsItWas() {
    EXPECT_EQ(Saved(), before_);
    EXPECT_EQ(Doc().ArtCount(), 2u);
    EXPECT_EQ(env_.host.blocks().LiveCount(), 0u);
    EXPECT_EQ(env_.host.documents().artSets.Count(), 0u);
    EXPECT_EQ(env_.host.documents().LiveRasterCount(), 0u);
  }

  std::string before_;
};

TEST_F(Preview, BlackCasingUnderWhiteFillGivesABlackBandWithAWhiteMiddleOnWhite) {
  OverlapSetting setting = Road();
  BuildPreview(setting);
  ExpectDocumentAsItWas();
  const PreviewBitmap* preview = setting.Preview();
  ASSERT_NE(preview, nullptr);
  // 144 ppi: the 6 pt casing is 12 px high, the line 120 px long; the raster is the casing's
  // bounds, 3 pt wider than the line at each end (6 px of white there, the caps being butt).
  ASSERT_EQ(preview->Width(), 132u);
  ASSERT_EQ(preview->Height(), 12u);
  const std::string band(120, 'B'), middle(120, 'W');
  for (std::uint32_t y = 0; y < 12; ++y) {
    std::string row;
    for (std::uint32_t x = 0; x < preview->Width(); ++x) row += Shade(*preview, x, y);
    const bool white = y >= 2 && y < 10;  // the 4 pt fill: two thirds of the band, centred
    EXPECT_EQ(row, std::string(6, 'W') + (white ? middle : band) + std::string(6, 'W'))
        << "row " << y;
  }
}

TEST_F(Preview, NoPictureWithTheCurrentLayerLockedOrNothingToScaleBy) {
  Run("layer top editable off");
  OverlapSetting locked = Road();
  BuildPreview(locked);
  EXPECT_EQ(locked.Preview(), nullptr);
  Run("layer top editable on");

  OverlapSetting empty(120, 24);
  BuildPreview(empty);
  EXPECT_EQ(empty.Preview(), nullptr);
  OverlapSetting hairlines(120, 24);
  hairlines.AppendEntry({ai::UnicodeString("縁"), Stroke(1, 0)});
  BuildPreview(hairlines);
  EXPECT_EQ(hairlines.Preview(), nullptr);
  ExpectDocumentAsItWas();
}

TEST_F(Preview, ASettingWithAnUnknownSwatchGetsNoPictureAndLeavesNothing) {
  OverlapSetting setting = Road();
  AIPathStyle spot = Stroke(0, 2);
  spot.stroke.color =
      host::CustomColorOf(reinterpret_cast<AICustomColorHandle>(std::uintptr_t{0x40}), 0);
  setting.AppendEntry({ai::UnicodeString("塗り"), spot});
  BuildPreview(setting);  // the third line's style is refused
  EXPECT_EQ(setting.Preview(), nullptr);
  ExpectDocumentAsItWas();
}

TEST_F(Preview, EveryFailurePartWayLeavesTheDocumentAsItWasAndTheFormerPicture) {
  OverlapSetting setting = Road();
  BuildPreview(setting);
  ASSERT_NE(setting.Preview(), nullptr);
  const PreviewBitmap former = *setting.Preview();
  for (const char* failure :
       {"SetPathSegments 1", "SetPathSegments 2", "SetPathStyle 2", "ComputeArtBounds", "Rasterize",
        "GetRasterInfo", "AllocateBlock", "GetRasterTile"}) {
    const std::string function = std::string(failure).substr(0, std::string(failure).find(' '));
    const long fired = Count("fault: " + function + " -> 'FAIL'");
    Run(std::string("fail ") + failure);
    BuildPreview(setting);
    EXPECT_EQ(Count("fault: " + function + " -> 'FAIL'"), fired + 1) << failure;
    ExpectDocumentAsItWas();
    ASSERT_NE(setting.Preview(), nullptr) << failure;
    EXPECT_EQ(setting.Preview()->Width(), former.Width()) << failure;
    EXPECT_EQ(Shade(*setting.Preview(), 60, 0), 'B') << failure;
  }
}
