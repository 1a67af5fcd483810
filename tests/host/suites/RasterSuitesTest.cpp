// Rasterising art sets, reading raster tiles into blocks, and failures armed by a script.
#include <algorithm>
#include <array>

#include "host/core/Session.h"
#include "host/document/Colors.h"
#include "host/suites/RasterSuites.h"
#include "tests/host/suites/SuiteFixture.h"

class RasterSuites : public SuiteTest {
 protected:
  AIArtSetHandle SetOf(std::initializer_list<const char*> ids) {
    AIArtSetHandle set = nullptr;
    EXPECT_EQ(sets_.NewArtSet(&set), kNoErr);
    std::vector<AIArtHandle> art;
    for (const char* id : ids) art.push_back(Art(id));
    EXPECT_EQ(sets_.ArrayArtSet(set, art.data(), art.size()), kNoErr);
    return set;
  }
  AIErr Rasterize(AIArtSetHandle set, AIReal resolution, const AIRealRect& bounds,
                  AIArtHandle* raster) {
    const AIRasterizeSettings settings{kRasterizeRGB, resolution, kAntialiasArtOptimized,
                                       kRasterizeOptionsNone, kColorConvertForPreview};
    return rasterize_.Rasterize(set, &settings, &bounds, kPlaceInsideOnTop,
                                doc().FindLayer("base")->group().handle(), raster, nullptr);
  }

  const AIRasterizeSuite& rasterize_ = *host::suites::RasterizeSuite();
  const AIRasterSuite& raster_ = *host::suites::RasterSuite();
  const AIBlockSuite& blocks_ = *host::Blocks::Suite();
};

TEST_F(RasterSuites, BoundsAreTheUnionOfWhatTheMembersPaint) {
  AIArtSetHandle set = SetOf({"a", "square"});
  AIRealRect bounds{};
  ASSERT_EQ(rasterize_.ComputeArtBounds(set, &bounds), kNoErr);
  // "a" runs from (0, 0) to (20, 5) with a 4 pt stroke; the unstroked square to (10, 10).
  EXPECT_EQ(bounds.left, -2);
  EXPECT_EQ(bounds.bottom, -2);
  EXPECT_EQ(bounds.right, 22);
  EXPECT_EQ(bounds.top, 10);
  EXPECT_EQ(sets_.DisposeArtSet(&set), kNoErr);
}

TEST_F(RasterSuites, RasterArtIsPlacedByPaintOrderWithItsPixelsReadableInAnyLayout) {
  doc().FindArt("square")->appearance().paint.push_back(AIFillStyle{host::RgbColor(1, 0, 0), 0});
  AIArtSetHandle set = SetOf({"square"});
  AIArtHandle raster = nullptr;
  // 10 pt at 36 ppi: 5 × 5 pixels of red; one point more on the right makes a column of white.
  ASSERT_EQ(Rasterize(set, 36, {0, 10, 12, 0}, &raster), kNoErr);
  EXPECT_EQ(doc().FindLayer("base")->group().firstChild()->handle(), raster);
  EXPECT_EQ(host_.documents().LiveRasterCount(), 1u);
  AIRasterRecord info{};
  ASSERT_EQ(raster_.GetRasterInfo(raster, &info), kNoErr);
  EXPECT_EQ(info.bounds.right - info.bounds.left, 6);
  EXPECT_EQ(info.bounds.bottom - info.bounds.top, 5);
  EXPECT_EQ(info.bitsPerPixel, 24);

  // Blue, green, red with a padding byte per pixel, rows 32 bytes apart, from column 4.
  void* block = nullptr;
  ASSERT_EQ(blocks_.AllocateBlock(32 * 5, &block), kNoErr);
  const AISlice slice{0, 4, 5, 6, 0, 3};
  AITile tile{};
  tile.data = block;
  tile.bounds = slice;
  tile.rowBytes = 32;
  tile.colBytes = 4;
  tile.channelInterleave[0] = 2;
  tile.channelInterleave[1] = 1;
  tile.channelInterleave[2] = 0;
  ASSERT_EQ(raster_.GetRasterTile(raster, &slice, &tile, &slice), kNoErr);
  const auto* bytes = static_cast<const std::uint8_t*>(block);
  EXPECT_EQ((std::array<int, 4>{bytes[0], bytes[1], bytes[2], bytes[3]}),
            (std::array<int, 4>{0, 0, 255, 0}));  // red, padding untouched
  EXPECT_EQ((std::array<int, 3>{bytes[4], bytes[5], bytes[6]}),
            (std::array<int, 3>{255, 255, 255}));

  // A layout that runs past the block is refused and writes nothing.
  tile.rowBytes = 40;
  EXPECT_EQ(raster_.GetRasterTile(raster, &slice, &tile, &slice), kBadParameterErr);
  EXPECT_EQ(Violations(), 1);
  EXPECT_EQ(bytes[32 * 4 + 4], 255);

  EXPECT_EQ(blocks_.DisposeBlock(block), kNoErr);
  EXPECT_EQ(art_.DisposeArt(raster), kNoErr);
  EXPECT_EQ(host_.documents().LiveRasterCount(), 0u);
  EXPECT_EQ(sets_.DisposeArtSet(&set), kNoErr);
}

