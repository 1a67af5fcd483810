// What the entry point and the dispatch answer the host for each kind of message.
#include "frame/Plugin.h"
#include "tests/frame/SessionFixture.h"

class DispatchTest : public SessionTest {
 protected:
  void SetUp() override { RunLines("answer ok ok\nstart"); }
};

TEST_F(DispatchTest, UnhandledPairsAnswerZeroNeverUnhandled) {
  for (const char* pair :
       {"\"AI Filter\" \"AI Go\"", "\"AI Tool\" \"AI Mouse Drag\"", "\"AI Menu\" \"AI Update\"",
        "\"No Such Caller\" \"AI Go\"", "\"AI Menu\" \"No Such Selector\"",
        "\"SP Interface\" \"About\"", "\"SP Cache\" \"Plug-in Purge\"",
        "\"AI Tool\" \"AI Reselect\"", "\"SP Properties\" \"Acquire\""}) {
    RunLines(std::string("send ") + pair);
    EXPECT_EQ(Lines().back(), "send " + std::string(pair) + " -> 0");
  }
  RunLines("send \"AI Menu\" \"AI Go\" item 4");  // a handler answering '!MSG'
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Go\" -> 0");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

TEST_F(DispatchTest, ExceptionsAndFailuresBecomeResultCodes) {
  RunLines("send \"AI Menu\" \"AI Go\" item 1");
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Go\" -> 'TEST'");
  RunLines("send \"AI Menu\" \"AI Go\" item 2");
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Go\" -> 'CANT'");
  RunLines("send \"AI Menu\" \"AI Go\" item 3");
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Go\" -> 'FAIL'");
  // The plug-in still answers afterwards.
  RunLines("send \"AI Menu\" \"AI Go\" item 0");
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Go\" -> 0");
  auto* plugin = static_cast<Plugin*>(host_.Globals());
  ASSERT_NE(plugin, nullptr);
  EXPECT_EQ(plugin->LastReportedError(), FourCharCode("FAIL"));
}

TEST_F(DispatchTest, NotificationsOfOtherTypesReachNotifyOnlyForTheirNotifiers) {
  const std::size_t before = Lines().size();
  RunLines("notify \"AI Document Changed Notifier\"");  // nobody registered for it
  EXPECT_EQ(Lines().size(), before + 1);
  RunLines("answer ok ok");  // post-startup runs again, then Notify
  RunLines("notify \"AI Application Started Notifier\"");
  EXPECT_TRUE(Has("alert information \"notify AI Application Started Notifier\" -> ok"));
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message) noexcept;

// The host never sends these, but a damaged one must not make the plug-in follow a null pointer.
TEST(PluginMainEntry, NullArgumentsAreRefusedWithoutBeingRead) {
  SPMessageData data{};
  EXPECT_EQ(PluginMain(nullptr, kSPInterfaceCaller, &data), kBadParameterErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, nullptr, &data), kBadParameterErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceStartupSelector, nullptr), kBadParameterErr);
  // Without an object (start-up never ran) every other message answers 0.
  EXPECT_EQ(PluginMain("AI Menu", "AI Go", &data), kNoErr);
  EXPECT_EQ(PluginMain(kSPInterfaceCaller, kSPInterfaceShutdownSelector, &data), kNoErr);
}
