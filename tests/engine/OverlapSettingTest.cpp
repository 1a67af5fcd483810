// Settings filled from the document, the store's lists and its preferences.
#include <chrono>

#include "engine/OverlapSetting.h"
#include "engine/OverlapSettingStore.h"
#include "frame/SuiteTables.h"
#include "host/document/Colors.h"
#include "hostapi/AIError.h"
#include "tests/engine/EngineFixture.h"
#include "tests/engine/TestMaps.h"

class Setting : public EngineTest {
 protected:
  void SetUp() override { Open(kStackedRoads); }
};

TEST_F(Setting, FillsEntriesFromPathsWithLayerPathsStylesAndAPreview) {
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  OverlapSetting setting(120, 24);
  ASSERT_EQ(setting.FillFromArtList({Art("c3"), Art("inB"), Art("c1")}), kNoErr);
  ASSERT_EQ(setting.Count(), 3);
  EXPECT_EQ(setting.Entries()[1].layerPath.as_UTF8(), "B^A");
  EXPECT_EQ(setting.LeafLayerName(1).as_UTF8(), "B");
  EXPECT_EQ(setting.LeafLayerName(2).as_UTF8(), "L1");
  EXPECT_EQ(setting.LeafLayerName(3).as_UTF8(), "");
  EXPECT_EQ(setting.LayerOfEntry(1), Layer("b"));
  EXPECT_EQ(setting.LayerOfEntry(-1), nullptr);
  AIPathStyle style{};
  ASSERT_TRUE(setting.StyleOfEntry(0, style));
  EXPECT_EQ(style.stroke.width, 8);
  style.stroke.width = -1;
  EXPECT_FALSE(setting.StyleOfEntry(3, style));
  EXPECT_EQ(style.stroke.width, -1);
  EXPECT_EQ(setting.MaxStrokeWidth(), 8);
  ASSERT_NE(setting.Preview(), nullptr);  // the current layer L1 is editable

  // Copies are deep: the copy keeps its own preview and strings.
  OverlapSetting copy = setting;
  ASSERT_NE(copy.Preview(), nullptr);
  EXPECT_NE(copy.Preview(), setting.Preview());
  std::uint8_t red = 0, green = 0, blue = 0;
  ASSERT_TRUE(copy.Preview()->ReadPixel(setting.Preview()->Width() / 2, 0, red, green, blue));
  setting = OverlapSetting(120, 24);
  EXPECT_EQ(red, 0);  // the top rows are the 8 pt black stroke of the back-most entry
  EXPECT_EQ(copy.LeafLayerName(1).as_UTF8(), "B");
  EXPECT_EQ(setting.Preview(), nullptr);
  EXPECT_EQ(setting.MaxStrokeWidth(), 0.0);
}

TEST_F(Setting, AHostErrorKeepsTheEntriesMadeSoFarAndNoPreview) {
  Run("fail GetPathStyle 2 'TEST'");
  OverlapSetting setting(120, 24);
  EXPECT_EQ(setting.FillFromArtList({Art("c3"), Art("c1")}), FourCharCode("TEST"));
  EXPECT_EQ(setting.Count(), 1);
  EXPECT_EQ(setting.Preview(), nullptr);
  EXPECT_EQ(setting.LayerOfEntry(0), nullptr);  // the map was never built
}

TEST_F(Setting, MaxStrokeWidthCountsUnpaintedStrokes) {
  OverlapSetting setting(120, 24);
  AIPathStyle unpainted{};
  unpainted.stroke.width = 12;
  setting.AppendEntry({ai::UnicodeString("A"), unpainted});
  EXPECT_EQ(setting.MaxStrokeWidth(), 12);
}

// The store's lists, with settings told apart by their stroke's gray level.
class Store : public EngineTest {
 protected:
  static std::unique_ptr<OverlapSetting> Gray(double level, double width = 4) {
    auto setting = std::make_unique<OverlapSetting>(120, 24);
    AIPathStyle style{};
    style.strokePaint = 1;
    style.stroke.color = host::GrayColor(level);
    style.stroke.width = width;
    setting->AppendEntry({ai::UnicodeString("道路"), style});
    return setting;
  }
  static double Level(const OverlapSetting* setting) {
    return setting == nullptr ? -1 : setting->Entries()[0].style.stroke.color.c.g.gray;
  }
  std::vector<double> History() {
    std::vector<double> levels;
    for (std::int32_t i = 0; i < store_->HistoryCount(); ++i)
      levels.push_back(Level(store_->HistoryItem(i)));
    return levels;
  }
  // Makes settings 0.1, 0.2, ... current in turn: the history then holds all but the last.
  void MakeCurrentInTurn(int count) {
    for (int i = 1; i <= count; ++i) store_->MakeCurrent(Gray(i / 10.0));
  }

