// Start-up, shut-down, unload and reload of a plug-in on the frame, seen from the host.
#include "tests/frame/SessionFixture.h"

TEST_F(SessionTest, StartupAndShutdownReleaseEverySuiteWithoutViolation) {
  EXPECT_EQ(Run("answer ok ok\nstart\nstatus\nshutdown\nstatus\n"), 0) << Text();
  EXPECT_TRUE(Has("plug-in name \"Frame Test Plugin\"")) << Text();
  // The base start-up locks once; this plug-in unlocks itself again.
  EXPECT_TRUE(
      Has("status: loaded, object alive, locks 0, suites held 43, strings 0, contexts open 0"))
      << Text();
  EXPECT_TRUE(Has("send \"SP Interface\" \"Shutdown\" -> 0"));
  EXPECT_TRUE(Has("suites acquired 43, released 43")) << Text();
  EXPECT_TRUE(
      Has("status: not loaded, object none, locks 0, suites held 0, strings 0, contexts open 0"));
}

TEST_F(SessionTest, ApplicationStartedRunsPostStartupAndNotifyInOneContext) {
  EXPECT_EQ(Run("trace contexts on\nanswer ok ok\nstart\n"), 0) << Text();
  const long push = Find("context push (depth 1)");
  const long post = Find("alert information \"post-startup\" -> ok", push);
  const long notify =
      Find("alert information \"notify AI Application Started Notifier\" -> ok", post);
  const long pop = Find("context pop (depth 0)", notify);
  const long sent =
      Find("send \"AI Notifier\" \"AI Notify\" \"AI Application Started Notifier\" -> 0", pop);
  EXPECT_TRUE(push >= 0 && post > push && notify > post && pop > notify && sent > pop) << Text();
  EXPECT_EQ(std::count(Lines().begin(), Lines().end(), "context push (depth 1)"), 1) << Text();
}

TEST_F(SessionTest, MissingSuiteFailsStartupAndLaterMessagesAnswerZero) {
  const int violations =
      Run("omit-suite \"AI Path Suite\"\n"
          "start\n"
          "status\n"
          "send \"AI Menu\" \"AI Go\" item 3\n"
          "send \"SP Interface\" \"Shutdown\"\n");
  EXPECT_EQ(violations, 0) << Text();
  EXPECT_TRUE(Has("send \"SP Interface\" \"Startup\" -> 'S!Fd'")) << Text();
  // Every suite acquired before the missing one was released again, and no object is left.
  EXPECT_TRUE(
      Has("status: loaded, object none, locks 0, suites held 0, strings 0, contexts open 0"))
      << Text();
  EXPECT_TRUE(Has("send \"AI Menu\" \"AI Go\" -> 0"));
  EXPECT_TRUE(Has("send \"SP Interface\" \"Shutdown\" -> 0"));
  EXPECT_FALSE(Has("send \"AI Notifier\" \"AI Notify\" \"AI Application Started Notifier\" -> 0"));
}

TEST_F(SessionTest, APlugInUnloadedAtTheEndIsLoadedAgainToShutDown) {
  // Its object used to be left alive, and leaked.
  EXPECT_EQ(Run("answer ok ok\nstart\nunload\n"), 0) << Text();
  const long reloaded = Find("send \"SP Access\" \"Reload\" -> 0");
  ASSERT_GE(reloaded, 0) << Text();
  EXPECT_GE(Find("send \"SP Interface\" \"Shutdown\" -> 0", reloaded), 0) << Text();
  EXPECT_EQ(host_.Globals(), nullptr);
}

TEST_F(SessionTest, UnloadReleasesSuitesAndReloadAnswersAgain) {
  const int violations =
      Run("answer ok ok\n"
          "start\n"
          "unload\n"
          "status\n"
          "send \"AI Menu\" \"AI Go\" item 3\n"
          "reload\n"
          "status\n"
          "send \"AI Menu\" \"AI Go\" item 3\n"
          "shutdown\n");
  EXPECT_EQ(violations, 0) << Text();
  const long unloaded = Find("send \"SP Access\" \"Unload\" -> 0");
  ASSERT_GE(unloaded, 0) << Text();
  EXPECT_GE(
      Find("status: not loaded, object alive, locks 0, suites held 0, strings 0, contexts open 0",
           unloaded),
      0)
      << Text();
  EXPECT_GE(Find("send \"SP Access\" \"Reload\" -> 0", unloaded), 0) << Text();
  EXPECT_GE(
      Find("status: loaded, object alive, locks 0, suites held 43, strings 0, contexts open 0",
           unloaded),
      0)
      << Text();
  // Not loaded: the host sends nothing. Reloaded: the plug-in answers its menu again.
  EXPECT_GE(Find("send \"AI Menu\" \"AI Go\" -> 'FAIL'", unloaded), 0) << Text();
  EXPECT_TRUE(Has("suites acquired 86, released 86")) << Text();
}

TEST_F(SessionTest, ShutdownWithoutObjectAnswersZero) {
  // A failed start-up leaves the module loaded without an object; quitting still shuts it down.
  EXPECT_EQ(Run("omit-suite \"AI Path Suite\"\nstart\nshutdown\nstatus\n"), 0) << Text();
  const long failed = Find("send \"SP Interface\" \"Startup\" -> 'S!Fd'");
  ASSERT_GE(failed, 0) << Text();
  EXPECT_GE(Find("send \"SP Interface\" \"Shutdown\" -> 0", failed), 0) << Text();
  EXPECT_TRUE(
      Has("status: not loaded, object none, locks 0, suites held 0, strings 0, contexts open 0"))
      << Text();
}

TEST_F(SessionTest, ScriptedAnswersMustMatchTheAlertsThatCome) {
  // No answer queued for the two alerts of start-up, and one answer left over.
  EXPECT_EQ(Run("start\nshutdown\nanswer yes\n"), 3) << Text();
  EXPECT_TRUE(Has("!! violation: the script expected no alert; answered ok")) << Text();
  EXPECT_TRUE(Has("!! violation: the script expected an alert to answer yes, but none came"));
}
