// The host's tools: what it accepts from AddTool, and the session commands that pick a tool and
// send it clicks and cursor moves.
#include <gtest/gtest.h>

#include "host/core/Tools.h"
#include "tests/frame/SessionFixture.h"

namespace {

class ToolsTest : public SessionTest {
 protected:
  void SetUp() override { RunLines("answer ok ok\nstart\nnew"); }

  AIErr Add(const char* name, std::int32_t options, AIAddToolData data = Data()) {
    AIToolHandle tool = nullptr;
    return suite_.AddTool(host_.PluginRef(), name, &data, options, &tool);
  }
  static AIAddToolData Data() {
    return AIAddToolData{"鋏", "鋏ツール", 16051, 16052, kPNGIconType, kNoTool, kNoTool};
  }
  int Violations() { return host_.transcript().ViolationCount(); }

  const AIToolSuite& suite_ = *host::Tools::Suite();
};

TEST_F(ToolsTest, AddToolKeepsCopiesAndRefusesDuplicatesAndBadData) {
  std::string name = "Scissors";
  ASSERT_EQ(Add(name.c_str(), kToolWantsToTrackCursorOption), kNoErr);
  name = "Changed";  // the host keeps its own copy of the name
  ASSERT_NE(host_.tools().FindByName("Scissors"), nullptr);
  EXPECT_EQ(host_.tools().FindByName("Scissors")->title, "鋏");

  EXPECT_EQ(Add("Scissors", 0), kBadParameterErr);
  AIAddToolData noTitle = Data();
  noTitle.title = nullptr;
  EXPECT_EQ(Add("Other", 0, noTitle), kBadParameterErr);
  AIAddToolData badIcon = Data();
  badIcon.darkIconID = 0;
  EXPECT_EQ(Add("Other", 0, badIcon), kBadParameterErr);
  EXPECT_EQ(Add("", 0), kBadParameterErr);
  AIToolHandle tool = nullptr;
  const AIAddToolData data = Data();
  EXPECT_EQ(suite_.AddTool(nullptr, "Other", &data, 0, &tool), kBadParameterErr);
  EXPECT_EQ(host_.tools().All().size(), 1u);
  EXPECT_EQ(Violations(), 5);
}

TEST_F(ToolsTest, ClicksAndMovesReachThePickedToolOnly) {
  ASSERT_EQ(Add("Plain", 0), kNoErr);
  ASSERT_EQ(Add("Tracking", kToolWantsToTrackCursorOption), kNoErr);
  RunLines("click 10 10");  // nothing picked yet
  EXPECT_EQ(Violations(), 1);

  RunLines("pick-tool Plain\nclick 10 20 shift ctrl\ntrack 10 20");
  EXPECT_TRUE(Has("send \"AI Tool\" \"AI Select\" -> 0"));
  EXPECT_TRUE(Has("send \"AI Tool\" \"AI Mouse Down\" -> 0"));
  EXPECT_TRUE(Has("send \"AI Tool\" \"AI Mouse Up\" -> 0"));
  EXPECT_TRUE(Has("track: the tool does not ask to track the cursor"));
  EXPECT_FALSE(Has("send \"AI Tool\" \"AI Track Cursor\" -> 0"));

  RunLines("pick-tool Tracking\ntrack 10 20");
  EXPECT_TRUE(Has("send \"AI Tool\" \"AI Track Cursor\" -> 0"));
  EXPECT_TRUE(Has("cursor: not observable here"));  // no window system in this test
  EXPECT_EQ(Violations(), 1);
}

TEST_F(ToolsTest, BadPointsKeysZoomsAndNamesAreScriptErrors) {
  ASSERT_EQ(Add("Plain", 0), kNoErr);
  RunLines(
      "pick-tool Nothing\n"
      "pick-tool Plain\n"
      "click 10\n"
      "click 10 x\n"
      "click 10 10 meta\n"
      "zoom 0\n"
      "zoom 1000\n"
      "snapping maybe");
  EXPECT_EQ(Violations(), 7) << host_.transcript().Text();
  EXPECT_EQ(host_.documents().current()->view().zoom, 1);
}

TEST_F(ToolsTest, TheToolsAreForgottenWhenThePluginQuits) {
  ASSERT_EQ(Add("Plain", 0), kNoErr);
  RunLines("pick-tool Plain\nshutdown");
  EXPECT_TRUE(host_.tools().All().empty());
  EXPECT_EQ(host_.tools().Picked(), nullptr);
  RunLines("click 1 1");
  EXPECT_EQ(Violations(), 1);
}

}  // namespace
