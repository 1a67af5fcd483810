// The host's menus as plug-ins extend them: the host's own groups, the items and submenu groups
// the plug-in adds, their check marks and automatic update rules, and whether a user can choose
// an item now.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/core/Transcript.h"
#include "hostapi/AIMenu.h"

namespace host {

class Document;

class Menus {
 public:
  struct Item {
    AIMenuItemHandle handle;
    std::string key;  // empty for an item without one
    std::string group;
    std::string text;  // UTF-8
    AIMenuItemOption options;
    bool checked = false;
    std::optional<AIMenuAutoUpdateRule> rule;
  };
  struct Group {
    AIMenuGroup handle;
    std::string name;
    AIMenuGroupOption options = 0;
    AIMenuItemHandle parent = nullptr;  // the item it is the submenu of; null for the host's
  };

  explicit Menus(Transcript& transcript);

  AIErr AddItem(SPPluginRef plugin, const char* key, const AIPlatformAddMenuItemDataUS* data,
                AIMenuItemOption options, AIMenuItemHandle* item);
  AIErr AddSubMenuGroup(const char* name, AIMenuGroupOption options, AIMenuItemHandle item,
                        AIMenuGroup* group);
  // A group another plug-in adds, after every group there is; false when the name is taken.
  bool AddOtherPluginGroup(const std::string& name);
  // A live item or group of the plug-in; null (and a violation naming function) otherwise.
  Item* FindItem(AIMenuItemHandle handle, const char* function);
  const Group* FindGroup(AIMenuGroup handle, const char* function) const;
  // The item showing text; null when there is none.
  const Item* ItemWithText(const std::string& text) const;

  // Whether the item opens a submenu group (it is then never chosen itself).
  bool HasSubmenu(AIMenuItemHandle handle) const;
  // Whether the user can choose the item with document open (null: none is): by its automatic
  // update rule, if it has one.
  bool IsEnabled(const Item& item, const Document* document) const;

  const std::vector<Item>& Items() const { return items_; }
  const std::vector<Group>& Groups() const { return groups_; }
  // Forgets the plug-in's items when it shuts down; submenu groups and the items they hang from
  // stay, as the host keeps them until it quits.
  void Clear();

  static const AIMenuSuite* Suite();

 private:
  Transcript& transcript_;
  std::vector<Item> items_;
  std::vector<Group> groups_;
  // Serial numbers of handles: never reused, so a handle from an earlier run stays stale.
  std::size_t itemSerial_ = 0;
  std::size_t groupSerial_ = 0;
};

}  // namespace host