TEST_F(RasterSuites, MisuseIsRefusedAndReported) {
  AIArtSetHandle set = SetOf({"a"});
  AIArtHandle raster = nullptr;
  const AIRasterizeSettings gray{7, 72, 2, 0, 0};
  const AIRealRect bounds{0, 10, 10, 0};
  EXPECT_EQ(rasterize_.Rasterize(set, &gray, &bounds, kPlaceInsideOnTop, nullptr, &raster, nullptr),
            kBadParameterErr);
  EXPECT_EQ(Rasterize(set, 72, {0, 0, 10, 10}, &raster), kBadParameterErr);  // upside down
  EXPECT_EQ(raster, nullptr);
  AIRasterRecord info{};
  EXPECT_EQ(raster_.GetRasterInfo(Art("a"), &info), kBadParameterErr);
  int stack = 0;
  EXPECT_EQ(blocks_.DisposeBlock(&stack), kBadParameterErr);
  EXPECT_EQ(Violations(), 4);
  EXPECT_EQ(host_.blocks().LiveCount(), 0u);
  EXPECT_EQ(sets_.DisposeArtSet(&set), kNoErr);
  // The progress callback can cancel; nothing is placed then.
  set = SetOf({"a"});
  const AIRasterizeSettings rgb{kRasterizeRGB, 72, 2, 0, 1};
  EXPECT_EQ(rasterize_.Rasterize(set, &rgb, &bounds, kPlaceInsideOnTop, nullptr, &raster,
                                 [](std::int32_t, std::int32_t) -> AIBoolean { return 0; }),
            kCanceledErr);
  EXPECT_EQ(host_.documents().LiveRasterCount(), 0u);
  EXPECT_EQ(sets_.DisposeArtSet(&set), kNoErr);
}

TEST_F(RasterSuites, ScriptedFailuresFireAtTheNthCallOnce) {
  host::Session session(host_, nullptr, "");
  session.RunLine("fail GetArtType 2 'TEST'");
  session.RunLine("fail AllocateBlock");
  AIArtType type = 0;
  EXPECT_EQ(art_.GetArtType(Art("a"), &type), kNoErr);
  EXPECT_EQ(art_.GetArtType(Art("a"), &type), FourCharCode("TEST"));
  EXPECT_EQ(art_.GetArtType(Art("a"), &type), kNoErr);
  void* block = &type;
  EXPECT_EQ(blocks_.AllocateBlock(8, &block), FourCharCode("FAIL"));
  EXPECT_EQ(block, &type);  // a failing call leaves its results alone
  const auto& lines = host_.transcript().Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "fault: GetArtType -> 'TEST'"), lines.end());
  session.RunLine("fail GetArtType 0");
  EXPECT_EQ(Violations(), 1);  // the script's bad call number
  session.RunLine("fail GetArtType 5");
  host_.faults().CheckAllFired();
  EXPECT_EQ(Violations(), 2);  // a failure the test never reached is reported
  host_.faults().CheckAllFired();
  EXPECT_EQ(Violations(), 2);  // and forgotten
}
