// The stack check and repair: what counts as broken, which setting a stack is measured against,
// which geometry a drifted stack keeps, the questions, and what a failure leaves.
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/LayerPathMap.h"
#include "engine/OverlapSettingStore.h"
#include "engine/PathCloseness.h"
#include "engine/StackCheck.h"
#include "engine/StackCheckCommands.h"
#include "tests/engine/EngineFixture.h"

namespace {

// A path of a map: its layer ("fill", "casing", "draft" from the top; "centre" holds centre
// lines above the fills), id, style (C casing, F fill, M centre line, D a plain draft) and
// anchors "x,y x,y ..." (a closing " z"). Paths of a layer are listed front to back.
struct MapPath {
  const char* layer;
  const char* id;
  char style;
  const char* anchors;
};

std::string SegmentsJson(const std::string& anchors, bool& closed) {
  std::istringstream words(anchors);
  std::string json;
  for (std::string word; words >> word;) {
    if (word == "z") {
      closed = true;
      continue;
    }
    json += (json.empty() ? "" : ", ") + std::string("{\"p\": [") + word + "]}";
  }
  return "[" + json + "]";
}

std::string StyleJson(char style) {
  const char* stroke = style == 'C'   ? R"({"kind": "gray", "gray": 1}, "width": 6)"
                       : style == 'F' ? R"({"kind": "gray", "gray": 0}, "width": 4)"
                       : style == 'M' ? R"({"kind": "rgb", "r": 1, "g": 0.5, "b": 0}, "width": 1)"
                                      : nullptr;
  if (stroke == nullptr) return "";
  return std::string(R"(, "appearance": {"paint": [{"kind": "stroke", "color": )") + stroke + "}]}";
}

std::string Map(const std::vector<MapPath>& paths) {
  const std::pair<const char*, const char*> layers[] = {
      {"centre", "中心線"}, {"fill", "道路_中"}, {"casing", "道路_縁"}, {"draft", "下書き"}};
  std::string json = R"({"format": "laneworks-document", "version": 1, "currentLayer": "draft",
    "layers": [)";
  for (const auto& [id, title] : layers) {
    if (id != layers[0].first) json += ", ";
    json += std::string(R"({"id": ")") + id + R"(", "title": ")" + title + R"(", "art": [)";
    bool first = true;
    for (const MapPath& path : paths) {
      if (std::string(path.layer) != id) continue;
      bool closed = false;
      const std::string segments = SegmentsJson(path.anchors, closed);
      json += std::string(first ? "" : ", ") + R"({"type": "path", "id": ")" + path.id +
              R"(", "closed": )" + (closed ? "true" : "false") + R"(, "segments": )" + segments +
              StyleJson(path.style) + "}";
      first = false;
    }
    json += "]}";
  }
  return json + "]}";
}

// The road r: a casing and a fill; the road m: casing, fill and centre line. Both whole.
const std::vector<MapPath> kSettingRoads = {
    {"centre", "m-m", 'M', "0,-100 100,-100"}, {"fill", "m-f", 'F', "0,-100 100,-100"},
    {"fill", "r-f", 'F', "0,-50 100,-50"},     {"casing", "m-c", 'C', "0,-100 100,-100"},
    {"casing", "r-c", 'C', "0,-50 100,-50"},
};

std::vector<MapPath> With(std::vector<MapPath> more) {
  more.insert(more.end(), kSettingRoads.begin(), kSettingRoads.end());
  return more;
}

