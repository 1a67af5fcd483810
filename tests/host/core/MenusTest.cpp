#include <gtest/gtest.h>

#include <cstring>

#include "host/core/MenuRules.h"
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

  // The names of every group, the host's and the plug-in's, as a plug-in lists them.
  std::vector<std::string> GroupNames() {
    std::vector<std::string> names;
    std::int32_t count = 0;
    EXPECT_EQ(suite_.CountMenuGroups(&count), kNoErr);
    for (std::int32_t i = 0; i < count; ++i) {
      AIMenuGroup group = nullptr;
      const char* name = nullptr;
      EXPECT_EQ(suite_.GetNthMenuGroup(i, &group), kNoErr);
      EXPECT_EQ(suite_.GetMenuGroupName(group, &name), kNoErr);
      names.emplace_back(name);
    }
    return names;
  }

  // A document with two paths, a text, a group holding a path, and a compound path.
  void OpenMap() {
    auto document = std::make_unique<host::Document>();
    host::Art& layer = document->NewLayer(nullptr, kPlaceAbove, "Roads", "roads").group();
    document->NewArt(kPathArt, kPlaceInsideOnBottom, layer, "road");
    document->NewArt(kPathArt, kPlaceInsideOnBottom, layer, "casing");
    document->NewArt(kTextFrameArt, kPlaceInsideOnBottom, layer, "label");
    host::Art& group = document->NewArt(kGroupArt, kPlaceInsideOnBottom, layer, "bridge");
    document->NewArt(kPathArt, kPlaceInsideOnBottom, group, "deck");
    document->NewArt(kCompoundPathArt, kPlaceInsideOnBottom, layer, "lake");
    host_.documents().Replace(std::move(document));
  }

  bool Enabled(AIMenuItemHandle handle) {
    for (const host::Menus::Item& item : host_.menus().Items()) {
      if (item.handle == handle) return host_.menus().IsEnabled(item, host_.documents().current());
    }
    ADD_FAILURE() << "no such item";
    return false;
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
          "options 1, disabled, checked, updated automatically: action 1, in artwork 0, not in "
          "artwork 0, selected 2, not selected 32, if true 0, if not true 0"));
  EXPECT_TRUE(Has("menu item \"no key\" in \"About\", key none, options 1, enabled"));
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

TEST_F(MenusTest, TheWidthRuleEnablesItsItemWhilePathsAndNoTextAreSelected) {
  RunLines("answer ok ok\nstart");
  AIMenuItemHandle width = nullptr, plain = nullptr;
  ASSERT_EQ(AddItem("Width", kObjectPathsMenuGroup, "線幅", &width), kNoErr);
  ASSERT_EQ(AddItem("Plain", kObjectPathsMenuGroup, "普通", &plain), kNoErr);
  ASSERT_EQ(suite_.UpdateMenuItemAutomatically(width, kMenuAutoEnableAction, 0, 0, kMenuPathArtKind,
                                               kMenuTextFrameArtKind, 0, 0),
            kNoErr);
  EXPECT_FALSE(Enabled(width)) << "no document";
  OpenMap();
  struct Case {
    const char* selection;
    bool enabled;
  };
  for (const Case& c :
       {Case{"", false}, Case{"road", true}, Case{"road casing", true}, Case{"road label", false},
        Case{"label", false}, Case{"bridge", true},  // its path is selected with it
        Case{"lake", false}}) {
    RunLines("deselect-all");
    if (*c.selection != '\0') RunLines(std::string("select ") + c.selection);
    EXPECT_EQ(Enabled(width), c.enabled) << c.selection;
    EXPECT_TRUE(Enabled(plain)) << c.selection;
  }

  // The state is the one of the moment: a disabled item is not chosen, an enabled one is.
  const int violations = host_.transcript().ViolationCount();
  RunLines("deselect-all\nselect road label\nmenus\nmenu 線幅");
  EXPECT_EQ(host_.transcript().ViolationCount(), violations + 1);
  EXPECT_EQ(Lines().back(), "!! violation: the menu item \"線幅\" is disabled: not chosen");
  EXPECT_NE(Find("menu item \"線幅\" in \"Objects Paths\", key \"Width\", options 1, disabled, "
                 "updated automatically: action 1, in artwork 0, not in artwork 0, selected 2, "
                 "not selected 32, if true 0, if not true 0"),
            -1)
      << Text();
  RunLines("set label selected off\nmenu 線幅\nmenu-update 線幅");
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Update\" -> 0");
  EXPECT_EQ(Lines()[Lines().size() - 3], "send \"AI Menu\" \"AI Go\" -> 0") << Text();
  EXPECT_EQ(host_.transcript().ViolationCount(), violations + 1);
}

