// The host's interface theme, and the notifications a real host sends on its own changes.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/core/Theme.h"
#include "tests/frame/SessionFixture.h"

namespace {

AIUIThemeColor Color(std::int32_t kind) {
  AIUIThemeColor color = {0, -1, -1, -1};
  EXPECT_EQ(host::Theme::Suite()->GetUIComponentColor(kAIUIComponentPanel, kind, &color), kNoErr);
  return color;
}

TEST(Theme, PanelColoursFollowTheThemeWithTextStandingOutFromTheBackground) {
  host::Host host;
  const AIUserInterfaceThemeSuite& suite = *host::Theme::Suite();
  EXPECT_EQ(suite.IsDarkTheme(), 0);  // the host starts light
  const AIUIThemeColor lightBackground = Color(kAIUIBackgroundColor);
  const AIUIThemeColor lightText = Color(kAIUITextColor);
  EXPECT_EQ(lightBackground.alpha, 1);
  EXPECT_GT(lightBackground.red, 0.9);
  EXPECT_LT(lightText.red, 0.2);
  EXPECT_GT(Color(kAIUIEditBackgroundColor).red, lightText.red);

  host.theme().SetDark(true);
  EXPECT_NE(suite.IsDarkTheme(), 0);
  const AIUIThemeColor darkBackground = Color(kAIUIBackgroundColor);
  EXPECT_LT(darkBackground.red, 0.3);
  EXPECT_GT(Color(kAIUITextColor).green, 0.8);
  EXPECT_LT(Color(kAIUIEditBackgroundColor).blue, darkBackground.blue + 0.01);
  EXPECT_EQ(Color(kAIUIBorderColor).alpha, 1);
  EXPECT_EQ(host.transcript().ViolationCount(), 0);

  // Parts and kinds the host does not have leave the colour as it was.
  AIUIThemeColor untouched = {0.5, 0.5, 0.5, 0.5};
  EXPECT_EQ(suite.GetUIComponentColor(kAIUIComponentPanel, 2, &untouched), kBadParameterErr);
  EXPECT_EQ(suite.GetUIComponentColor(7, kAIUITextColor, &untouched), kBadParameterErr);
  EXPECT_EQ(untouched.red, 0.5);
  EXPECT_EQ(suite.GetUIComponentColor(kAIUIComponentPanel, kAIUITextColor, nullptr),
            kBadParameterErr);
  EXPECT_EQ(host.transcript().ViolationCount(), 3);
}

TEST_F(SessionTest, SwitchingTheThemeNotifiesOnlyARealChange) {
  RunLines("answer ok ok\nstart");
  ASSERT_EQ(host_.notifiers().Add(host_.PluginRef(), "brightness", kAIUIBrightnessChangedNotifier,
                                  nullptr),
            kNoErr);
  RunLines("answer ok ok\ntheme dark\ntheme dark\ntheme light\ntheme grey");
  EXPECT_TRUE(Has("theme: dark already")) << Text();
  const std::string sent =
      "send \"AI Notifier\" \"AI Notify\" \"AI UI Brightness Changed Notifier\" -> 0";
  EXPECT_EQ(std::count(Lines().begin(), Lines().end(), sent), 2) << Text();
  EXPECT_EQ(host_.transcript().ViolationCount(), 1) << Text();  // there is no grey theme
  EXPECT_FALSE(host_.theme().Dark());
}

// As when the host is launched with a file: a plug-in started with a document open hears of it.
TEST_F(SessionTest, APluginStartedOnAnOpenDocumentHearsOfItAfterApplicationStarted) {
  for (const char* type : {kAIDocumentChangedNotifier, kAILayerSetNotifier})
    ASSERT_EQ(host_.notifiers().Add(host_.PluginRef(), type, type, nullptr), kNoErr);
  RunLines("new\nanswer ok ok ok ok\nstart");
  const long started =
      Find("send \"AI Notifier\" \"AI Notify\" \"AI Application Started Notifier\" -> 0");
  const long layers = Find("send \"AI Notifier\" \"AI Notify\" \"AI Layer Set Notifier\" -> 0");
  const long document =
      Find("send \"AI Notifier\" \"AI Notify\" \"AI Document Changed Notifier\" -> 0");
  EXPECT_TRUE(started >= 0 && layers > started && document > layers) << Text();
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

}  // namespace