class StackCheckTest : public EngineTest {
 protected:
  void Load(const std::vector<MapPath>& paths) {
    Open(Map(paths).c_str());
    ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  }
  // Makes the setting of these paths (back to front) current; the former goes to the history.
  void Capture(std::vector<const char*> ids) {
    auto setting = store_->NewSetting();
    ASSERT_EQ(setting->FillEntriesFromArtList(Paths(ids)), kNoErr);
    store_->MakeCurrent(std::move(setting));
  }
  ArtList Paths(const std::vector<const char*>& ids) {
    ArtList paths;
    for (const char* id : ids) paths.push_back(Art(id));
    return paths;
  }
  StackFindings Find(const CheckScope& scope = {}) {
    StackFindings findings;
    EXPECT_EQ(FindBrokenStacks(*store_, scope, findings), kNoErr);
    return findings;
  }
  static std::string Counts(const StackFindings& f) {
    return std::to_string(f.missing) + " missing, " + std::to_string(f.drifted) + " drifted, " +
           std::to_string(f.duplicates) + " duplicates, " + std::to_string(f.wrongLayer) +
           " wrong layer, " + std::to_string(f.unmatched) + " unmatched";
  }
  std::vector<std::string> Ids(const ArtList& paths) {
    std::vector<std::string> ids;
    for (AIArtHandle path : paths) ids.push_back(Doc().FindArt(path)->id());
    return ids;
  }
  std::vector<std::string> SelectedIds() {
    std::vector<std::string> ids;
    for (const host::Art* art : Doc().SelectedArt()) ids.push_back(art->id());
    std::sort(ids.begin(), ids.end());
    return ids;
  }
  // The ids and anchors of a layer's art, front to back.
  std::string Layer(const char* id) {
    std::string text;
    for (const host::Art* art = Doc().FindLayer(id)->group().firstChild(); art;
         art = art->behind()) {
      text +=
          (text.empty() ? "" : " | ") + std::to_string(Doc().PathStyle(*art).stroke.width) + ":";
      for (const host::Segment& s : art->path().segments)
        text += " " + std::to_string(static_cast<int>(s.p.h)) + "," +
                std::to_string(static_cast<int>(s.p.v));
    }
    return text;
  }
  AIErr Check() { return CheckOverlapLines(*store_, memory_); }
  AIErr Repair() { return RepairOverlapLines(*store_, memory_); }

  void TearDown() override {
    store_.reset();
    EngineTest::TearDown();
  }
  std::optional<OverlapSettingStore> store_{std::in_place, 120, 24};
  StackCheckMemory memory_;
};

const std::string kNothing =
    "alert information \"問題のある重なり線は見つかりませんでした。\" -> ok";

TEST_F(StackCheckTest, WholeStacksDraftsAndDualCarriagewaysAreNotReported) {
  Load(With({
      {"fill", "a-f", 'F', "0,0 100,0"},
      {"casing", "a-c", 'C', "0,0 100,0"},
      // A dual road: two whole stacks 3 pt apart, well within the casing's width.
      {"fill", "d1-f", 'F', "0,20 100,20"},
      {"fill", "d2-f", 'F', "0,23 100,23"},
      {"casing", "d1-c", 'C', "0,20 100,20"},
      {"casing", "d2-c", 'C', "0,23 100,23"},
      {"draft", "plain", 'D', "0,40 100,40"},
      {"draft", "plain-too", 'D', "0,40 100,40"},
      // A legend's sample: a casing drawn outside the setting's layers.
      {"draft", "legend", 'C', "0,60 20,60"},
  }));
  Capture({"r-c", "r-f"});
  EXPECT_EQ(Counts(Find()), "0 missing, 0 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");
  Run("answer ok");
  const std::string before = Saved();
  ASSERT_EQ(Check(), kNoErr);
  EXPECT_EQ(Count(kNothing), 1) << Text();
  EXPECT_EQ(Saved(), before);
  EXPECT_EQ(memory_.mendable, 0u);
}

