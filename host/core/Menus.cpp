#include "host/core/Menus.h"

#include <algorithm>
#include <cstdint>

#include "host/core/Faultable.h"
#include "host/core/HandleTable.h"
#include "host/core/Host.h"
#include "host/core/MenuRules.h"

namespace host {
namespace {

// The host's own groups that plug-ins add to.
constexpr const char* kHostGroups[] = {kAboutMenuGroup, kToolPalettesMenuGroup,
                                       kObjectPathsMenuGroup};

template <typename Handle>
Handle MakeHandle(std::size_t serial, HandleKind kind) {
  return reinterpret_cast<Handle>((static_cast<std::uintptr_t>(serial) << 8) | kind);
}

Menus& Table() {
  return Host::Current().menus();
}

AIErr AddMenuItem(SPPluginRef plugin, const char* key, const AIPlatformAddMenuItemDataUS* data,
                  AIMenuItemOption options, AIMenuItemHandle* item) {
  return Table().AddItem(plugin, key, data, options, item);
}

AIErr AddMenuGroupAsSubMenu(const char* name, AIMenuGroupOption options, AIMenuItemHandle item,
                            AIMenuGroup* group) {
  return Table().AddSubMenuGroup(name, options, item, group);
}

AIErr CountMenuGroups(std::int32_t* count) {
  if (count == nullptr) {
    Host::Current().transcript().Violation("CountMenuGroups with a null result pointer");
    return kBadParameterErr;
  }
  *count = static_cast<std::int32_t>(Table().Groups().size());
  return kNoErr;
}

AIErr GetNthMenuGroup(std::int32_t index, AIMenuGroup* group) {
  const auto& groups = Table().Groups();
  if (group == nullptr || index < 0 || static_cast<std::size_t>(index) >= groups.size()) {
    Host::Current().transcript().Violation("GetNthMenuGroup with index " + std::to_string(index) +
                                           " of " + std::to_string(groups.size()) +
                                           " or a null result pointer");
    return kBadParameterErr;
  }
  *group = groups[static_cast<std::size_t>(index)].handle;
  return kNoErr;
}

AIErr GetMenuGroupName(AIMenuGroup group, const char** name) {
  const Menus::Group* found = Table().FindGroup(group, "GetMenuGroupName");
  if (found == nullptr) return kStaleHandleErr;
  if (name == nullptr) {
    Host::Current().transcript().Violation("GetMenuGroupName with a null result pointer");
    return kBadParameterErr;
  }
  *name = found->name.c_str();
  return kNoErr;
}

AIErr CheckItem(AIMenuItemHandle item, AIBoolean check) {
  Menus::Item* found = Table().FindItem(item, "CheckItem");
  if (found == nullptr) return kStaleHandleErr;
  found->checked = check != 0;
  return kNoErr;
}

AIErr IsItemChecked(AIMenuItemHandle item, AIBoolean* checked) {
  Menus::Item* found = Table().FindItem(item, "IsItemChecked");
  if (found == nullptr) return kStaleHandleErr;
  if (checked == nullptr) {
    Host::Current().transcript().Violation("IsItemChecked with a null result pointer");
    return kBadParameterErr;
  }
  *checked = found->checked ? 1 : 0;
  return kNoErr;
}

AIErr UpdateMenuItemAutomatically(AIMenuItemHandle item, std::int32_t action,
                                  std::int32_t ifObjectIsInArtwork,
                                  std::int32_t ifObjectIsNotInArtwork,
                                  std::int32_t ifObjectIsSelected,
                                  std::int32_t ifObjectIsNotSelected, std::int32_t ifIsTrue,
                                  std::int32_t ifIsNotTrue) {
  Menus::Item* found = Table().FindItem(item, "UpdateMenuItemAutomatically");
  if (found == nullptr) return kStaleHandleErr;
  const AIMenuAutoUpdateRule rule{action,
                                  ifObjectIsInArtwork,
                                  ifObjectIsNotInArtwork,
                                  ifObjectIsSelected,
                                  ifObjectIsNotSelected,
                                  ifIsTrue,
                                  ifIsNotTrue};
  if (const std::string problem = CheckRule(rule); !problem.empty()) {
    Host::Current().transcript().Violation("UpdateMenuItemAutomatically with " + problem);
    return kBadParameterErr;
  }
  found->rule = rule;
  return kNoErr;
}

}  // namespace

Menus::Menus(Transcript& transcript) : transcript_(transcript) {
  for (const char* name : kHostGroups) {
    groups_.push_back(
        Group{MakeHandle<AIMenuGroup>(++groupSerial_, kMenuGroupHandle), name, 0, nullptr});
  }
}

AIErr Menus::AddItem(SPPluginRef plugin, const char* key, const AIPlatformAddMenuItemDataUS* data,
                     AIMenuItemOption options, AIMenuItemHandle* item) {
  Host& host = Host::Current();
  if (!host.IsPlugin(plugin) || data == nullptr || data->groupName == nullptr) {
    transcript_.Violation("AddMenuItem with a bad plug-in reference, item data or group name");
    return kBadParameterErr;
  }
  bool knownGroup = false;
  for (const Group& group : groups_) knownGroup = knownGroup || group.name == data->groupName;
  if (!knownGroup) {
    transcript_.Violation("AddMenuItem to the unknown group " + Quote(data->groupName));
    return kBadParameterErr;
  }
  if (host.strings().Find(data->itemText, "AddMenuItem") == nullptr) return kStaleHandleErr;
  const std::string text = host.strings().Utf8(data->itemText, "AddMenuItem");
  if (key != nullptr && *key != '\0') {
    for (const Item& existing : items_) {
      if (existing.key == key) {
        transcript_.Violation("AddMenuItem: the key " + Quote(key) + " is already used");
        return kBadParameterErr;
      }
    }
  }
  const auto handle = MakeHandle<AIMenuItemHandle>(++itemSerial_, kMenuItemHandle);
  items_.push_back(
      Item{handle, key == nullptr ? "" : key, data->groupName, text, options, false, std::nullopt});
  if (item != nullptr) *item = handle;
  return kNoErr;
}

AIErr Menus::AddSubMenuGroup(const char* name, AIMenuGroupOption options, AIMenuItemHandle item,
                             AIMenuGroup* group) {
  if (name == nullptr || *name == '\0') {
    transcript_.Violation("AddMenuGroupAsSubMenu with a null or empty name");
    return kBadParameterErr;
  }
  if (FindItem(item, "AddMenuGroupAsSubMenu") == nullptr) return kStaleHandleErr;
  for (const Group& existing : groups_) {
    if (existing.name == name) {
      transcript_.Violation("AddMenuGroupAsSubMenu: the group " + Quote(name) + " exists");
      return kBadParameterErr;
    }
    if (existing.parent == item) {
      transcript_.Violation("AddMenuGroupAsSubMenu: the item already has a submenu");
      return kBadParameterErr;
    }
  }
  const auto handle = MakeHandle<AIMenuGroup>(++groupSerial_, kMenuGroupHandle);
  groups_.push_back(Group{handle, name, options, item});
  if (group != nullptr) *group = handle;
  return kNoErr;
}

bool Menus::AddOtherPluginGroup(const std::string& name) {
  for (const Group& existing : groups_) {
    if (existing.name == name) return false;
  }
  groups_.push_back(
      Group{MakeHandle<AIMenuGroup>(++groupSerial_, kMenuGroupHandle), name, 0, nullptr});
  return true;
}

Menus::Item* Menus::FindItem(AIMenuItemHandle handle, const char* function) {
  for (Item& item : items_) {
    if (item.handle == handle) return &item;
  }
  transcript_.Violation(std::string(function) + " with a menu item that is not live");
  return nullptr;
}

const Menus::Group* Menus::FindGroup(AIMenuGroup handle, const char* function) const {
  for (const Group& group : groups_) {
    if (group.handle == handle) return &group;
  }
  transcript_.Violation(std::string(function) + " with a menu group that is not live");
  return nullptr;
}

const Menus::Item* Menus::ItemWithText(const std::string& text) const {
  for (const Item& item : items_) {
    if (item.text == text) return &item;
  }
  return nullptr;
}

bool Menus::HasSubmenu(AIMenuItemHandle handle) const {
  return std::any_of(groups_.begin(), groups_.end(),
                     [handle](const Group& group) { return group.parent == handle; });
}

bool Menus::IsEnabled(const Item& item, const Document* document) const {
  return !item.rule || RuleHolds(*item.rule, document);
}

void Menus::Clear() {
  // The host keeps the groups plug-ins made, with the items they hang from, until it quits.
  std::erase_if(items_, [this](const Item& item) { return !HasSubmenu(item.handle); });
}

const AIMenuSuite* Menus::Suite() {
  static const AIMenuSuite suite = {
      HOST_FAULTABLE(AddMenuItem),      HOST_FAULTABLE(AddMenuGroupAsSubMenu),
      HOST_FAULTABLE(CountMenuGroups),  HOST_FAULTABLE(GetNthMenuGroup),
      HOST_FAULTABLE(GetMenuGroupName), HOST_FAULTABLE(CheckItem),
      HOST_FAULTABLE(IsItemChecked),    HOST_FAULTABLE(UpdateMenuItemAutomatically)};
  return &suite;
}

}  // namespace host
