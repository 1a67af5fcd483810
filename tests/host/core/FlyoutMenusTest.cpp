#include <gtest/gtest.h>

#include <vector>

#include "host/core/FlyoutMenus.h"
#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace {

class FlyoutMenusTest : public ::testing::Test {
 protected:
  AIErr Append(AIPanelFlyoutMenuRef menu, std::uint32_t id, const std::string& text) {
    const AIUnicodeStringRef string = host_.strings().Add(*host::Utf8ToUtf16(text));
    const AIErr error = suite_.AppendItem(menu, id, string);
    host_.strings().Remove(string);
    return error;
  }
  // The ids in the menu's order, as the plug-in reads them.
  std::vector<std::uint32_t> Ids(AIPanelFlyoutMenuRef menu) {
    std::uint32_t count = 0;
    EXPECT_EQ(suite_.Size(menu, &count), kNoErr);
    std::vector<std::uint32_t> ids(count);
    for (std::uint32_t i = 0; i < count; ++i) EXPECT_EQ(suite_.GetItemID(menu, i, &ids[i]), kNoErr);
    return ids;
  }
  int Violations() { return host_.transcript().ViolationCount(); }

  host::Host host_;
  const AIPanelFlyoutMenuSuite& suite_ = *host::FlyoutMenus::Suite();
};

TEST_F(FlyoutMenusTest, ItemsAndSeparatorsKeepTheirOrderAndTheirTextsAndStates) {
  AIPanelFlyoutMenuRef menu = nullptr;
  ASSERT_EQ(suite_.Create(&menu), kNoErr);
  EXPECT_EQ(Append(menu, 10, "環境設定..."), kNoErr);
  EXPECT_EQ(suite_.AppendSeparator(menu, 20), kNoErr);
  EXPECT_EQ(Append(menu, 30, "履歴を消去"), kNoErr);
  EXPECT_EQ(Append(menu, 5, "最初"), kNoErr);
  EXPECT_EQ(Ids(menu), (std::vector<std::uint32_t>{10, 20, 30, 5}));
  EXPECT_EQ(suite_.RemoveItem(menu, 20), kNoErr);
  EXPECT_EQ(suite_.SetItemEnabled(menu, 30, 0), kNoErr);
  EXPECT_EQ(Ids(menu), (std::vector<std::uint32_t>{10, 30, 5}));
  EXPECT_EQ(Violations(), 0);

  const host::FlyoutMenus::Menu& entries = *host_.flyoutMenus().Get(menu);
  EXPECT_EQ(entries[0].text, "環境設定...");
  EXPECT_TRUE(entries[0].enabled);
  EXPECT_FALSE(entries[1].enabled);
  // A removed id can be used again.
  EXPECT_EQ(suite_.AppendSeparator(menu, 20), kNoErr);
  EXPECT_TRUE(host_.flyoutMenus().Get(menu)->back().separator);
  EXPECT_EQ(suite_.Destroy(menu), kNoErr);
}

TEST_F(FlyoutMenusTest, WhatThePluginGetsWrongIsRefusedAndReported) {
  AIPanelFlyoutMenuRef menu = nullptr;
  ASSERT_EQ(suite_.Create(&menu), kNoErr);
  ASSERT_EQ(Append(menu, 1, "a"), kNoErr);
  ASSERT_EQ(suite_.AppendSeparator(menu, 2), kNoErr);
  EXPECT_EQ(Append(menu, 1, "again"), kBadParameterErr);  // ids are unique in a menu
  EXPECT_EQ(suite_.AppendSeparator(menu, 1), kBadParameterErr);
  EXPECT_EQ(suite_.RemoveItem(menu, 7), kBadParameterErr);
  EXPECT_EQ(suite_.SetItemEnabled(menu, 7, 1), kBadParameterErr);
  EXPECT_EQ(suite_.SetItemEnabled(menu, 2, 1), kBadParameterErr);  // a separator
  std::uint32_t id = 0;
  EXPECT_EQ(suite_.GetItemID(menu, 2, &id), kBadParameterErr);
  EXPECT_EQ(suite_.Size(menu, nullptr), kBadParameterErr);
  EXPECT_EQ(Violations(), 7);
  EXPECT_EQ(Ids(menu), (std::vector<std::uint32_t>{1, 2}));

  EXPECT_EQ(suite_.Destroy(menu), kNoErr);
  EXPECT_EQ(suite_.Destroy(menu), kStaleHandleErr);
  EXPECT_EQ(Append(menu, 3, "b"), kStaleHandleErr);
  EXPECT_EQ(suite_.Create(nullptr), kBadParameterErr);
  EXPECT_EQ(Violations(), 10);
}

TEST_F(FlyoutMenusTest, AMenuNotDestroyedIsReportedWhenThePluginQuits) {
  AIPanelFlyoutMenuRef menu = nullptr;
  ASSERT_EQ(suite_.Create(&menu), kNoErr);
  host_.flyoutMenus().CheckAllDestroyed("by the plug-in");
  EXPECT_EQ(Violations(), 1);
  EXPECT_EQ(host_.transcript().Lines().back(),
            "!! violation: 1 flyout menu(s) never destroyed by the plug-in");
  EXPECT_EQ(host_.flyoutMenus().LiveCount(), 0u);
  EXPECT_EQ(suite_.Destroy(menu), kStaleHandleErr);
}

}  // namespace