  void TearDown() override {
    store_.reset();  // its settings' strings go back before the host counts them
    EngineTest::TearDown();
  }

  std::unique_ptr<OverlapSettingStore> store_ = std::make_unique<OverlapSettingStore>(120, 24);
};

TEST_F(Store, MakeCurrentMovesTheFormerSettingToTheFrontUnlessEqual) {
  EXPECT_EQ(store_->Current(), nullptr);
  store_->MakeCurrent(Gray(0.1));
  store_->MakeCurrent(Gray(0.2));
  EXPECT_EQ(Level(store_->Current()), 0.2);
  EXPECT_EQ(History(), (std::vector<double>{0.1}));
  // Equal despite another width: the new one is current, the history stays.
  store_->MakeCurrent(Gray(0.2, 9));
  EXPECT_EQ(store_->Current()->MaxStrokeWidth(), 9);
  EXPECT_EQ(History(), (std::vector<double>{0.1}));
  // A new current setting equal to a history item removes the item.
  store_->MakeCurrent(Gray(0.1));
  EXPECT_EQ(History(), (std::vector<double>{0.2}));
  EXPECT_EQ(store_->HistoryItem(1), nullptr);
  EXPECT_EQ(store_->HistoryItem(-1), nullptr);
}

TEST_F(Store, AFullHistoryDropsExactlyOneSetting) {
  MakeCurrentInTurn(11);  // history 1.0 ... 0.1, ten settings
  ASSERT_EQ(store_->HistoryCount(), 10);
  store_->AddToHistory(*Gray(0.99));
  EXPECT_EQ(store_->HistoryCount(), 10);
  EXPECT_EQ(History().front(), 0.99);
  EXPECT_EQ(History().back(), 0.2);  // 0.1, the oldest, dropped
  // An addition equal to a listed setting moves it to the front; nothing else goes.
  store_->AddToHistory(*Gray(0.5, 1));
  EXPECT_EQ(store_->HistoryCount(), 10);
  EXPECT_EQ(History().front(), 0.5);
  EXPECT_EQ(History().back(), 0.2);
  EXPECT_EQ(store_->HistoryItem(0)->MaxStrokeWidth(), 1);  // the new copy
}

TEST_F(Store, LoweringTheMaximumTrimsOneAtATimeAndZeroKeepsNothing) {
  MakeCurrentInTurn(11);
  store_->SetMaxRecent(3);
  EXPECT_EQ(store_->HistoryCount(), 10);
  store_->AddToHistory(*Gray(0.99));
  EXPECT_EQ(store_->HistoryCount(), 10);  // 11 less one, not 3

  store_->ClearHistory();
  store_->SetMaxRecent(0);
  store_->AddToHistory(*Gray(0.3));
  EXPECT_EQ(store_->HistoryCount(), 0);
  store_->MakeCurrent(Gray(0.4));
  EXPECT_EQ(store_->HistoryCount(), 0);
}

TEST_F(Store, SelectingHistoryItemTwoSwapsItWithTheCurrentSetting) {
  MakeCurrentInTurn(5);  // current 0.5, history 0.4 0.3 0.2 0.1
  store_->SelectHistoryItem(2);
  EXPECT_EQ(Level(store_->Current()), 0.2);
  EXPECT_EQ(History(), (std::vector<double>{0.5, 0.4, 0.3, 0.1}));
  store_->SelectHistoryItem(4);  // out of range: nothing
  store_->SelectHistoryItem(-1);
  EXPECT_EQ(Level(store_->Current()), 0.2);
  EXPECT_EQ(store_->HistoryCount(), 4);
}