TEST_F(MenusTest, RulesOnTheArtworkAndConditionsAndRulesTheHostCannotFollow) {
  const auto holds = [this](AIMenuAutoUpdateRule rule) {
    return host::RuleHolds(rule, host_.documents().current());
  };
  const AIMenuAutoUpdateRule open{1, 0, 0, 0, 0, kMenuIfDocumentIsOpen, 0};
  const AIMenuAutoUpdateRule closed{1, 0, 0, 0, 0, 0, kMenuIfDocumentIsOpen};
  const AIMenuAutoUpdateRule anyText{1, kMenuTextFrameArtKind | kMenuRasterArtKind, 0, 0, 0, 0, 0};
  const AIMenuAutoUpdateRule noPlaced{1, 0, kMenuPlacedArtKind, 0, 0, 0, 0};
  const AIMenuAutoUpdateRule noText{1, 0, kMenuTextFrameArtKind, 0, 0, 0, 0};
  EXPECT_FALSE(holds(open));
  EXPECT_TRUE(holds(closed));
  EXPECT_FALSE(holds(anyText));
  EXPECT_TRUE(holds(noPlaced));
  OpenMap();
  EXPECT_TRUE(holds(open));
  EXPECT_FALSE(holds(closed));
  EXPECT_TRUE(holds(anyText));
  EXPECT_TRUE(holds(noPlaced));
  EXPECT_FALSE(holds(noText));
  EXPECT_EQ(host::ArtKindOf(kCompoundPathArt), kMenuCompoundPathArtKind);
  EXPECT_EQ(host::ArtKindOf(kUnknownArt), 0);

  // A rule with a number the host does not define is refused and the old rule stays.
  AIMenuItemHandle item = nullptr;
  ASSERT_EQ(AddItem("Key", kObjectPathsMenuGroup, "項目", &item), kNoErr);
  ASSERT_EQ(suite_.UpdateMenuItemAutomatically(item, 1, 0, 0, 2, 32, 0, 0), kNoErr);
  EXPECT_EQ(suite_.UpdateMenuItemAutomatically(item, 2, 0, 0, 2, 32, 0, 0), kBadParameterErr);
  EXPECT_EQ(suite_.UpdateMenuItemAutomatically(item, 1, 0, 0, 2, 64, 0, 0), kBadParameterErr);
  EXPECT_EQ(suite_.UpdateMenuItemAutomatically(item, 1, 0, 0, 2, 32, 2, 0), kBadParameterErr);
  EXPECT_TRUE(
      Has("!! violation: UpdateMenuItemAutomatically with the art kinds 64, which the "
          "host does not define"));
  EXPECT_EQ(host_.transcript().ViolationCount(), 3);
  ASSERT_TRUE(host_.menus().Items().back().rule.has_value());
  EXPECT_EQ(host_.menus().Items().back().rule->ifObjectIsNotSelected, 32);
}

TEST_F(MenusTest, SubmenuGroupsAndTheirItemsOutliveThePluginsShutdown) {
  RunLines("answer ok ok\nstart");
  EXPECT_EQ(GroupNames(), (std::vector<std::string>{"About", "Tool Palettes", "Objects Paths"}));
  AIMenuItemHandle parent = nullptr, about = nullptr, other = nullptr;
  AIMenuGroup group = nullptr;
  ASSERT_EQ(AddItem(nullptr, kAboutMenuGroup, "Mivorについて...", &parent), kNoErr);
  ASSERT_EQ(suite_.AddMenuGroupAsSubMenu("AboutMivorName", 1, parent, &group), kNoErr);
  ASSERT_EQ(AddItem(nullptr, "AboutMivorName", "Mivor-LaneWorks1.5...", &about), kNoErr);
  ASSERT_EQ(AddItem("Other", kObjectPathsMenuGroup, "他", &other), kNoErr);

  RunLines("shutdown\nmenus");
  EXPECT_EQ(GroupNames().back(), "AboutMivorName");
  const char* name = nullptr;
  EXPECT_EQ(suite_.GetMenuGroupName(group, &name), kNoErr);
  EXPECT_EQ(suite_.CheckItem(parent, 0), kNoErr);
  EXPECT_EQ(suite_.CheckItem(about, 0), kStaleHandleErr);
  EXPECT_EQ(suite_.CheckItem(other, 0), kStaleHandleErr);
  EXPECT_TRUE(Has("menu group \"AboutMivorName\", options 1"));
  EXPECT_TRUE(Has("menu item \"Mivorについて...\" in \"About\", key none, options 1, enabled"));
  EXPECT_FALSE(
      Has("menu item \"Mivor-LaneWorks1.5...\" in \"AboutMivorName\", key none, "
          "options 1, enabled"));
  const int violations = host_.transcript().ViolationCount();

  // Started again, the plug-in finds its group and adds only the item in it.
  RunLines("answer ok ok\nstart");
  EXPECT_EQ(suite_.AddMenuGroupAsSubMenu("AboutMivorName", 1, parent, nullptr), kBadParameterErr);
  EXPECT_EQ(AddItem(nullptr, "AboutMivorName", "Mivor-LaneWorks1.5...", &about), kNoErr);
  EXPECT_EQ(AddItem("Other", kObjectPathsMenuGroup, "他", &other), kNoErr);
  EXPECT_EQ(host_.menus().Items().size(), 3u);
  // The item of a submenu only opens it.
  RunLines("menu Mivorについて...\nmenu Mivor-LaneWorks1.5...");
  EXPECT_TRUE(Has("!! violation: the menu item \"Mivorについて...\" opens a submenu: not chosen"));
  EXPECT_EQ(Lines().back(), "send \"AI Menu\" \"AI Go\" -> 0");
  EXPECT_EQ(host_.transcript().ViolationCount(), violations + 2);
}