TEST_F(StackCheckTest, FindsEachKindSelectsTheCopiesConcernedAndRepairsInOneStep) {
  Load(With({
      {"fill", "lost-f", 'F', "0,0 100,0"},  // its casing was deleted
      {"fill", "twice-f2", 'F', "0,20 100,20"},
      {"fill", "twice-f", 'F', "0,20 100,20"},
      {"fill", "pasted-f", 'F', "0,40 100,40"},
      {"fill", "pasted-c", 'C', "0,40 100,40"},  // a casing pasted into the fill layer
      {"fill", "drift-f", 'F', "0,60 50,62 100,60"},
      {"casing", "twice-c", 'C', "0,20 100,20"},
      {"casing", "drift-c", 'C', "0,60 50,60 100,60"},
  }));
  Capture({"r-c", "r-f"});
  const StackFindings findings = Find();
  EXPECT_EQ(Counts(findings), "1 missing, 1 drifted, 1 duplicates, 1 wrong layer, 0 unmatched");

  Run("answer ok");
  ASSERT_EQ(Check(), kNoErr);
  EXPECT_EQ(Count("alert information \"検査結果：欠けている重なり線 1、ずれたコピー 1、重複した"
                  "コピー 1、レイヤー違いのコピー 1\" -> ok"),
            1)
      << Text();
  // The reshaped casing, the moved casing, the deleted front fill, and the fill to complete.
  EXPECT_EQ(SelectedIds(), (std::vector<std::string>{"drift-c", "lost-f", "pasted-c", "twice-f2"}));
  EXPECT_EQ(memory_.mendable, 4u);

  Run("answer ok");
  const std::string centre = Layer("centre");
  ASSERT_EQ(Repair(), kNoErr);
  EXPECT_EQ(Count("alert information \"4件を修復しました。\" -> ok"), 1) << Text();
  EXPECT_EQ(memory_.mendable, 0u);
  EXPECT_EQ(Doc().FindArt("twice-f2"), nullptr);  // the back-most copy stays
  EXPECT_NE(Doc().FindArt("twice-f"), nullptr);
  EXPECT_EQ(Doc().FindArt("pasted-c"), nullptr);  // moved: a copy in the casing layer
  EXPECT_EQ(Layer("centre"), centre);
  // Fill layer: what was there, less the duplicate and the pasted casing.
  EXPECT_EQ(Layer("fill"),
            "4.000000: 0,0 100,0 | 4.000000: 0,20 100,20 | 4.000000: 0,40 100,40 | 4.000000: 0,60 "
            "50,62 100,60 | 4.000000: 0,-100 100,-100 | 4.000000: 0,-50 100,-50");
  // Casing layer: the moved casing in front, the drifted casing reshaped to its fill (the
  // front-most entry's group, on a tie of copies), the lost casing made at the back.
  EXPECT_EQ(Layer("casing"),
            "6.000000: 0,40 100,40 | 6.000000: 0,20 100,20 | 6.000000: 0,60 50,62 100,60 | "
            "6.000000: 0,-100 100,-100 | 6.000000: 0,-50 100,-50 | 6.000000: 0,0 100,0");

  // Checked again: nothing; a repair now finds nothing to do either.
  Run("deselect-all\nanswer ok ok");
  ASSERT_EQ(Check(), kNoErr);
  const std::string repaired = Saved();
  ASSERT_EQ(Repair(), kNoErr);
  EXPECT_EQ(Count(kNothing), 2) << Text();
  EXPECT_EQ(Saved(), repaired);
}

TEST_F(StackCheckTest, AGroupIsMeasuredAgainstTheSettingItMatchesExactlyElseTheLargest) {
  Load(With({
      {"fill", "lone-f", 'F', "0,0 100,0"},
      {"centre", "lone-m", 'M', "0,20 100,20"},
      {"fill", "whole-f", 'F', "0,40 100,40"},
      {"casing", "whole-c", 'C', "0,40 100,40"},
  }));
  Capture({"m-c", "m-f", "m-m"});  // goes to the history
  Capture({"r-c", "r-f"});
  // whole-c and whole-f match the road exactly; the centre road holds them too, but more.
  // The lone fill is measured against the centre road, the larger: casing and centre missing.
  // The lone centre line likewise lacks casing and fill.
  const StackFindings findings = Find();
  EXPECT_EQ(Counts(findings), "4 missing, 0 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");
  ASSERT_EQ(findings.stacks.size(), 2u);
  EXPECT_EQ(findings.stacks[0].missing, (std::vector<std::size_t>{0, 2}));  // the fill
  EXPECT_EQ(findings.stacks[1].missing, (std::vector<std::size_t>{0, 1}));  // the centre line

  // A setting captured from a road created twice counts as the road itself.
  store_->ClearHistory();
  Capture({"r-c", "whole-c", "r-f", "whole-f"});
  EXPECT_EQ(Counts(Find()), "1 missing, 0 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");

  // With a setting of the centre line alone, no setting holds all of the centre road's styles.
  Capture({"m-m"});
  EXPECT_EQ(Counts(Find()), "1 missing, 0 drifted, 0 duplicates, 0 wrong layer, 1 unmatched");
}

TEST_F(StackCheckTest, SettingsOfOneStyleInOtherLayersEachMeasureTheirOwnRoads) {
  // The class x: the road's styles in the draft and centre layers. Its setting comes first.
  Load(With({
      {"centre", "x-f", 'F', "0,0 100,0"},
      {"draft", "x-c", 'C', "0,0 100,0"},
      {"centre", "x-lost-f", 'F', "0,20 100,20"},
      {"fill", "lost-f", 'F', "0,40 100,40"},
  }));
  Capture({"r-c", "r-f"});
  Capture({"x-c", "x-f"});
  // Each lost fill is measured against the setting of its own layer.
  const StackFindings findings = Find();
  EXPECT_EQ(Counts(findings), "2 missing, 0 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");
  ASSERT_EQ(findings.stacks.size(), 2u);
  EXPECT_EQ(findings.stacks[0].setting, 1u);  // lost-f: the road's, second in order
  EXPECT_EQ(findings.stacks[1].setting, 0u);
}

