#include "plugin/SDKAboutPluginsHelper.h"

#include <cstring>

#include "hostapi/IAIUnicodeString.h"

SDKAboutPluginsHelper::SDKAboutPluginsHelper(SPBasicSuite* basic) : basic_(basic) {
  const void* suite = nullptr;
  acquireError_ = basic_->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &suite);
  if (acquireError_ == kNoErr) menu_ = static_cast<const AIMenuSuite*>(suite);
}

SDKAboutPluginsHelper::~SDKAboutPluginsHelper() {
  if (menu_ != nullptr) basic_->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
}

AIErr SDKAboutPluginsHelper::HasGroup(const char* name, bool* found) const {
  *found = false;
  std::int32_t count = 0;
  if (AIErr error = menu_->CountMenuGroups(&count)) return error;
  for (std::int32_t i = 0; i < count && !*found; ++i) {
    AIMenuGroup group = nullptr;
    const char* groupName = nullptr;
    if (AIErr error = menu_->GetNthMenuGroup(i, &group)) return error;
    if (AIErr error = menu_->GetMenuGroupName(group, &groupName)) return error;
    *found = groupName != nullptr && std::strcmp(groupName, name) == 0;
  }
  return kNoErr;
}

AIErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPPluginRef plugin, const char* groupName,
                                                     const char* groupItemText,
                                                     const char* itemText, AIMenuItemHandle* item) {
  if (menu_ == nullptr) return acquireError_;
  bool found = false;
  if (AIErr error = HasGroup(groupName, &found)) return error;
  if (!found) {
    const ai::UnicodeString text(groupItemText);
    const AIPlatformAddMenuItemDataUS data{kAboutMenuGroup, text.handle()};
    AIMenuItemHandle groupItem = nullptr;
    if (AIErr error = menu_->AddMenuItem(plugin, nullptr, &data, 0, &groupItem)) return error;
    if (AIErr error = menu_->AddMenuGroupAsSubMenu(groupName, kMenuGroupSortedAlphabeticallyOption,
                                                   groupItem, nullptr)) {
      return error;
    }
  }
  const ai::UnicodeString text(itemText);
  const AIPlatformAddMenuItemDataUS data{groupName, text.handle()};
  return menu_->AddMenuItem(plugin, nullptr, &data, 0, item);
}
