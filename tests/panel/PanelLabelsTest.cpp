// The road panel's labels: what the user reads about the current setting.
#include <gtest/gtest.h>

#include "panel/PanelLabels.h"
#include "tests/frame/HostSuites.h"

namespace {

class PanelLabelsTest : public HostSuitesTest {
 protected:
  // A setting of strokes of the given widths, back to front, on layers named by their paths.
  static OverlapSetting Setting(std::initializer_list<std::pair<const char*, AIReal>> strokes) {
    OverlapSetting setting(120, 24);
    for (const auto& [layerPath, width] : strokes) {
      AIPathStyle style{};
      style.strokePaint = true;
      style.stroke.width = width;
      setting.AppendEntry(StrokeLayerEntry{ai::UnicodeString(layerPath), style});
    }
    return setting;
  }
  static std::string MaxWidth(std::initializer_list<std::pair<const char*, AIReal>> strokes) {
    const OverlapSetting setting = Setting(strokes);
    return MaxWidthText(&setting).as_UTF8();
  }
};

TEST_F(PanelLabelsTest, NameIsTheFrontMostLayerWithoutItsEnclosingLayers) {
  EXPECT_EQ(SettingNameText(nullptr).as_UTF8(), "");
  const OverlapSetting road = Setting({{"道路 外枠^道路", 6}, {"道路 中^道路", 4}});
  EXPECT_EQ(SettingNameText(&road).as_UTF8(), "道路 中");
  const OverlapSetting empty = Setting({});
  EXPECT_EQ(SettingNameText(&empty).as_UTF8(), "");
}

TEST_F(PanelLabelsTest, WidestStrokeInTheStrokeUnitOrNothing) {
  EXPECT_EQ(MaxWidthText(nullptr).as_UTF8(), "");
  const OverlapSetting road = Setting({{"casing", 6}, {"fill", 4.25}});
  EXPECT_EQ(MaxWidthText(&road).as_UTF8(), "最大幅 6 pt");
  // The unit is read at every call.
  SetStrokeUnits(1);
  EXPECT_EQ(MaxWidthText(&road).as_UTF8(), "最大幅 2.117 mm");
  SetStrokeUnits(0);
  EXPECT_EQ(MaxWidth({{"fill", 0.25}}), "最大幅 0.003 in");
  SetStrokeUnits(2);
  // Widths that are not above 0 show nothing, however many strokes there are.
  EXPECT_EQ(MaxWidth({{"a", 0}, {"b", 0}}), "");
  EXPECT_EQ(MaxWidth({}), "");
  // The label stops at the evaluator's maximum, as the host shows any width.
  EXPECT_EQ(MaxWidth({{"a", 20000}}), "最大幅 9999 pt");
}

}  // namespace