TEST_F(StackCheckTest, ADriftedStackTakesTheSelectedGroupsGeometryElseTheLargerElseTheFront) {
  // Only the centre road's setting: with the road's too, casing and fill would be a whole road
  // of their own, and the centre line a stack lacking both.
  Load({
      {"centre", "d-m", 'M', "0,0 50,3 100,0"},  // the centre line was reshaped on its own
      {"centre", "m-m", 'M', "0,-100 100,-100"},
      {"fill", "d-f", 'F', "0,0 50,0 100,0"},
      {"fill", "m-f", 'F', "0,-100 100,-100"},
      {"casing", "d-c", 'C', "0,0 50,0 100,0"},
      {"casing", "m-c", 'C', "0,-100 100,-100"},
  });
  Capture({"m-c", "m-f", "m-m"});
  // The larger group gives the geometry: the centre line is reshaped.
  StackFindings findings = Find();
  ASSERT_EQ(findings.stacks.size(), 1u);
  EXPECT_EQ(Ids(findings.stacks[0].reshaped), std::vector<std::string>{"d-m"});
  EXPECT_EQ(Ids({findings.stacks[0].geometry}), std::vector<std::string>{"d-c"});

  // The user selected the reshaped centre line: its geometry goes to the whole stack.
  CheckScope scope{Paths({"d-m"}), Paths({"d-m"})};
  findings = Find(scope);
  ASSERT_EQ(findings.stacks.size(), 1u);
  EXPECT_EQ(Ids(findings.stacks[0].reshaped), (std::vector<std::string>{"d-c", "d-f"}));

  // Through the commands: the check selects the copies to reshape; the repair, run on that
  // selection, keeps to the user's choice.
  Run("select d-m\nanswer ok ok");
  ASSERT_EQ(Check(), kNoErr);
  EXPECT_EQ(SelectedIds(), (std::vector<std::string>{"d-c", "d-f"}));
  ASSERT_EQ(Repair(), kNoErr);
  EXPECT_EQ(Layer("casing").substr(0, 30), "6.000000: 0,0 50,3 100,0 | 6.0");
  EXPECT_EQ(Count("alert information \"2件を修復しました。\" -> ok"), 1) << Text();
}

TEST_F(StackCheckTest, OnlyCloseComplementaryIncompleteGroupsArePaired) {
  Load(With({
      // Close along the anchors, but the fill bulges 10 pt between them: not one stack.
      {"fill", "bulge-f", 'F', "0,0 100,0"},
      {"casing", "bulge-c", 'C', "0,0 100,0"},
      {"fill", "near-f", 'F', "0,30 100,30"},
      {"casing", "far-c", 'C', "0,38 100,38"},  // 8 pt away, beyond the casing's 6 pt
      {"casing", "near-c", 'C', "0,34 100,34"},
  }));
  Doc().FindArt("bulge-f")->path().segments[0].out = {30, 13};
  Doc().FindArt("bulge-f")->path().segments[1].in = {70, 13};
  Capture({"r-c", "r-f"});
  const StackFindings findings = Find();
  // bulge: two incomplete groups; near-f pairs with near-c (4 pt), far-c stays alone.
  EXPECT_EQ(Counts(findings), "3 missing, 1 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");
}

TEST_F(StackCheckTest, WithASelectionOnlyItsStacksAreReportedWithPartnersFoundAnywhere) {
  Load(With({
      {"fill", "a-f", 'F', "0,0 100,0"},
      {"fill", "b-f", 'F', "0,20 100,21"},
      {"casing", "b-c", 'C', "0,20 100,20"},
  }));
  Capture({"r-c", "r-f"});
  CheckScope scope{Paths({"b-c"}), Paths({"b-c"})};
  const StackFindings findings = Find(scope);
  EXPECT_EQ(Counts(findings), "0 missing, 1 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");
  EXPECT_EQ(Ids(findings.concerned), std::vector<std::string>{"b-f"});

  // A check without settings is refused.
  store_.emplace(120, 24);
  Run("answer ok");
  const std::string before = Saved();
  ASSERT_EQ(Check(), kNoErr);
  EXPECT_EQ(Count("alert information \"検査に使う設定がありません。設定取得か一括設定取得を先に"
                  "実行してください。\" -> ok"),
            1)
      << Text();
  EXPECT_EQ(Saved(), before);
}