TEST_F(Store, SelectingABatchItemKeepsTheBatchAndEqualHistoryItems) {
  MakeCurrentInTurn(2);  // current 0.2, history 0.1
  store_->AppendToBatch(Gray(0.1));
  store_->AppendToBatch(Gray(0.7));
  store_->SelectBatchItem(0);
  EXPECT_EQ(Level(store_->Current()), 0.1);
  EXPECT_EQ(store_->BatchCount(), 2);
  EXPECT_EQ(History(), (std::vector<double>{0.2, 0.1}));  // the equal item stays
  EXPECT_NE(store_->Current(), store_->BatchItem(0));     // a copy
  store_->SelectBatchItem(2);
  EXPECT_EQ(Level(store_->Current()), 0.1);
  store_->ClearBatchList();
  EXPECT_EQ(store_->BatchCount(), 0);
  EXPECT_EQ(store_->BatchItem(0), nullptr);
}

TEST_F(Store, ASettingOfNoColourIsSwappedOutOfTheHistoryToo) {
  auto none = std::make_unique<OverlapSetting>(120, 24);
  AIPathStyle style{};
  style.strokePaint = 1;
  style.stroke.color = host::NoColor();
  none->AppendEntry({ai::UnicodeString("道路"), style});
  store_->MakeCurrent(std::move(none));
  store_->MakeCurrent(Gray(0.3));
  ASSERT_EQ(store_->HistoryCount(), 1);
  store_->SelectHistoryItem(0);
  EXPECT_EQ(History(), (std::vector<double>{0.3}));  // not held twice, current and listed
}

// The settings are compared through the host's string suite, which can fail at any comparison.
TEST_F(Store, AFailingComparisonLeavesTheStoreAsItWas) {
  MakeCurrentInTurn(4);  // current 0.4, history 0.3 0.2 0.1
  const OverlapSetting* current = store_->Current();
  const std::vector<double> history{0.3, 0.2, 0.1};
  Run("fail Compare 6");  // while the former current setting is entered
  EXPECT_THROW(store_->MakeCurrent(Gray(0.9)), ai::Error);
  EXPECT_EQ(store_->Current(), current);
  ASSERT_EQ(History(), history);
  Run("fail Compare 2");
  EXPECT_THROW(store_->AddToHistory(*Gray(0.9)), ai::Error);
  ASSERT_EQ(History(), history);
  Run("fail Compare");
  EXPECT_THROW(store_->SelectHistoryItem(1), ai::Error);
  EXPECT_EQ(store_->Current(), current);
  ASSERT_EQ(History(), history);

  store_->MakeCurrent(Gray(0.9));
  EXPECT_EQ(Level(store_->Current()), 0.9);
  EXPECT_EQ(History(), (std::vector<double>{0.4, 0.3, 0.2, 0.1}));
}

TEST_F(Store, PreferencesAreWrittenBackAtConstructionAndBySetters) {
  const auto& prefs = env_.host.preferences();
  const std::string prefix = "Mivor-LaneWorks1.5";
  ASSERT_NE(prefs.Find({prefix, "Max Recent Setting"}), nullptr);
  EXPECT_EQ(host::Describe(*prefs.Find({prefix, "Max Recent Setting"})), "integer 10");
  EXPECT_EQ(host::Describe(*prefs.Find({prefix, "Do Process Single Path"})), "boolean true");
  EXPECT_EQ(host::Describe(*prefs.Find({prefix, "Reserve Topmost Path"})), "boolean false");
  store_->SetReserveTopmostPath(1);
  EXPECT_EQ(host::Describe(*prefs.Find({prefix, "Reserve Topmost Path"})), "boolean true");
}

TEST(StorePreferences, SurviveARestartOfTheHost) {
  const auto profile =
      std::filesystem::temp_directory_path() /
      ("laneworks-store-" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  {
    EngineHost first(profile);
    OverlapSettingStore store(120, 24);
    store.SetMaxRecent(3);
    store.SetProcessSinglePath(0);
    store.SetReserveTopmostPath(1);
    store.MakeCurrent(std::make_unique<OverlapSetting>(120, 24));
  }
  {
    EngineHost second(profile);
    OverlapSettingStore store(120, 24);
    EXPECT_EQ(store.MaxRecent(), 3);
    EXPECT_EQ(store.ProcessSinglePath(), 0);
    EXPECT_EQ(store.ReserveTopmostPath(), 1);
    EXPECT_EQ(store.Current(), nullptr);
    EXPECT_EQ(store.HistoryCount(), 0);
    EXPECT_EQ(second.host.transcript().ViolationCount(), 0) << second.host.transcript().Text();
  }
  std::filesystem::remove_all(profile);
}
