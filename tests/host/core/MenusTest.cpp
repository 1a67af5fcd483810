#include <gtest/gtest.h>

#include <cstring>

#include "host/core/Menus.h"
#include "host/core/Utf.h"
#include "tests/frame/SessionFixture.h"

namespace {

class MenusTest : public SessionTest {
 protected:
  AIErr AddItem(const char* key, const char* group, const std::string& text,
                AIMenuItemHandle* item) {
    const AIUnicodeStringRef string = host_.strings().Add(*host::Utf8ToUtf16(text));
    const AIPlatformAddMenuItemDataUS data{group, string};
    const AIErr error = suite_.AddMenuItem(host_.PluginRef(), key, &data, 1, item);
    host_.strings().Remove(string);
    return error;
  }

  const AIMenuSuite& suite_ = *host::Menus::Suite();
};

TEST_F(MenusTest, ItemsGoIntoKnownGroupsUnderUniqueKeys) {
  AIMenuItemHandle item = nullptr;
  EXPECT_EQ(AddItem("WidthKey", kObjectPathsMenuGroup, "パスの線幅を増減...", &item), kNoErr);
  EXPECT_EQ(AddItem("OtherKey", "No Such Group", "x", nullptr), kBadParameterErr);
  EXPECT_EQ(AddItem("WidthKey", kToolPalettesMenuGroup, "y", nullptr), kBadParameterErr);
  EXPECT_EQ(AddItem(nullptr, kAboutMenuGroup, "no key", nullptr), kNoErr);
  EXPECT_EQ(AddItem(nullptr, kAboutMenuGroup, "no key either", nullptr), kNoErr);
  EXPECT_EQ(host_.transcript().ViolationCount(), 2);

  AIBoolean checked = 1;
  EXPECT_EQ(suite_.IsItemChecked(item, &checked), kNoErr);
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(suite_.CheckItem(item, 1), kNoErr);
  EXPECT_EQ(suite_.IsItemChecked(item, &checked), kNoErr);
  EXPECT_EQ(checked, 1);
  EXPECT_EQ(suite_.UpdateMenuItemAutomatically(item, 1, 0, 0, 2, 32, 0, 0), kNoErr);
  RunLines("menus");
  EXPECT_TRUE(
      Has("menu item \"パスの線幅を増減...\" in \"Objects Paths\", key \"WidthKey\", "
          "options 1, checked, updated automatically: action 1, in artwork 0, not in "
          "artwork 0, selected 2, not selected 32, if true 0, if not true 0"));
}

TEST_F(MenusTest, SubmenuGroupsAreFoundAmongTheHostsGroups) {
  AIMenuItemHandle item = nullptr;
  ASSERT_EQ(AddItem(nullptr, kAboutMenuGroup, "Mivorについて...", &item), kNoErr);
  AIMenuGroup group = nullptr;
  ASSERT_EQ(suite_.AddMenuGroupAsSubMenu("AboutMivorName", 1, item, &group), kNoErr);
  EXPECT_EQ(suite_.AddMenuGroupAsSubMenu("AboutMivorName", 1, item, nullptr), kBadParameterErr);

  std::int32_t count = 0;
  ASSERT_EQ(suite_.CountMenuGroups(&count), kNoErr);
  bool found = false;
  for (std::int32_t i = 0; i < count; ++i) {
    AIMenuGroup nth = nullptr;
    const char* name = nullptr;
    ASSERT_EQ(suite_.GetNthMenuGroup(i, &nth), kNoErr);
    ASSERT_EQ(suite_.GetMenuGroupName(nth, &name), kNoErr);
    if (std::strcmp(name, "AboutMivorName") == 0) found = nth == group;
  }
  EXPECT_TRUE(found);
  EXPECT_EQ(AddItem(nullptr, "AboutMivorName", "Mivor-LaneWorks1.5...", nullptr), kNoErr);
  EXPECT_EQ(suite_.GetNthMenuGroup(count, &group), kBadParameterErr);
}

TEST_F(MenusTest, TheMenuCommandsSendTheItemsHandleAndItsHandlesGoStaleAtQuit) {
  AIMenuItemHandle item = nullptr;
  RunLines("answer ok ok\nstart");
  ASSERT_EQ(AddItem("Key", kObjectPathsMenuGroup, "項目", &item), kNoErr);
  RunLines("menu \"項目\"\nmenu-update \"項目\"\nmenu \"なし\"");
  EXPECT_TRUE(Has("send \"AI Menu\" \"AI Go\" -> 0"));
  EXPECT_TRUE(Has("send \"AI Menu\" \"AI Update\" -> 0"));
  EXPECT_EQ(host_.transcript().ViolationCount(), 1) << Text();  // no item shows "なし"

  RunLines("shutdown\nmenus");
  EXPECT_TRUE(Has("menu items: none"));
  EXPECT_EQ(suite_.CheckItem(item, 1), kStaleHandleErr);
}

}  // namespace