TEST_F(StackCheckTest, LockedCopiesAndLayersAreAskedAboutAndNoLeavesTheStack) {
  Load(With({
      {"fill", "a-f2", 'F', "0,0 100,0"},
      {"fill", "a-f", 'F', "0,0 100,0"},
      {"casing", "a-c", 'C', "0,0 100,0"},
      {"fill", "b-f", 'F', "0,20 100,20"},
  }));
  Capture({"r-c", "r-f"});
  Run("set a-f2 locked on\nlayer casing editable off");
  // No to the locked duplicate and No to the locked layer: nothing changes.
  Run("answer ok no no ok");
  ASSERT_EQ(Check(), kNoErr);
  const std::string before = Saved();
  ASSERT_EQ(Repair(), kNoErr);
  EXPECT_EQ(Count("alert information \"0件を修復しました。\\nロック解除・表示しなかった重なり線"
                  "の 2件は修復していません。\" -> ok"),
            1)
      << Text();
  EXPECT_EQ(Saved(), before);
  EXPECT_EQ(memory_.mendable, 2u);

  // Yes to both: mended; the layer is asked about once.
  Run("answer yes yes ok");
  ASSERT_EQ(Repair(), kNoErr);
  EXPECT_EQ(Count("alert information \"2件を修復しました。\" -> ok"), 1) << Text();
  EXPECT_EQ(Doc().FindArt("a-f2"), nullptr);
  EXPECT_TRUE(Layer("casing").ends_with("6.000000: 0,20 100,20")) << Layer("casing");
}

TEST_F(StackCheckTest, SettingsWithoutTheirLayersAreLeftOutAndSaidSo) {
  Load(With({{"fill", "a-f", 'F', "0,0 100,0"}}));
  Capture({"m-c", "m-f", "m-m"});
  Capture({"r-c", "r-f"});
  Doc().FindLayer("centre")->title = "改名";
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  Run("answer ok");
  ASSERT_EQ(Check(), kNoErr);
  EXPECT_EQ(Count("alert information \"検査結果：欠けている重なり線 1、ずれたコピー 0、重複した"
                  "コピー 0、レイヤー違いのコピー 0\\n検査に使わなかった設定 1組（レイヤーかカラー"
                  "スウォッチがドキュメントにないため）\" -> ok"),
            1)
      << Text();

  Doc().FindLayer("casing")->title = "改名2";
  ASSERT_EQ(RebuildLayerPathMap(), kNoErr);
  Run("answer ok");
  const std::string before = Saved();
  ASSERT_EQ(Check(), kNoErr);
  EXPECT_EQ(Count("alert information \"検査に使える設定がありません。設定のレイヤーかカラー"
                  "スウォッチがドキュメントにありません。\" -> ok"),
            1)
      << Text();
  EXPECT_EQ(Saved(), before);
}

TEST_F(StackCheckTest, CopiesAreMadeInTheLayerItselfSeenAndEditable) {
  // A casing with its centre line in front of it, in one layer.
  Load({
      {"casing", "s-m", 'M', "0,-100 100,-100"},
      {"casing", "s-c", 'C', "0,-100 100,-100"},
      {"casing", "a-c", 'C', "0,0 100,0"},    // lost its centre line; put in a compound path
      {"casing", "b-c", 'C', "0,20 100,20"},  // lost its centre line; hidden and locked
  });
  Capture({"s-c", "s-m"});
  host::Art& compound = Doc().NewArt(kCompoundPathArt, kPlaceAbove, *Doc().FindArt("a-c"), "a");
  Doc().MoveArt(*Doc().FindArt("a-c"), kPlaceInsideOnTop, compound);
  Run("set b-c hidden on\nset b-c locked on\nanswer ok");
  EXPECT_EQ(Counts(Find()), "2 missing, 0 drifted, 0 duplicates, 0 wrong layer, 0 unmatched");
  ASSERT_EQ(Repair(), kNoErr);
  EXPECT_EQ(Count("alert information \"2件を修復しました。\" -> ok"), 1) << Text();

  // Each centre line in front of its casing, or of the compound path holding it; in the layer
  // itself, and not hidden and locked as the copy it was made from.
  const auto path = [this](const host::Art& art) {
    std::string text = std::to_string(static_cast<int>(Doc().PathStyle(art).stroke.width)) + "@" +
                       std::to_string(static_cast<int>(art.path().segments[0].p.v));
    if (!Doc().IsArtVisible(art)) text += " hidden";
    if (!Doc().IsArtEditable(art)) text += " locked";
    return text;
  };
  std::string casing;
  for (const host::Art* art = Doc().FindLayer("casing")->group().firstChild(); art;
       art = art->behind()) {
    casing += casing.empty() ? "" : " | ";
    casing += art->type() == kPathArt ? path(*art) : "compound(" + path(*art->firstChild()) + ")";
  }
  EXPECT_EQ(casing, "1@-100 | 6@-100 | 1@0 | compound(6@0) | 1@20 | 6@20 hidden locked");
}

