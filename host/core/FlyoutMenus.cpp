#include "host/core/FlyoutMenus.h"

#include <algorithm>

#include "host/core/Faultable.h"
#include "host/core/Host.h"

namespace host {
namespace {

Transcript& Log() {
  return Host::Current().transcript();
}

FlyoutMenus::Menu* Lookup(AIPanelFlyoutMenuRef menu, const char* function) {
  return Host::Current().flyoutMenus().Find(menu, function);
}

FlyoutMenus::Menu::iterator EntryWithId(FlyoutMenus::Menu& menu, std::uint32_t id) {
  return std::find_if(menu.begin(), menu.end(),
                      [id](const FlyoutMenus::Entry& entry) { return entry.id == id; });
}

AIErr Append(AIPanelFlyoutMenuRef menu, FlyoutMenus::Entry entry, const char* function) {
  FlyoutMenus::Menu* entries = Lookup(menu, function);
  if (entries == nullptr) return kStaleHandleErr;
  if (EntryWithId(*entries, entry.id) != entries->end()) {
    Log().Violation(std::string(function) + " with the id " + std::to_string(entry.id) +
                    ", which the menu already has");
    return kBadParameterErr;
  }
  entries->push_back(std::move(entry));
  return kNoErr;
}

AIErr Create(AIPanelFlyoutMenuRef* menu) {
  if (menu == nullptr) {
    Log().Violation("Create of a flyout menu with a null result pointer");
    return kBadParameterErr;
  }
  *menu = Host::Current().flyoutMenus().Add();
  return kNoErr;
}

AIErr Destroy(AIPanelFlyoutMenuRef menu) {
  if (!Host::Current().flyoutMenus().Remove(menu)) {
    Log().Violation("Destroy of a flyout menu that is not live");
    return kStaleHandleErr;
  }
  return kNoErr;
}

AIErr AppendItem(AIPanelFlyoutMenuRef menu, std::uint32_t itemId, AIUnicodeStringRef text) {
  Strings& strings = Host::Current().strings();
  if (strings.Find(text, "AppendItem") == nullptr) return kStaleHandleErr;
  return Append(menu, {itemId, false, strings.Utf8(text, "AppendItem"), true}, "AppendItem");
}

AIErr AppendSeparator(AIPanelFlyoutMenuRef menu, std::uint32_t separatorId) {
  return Append(menu, {separatorId, true, "", true}, "AppendSeparator");
}

AIErr RemoveItem(AIPanelFlyoutMenuRef menu, std::uint32_t itemId) {
  FlyoutMenus::Menu* entries = Lookup(menu, "RemoveItem");
  if (entries == nullptr) return kStaleHandleErr;
  const auto found = EntryWithId(*entries, itemId);
  if (found == entries->end()) {
    Log().Violation("RemoveItem of the id " + std::to_string(itemId) +
                    ", which is not in the menu");
    return kBadParameterErr;
  }
  entries->erase(found);
  return kNoErr;
}

AIErr SetItemEnabled(AIPanelFlyoutMenuRef menu, std::uint32_t itemId, AIBoolean enabled) {
  FlyoutMenus::Menu* entries = Lookup(menu, "SetItemEnabled");
  if (entries == nullptr) return kStaleHandleErr;
  const auto found = EntryWithId(*entries, itemId);
  if (found == entries->end() || found->separator) {
    Log().Violation("SetItemEnabled of the id " + std::to_string(itemId) +
                    ", which names no item of the menu");
    return kBadParameterErr;
  }
  found->enabled = enabled != 0;
  return kNoErr;
}

AIErr Size(AIPanelFlyoutMenuRef menu, std::uint32_t* count) {
  const FlyoutMenus::Menu* entries = Lookup(menu, "Size");
  if (entries == nullptr) return kStaleHandleErr;
  if (count == nullptr) {
    Log().Violation("Size with a null result pointer");
    return kBadParameterErr;
  }
  *count = static_cast<std::uint32_t>(entries->size());
  return kNoErr;
}

AIErr GetItemID(AIPanelFlyoutMenuRef menu, std::uint32_t index, std::uint32_t* itemId) {
  const FlyoutMenus::Menu* entries = Lookup(menu, "GetItemID");
  if (entries == nullptr) return kStaleHandleErr;
  if (itemId == nullptr || index >= entries->size()) {
    Log().Violation("GetItemID with index " + std::to_string(index) + " of " +
                    std::to_string(entries->size()) + " or a null result pointer");
    return kBadParameterErr;
  }
  *itemId = (*entries)[index].id;
  return kNoErr;
}

}  // namespace

FlyoutMenus::Menu* FlyoutMenus::Find(AIPanelFlyoutMenuRef menu, const char* function) {
  Menu* entries = table_.Find(menu);
  if (entries == nullptr)
    transcript_.Violation(std::string(function) + " with a flyout menu that is not live");
  return entries;
}

void FlyoutMenus::CheckAllDestroyed(const char* when) {
  if (table_.Count() == 0) return;
  transcript_.Violation(std::to_string(table_.Count()) + " flyout menu(s) never destroyed " + when);
  table_.Clear();
}

const AIPanelFlyoutMenuSuite* FlyoutMenus::Suite() {
  static const AIPanelFlyoutMenuSuite suite = {HOST_FAULTABLE_AS(Create, "FlyoutMenu.Create"),
                                               HOST_FAULTABLE_AS(Destroy, "FlyoutMenu.Destroy"),
                                               HOST_FAULTABLE(AppendItem),
                                               HOST_FAULTABLE(AppendSeparator),
                                               HOST_FAULTABLE(RemoveItem),
                                               HOST_FAULTABLE(SetItemEnabled),
                                               HOST_FAULTABLE(Size),
                                               HOST_FAULTABLE(GetItemID)};
  return &suite;
}

}  // namespace host