TEST_F(StackCheckTest, AFailedCheckChangesNothingAndAFailedRepairLeavesNoHalfStack) {
  Load(With({
      {"fill", "a-f", 'F', "0,0 100,0"},
      {"centre", "b-m", 'M', "0,20 100,20"},
  }));
  Capture({"r-c", "r-f"});
  Capture({"m-c", "m-f", "m-m"});
  Run("fail GetPathStyle 3\nanswer ok");
  const std::string before = Saved();
  EXPECT_EQ(Check(), FourCharCode("FAIL"));
  EXPECT_EQ(
      Count("alert error \"重なり線を検査できませんでした。ドキュメントは変更していません。\" "
            "-> ok"),
      1)
      << Text();
  EXPECT_EQ(Saved(), before);

  // b's second new copy fails: b gets none; a, mended before, stays mended.
  Run("answer ok\nfail DuplicateArt 4");
  EXPECT_EQ(Repair(), FourCharCode("FAIL"));
  EXPECT_EQ(Count("alert error \"エラーのため修復を中断しました。修復中だった重なり線は元の"
                  "ままです。\\n2件を修復しました。\" -> ok"),
            1)
      << Text();
  EXPECT_EQ(Layer("centre"),
            "1.000000: 0,20 100,20 | 1.000000: 0,-100 100,-100 | 1.000000: 0,0 100,0");
  EXPECT_EQ(Layer("casing").find("0,20"), std::string::npos) << Layer("casing");
}

TEST(PathCloseness, IsMeasuredOnTheCurvesBothWays) {
  const auto line = [](std::vector<AIRealPoint> anchors, bool closed = false) {
    PathShape shape;
    for (const AIRealPoint& p : anchors) shape.segments.push_back({p, p, p, 1});
    shape.closed = closed;
    return shape;
  };
  EXPECT_TRUE(WithinReachOfEachOther(line({{0, 0}, {100, 0}}), line({{0, 5}, {100, 5}}), 6));
  EXPECT_FALSE(WithinReachOfEachOther(line({{0, 0}, {100, 0}}), line({{0, 7}, {100, 7}}), 6));
  // A shorter path lies near the longer one, but not the other way round.
  EXPECT_FALSE(WithinReachOfEachOther(line({{0, 0}, {100, 0}}), line({{0, 0}, {50, 0}}), 6));
  // Equal anchors, one curve bulging 7.5 pt at its middle.
  PathShape bulge = line({{0, 0}, {100, 0}});
  bulge.segments[0].out = {30, 10};
  bulge.segments[1].in = {70, 10};
  EXPECT_FALSE(WithinReachOfEachOther(line({{0, 0}, {100, 0}}), bulge, 6));
  EXPECT_TRUE(WithinReachOfEachOther(line({{0, 0}, {100, 0}}), bulge, 8));
  // A closed "D" of two anchors: its closing curve counts too.
  PathShape d = line({{0, 0}, {0, 100}}, true);
  d.segments[1].out = {60, 100};
  d.segments[0].in = {60, 0};
  EXPECT_FALSE(WithinReachOfEachOther(line({{0, 0}, {0, 100}}, true), d, 6));
  EXPECT_TRUE(WithinReachOfEachOther(d, d, 1));
  EXPECT_FALSE(WithinReachOfEachOther(PathShape{}, d, 6));
}

}  // namespace
