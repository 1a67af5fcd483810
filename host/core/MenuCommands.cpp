// Session commands for the menu items that the plug-in added.
#include <cstring>
#include <vector>

#include "host/core/Session.h"

namespace host {
namespace {

std::string DescribeRule(const AIMenuAutoUpdateRule& rule) {
  return "action " + std::to_string(rule.action) + ", in artwork " +
         std::to_string(rule.ifObjectIsInArtwork) + ", not in artwork " +
         std::to_string(rule.ifObjectIsNotInArtwork) + ", selected " +
         std::to_string(rule.ifObjectIsSelected) + ", not selected " +
         std::to_string(rule.ifObjectIsNotSelected) + ", if true " + std::to_string(rule.ifIsTrue) +
         ", if not true " + std::to_string(rule.ifIsNotTrue);
}

// Sends a menu message for the item showing text, as the user's choice or the menu's opening.
// A user cannot choose a disabled item, nor one that only opens a submenu.
std::string SendToItem(Host& host, const Words& a, const char* selector) {
  if (a.size() != 1) return "one item text expected";
  const Menus& menus = host.menus();
  const Menus::Item* item = menus.ItemWithText(a[0]);
  if (item == nullptr) return "no menu item shows " + Quote(a[0]);
  if (std::strcmp(selector, kAIMenuGoSelector) == 0) {
    if (menus.HasSubmenu(item->handle)) {
      host.transcript().Violation("the menu item " + Quote(a[0]) + " opens a submenu: not chosen");
      return "";
    }
    if (!menus.IsEnabled(*item, host.documents().current())) {
      host.transcript().Violation("the menu item " + Quote(a[0]) + " is disabled: not chosen");
      return "";
    }
  }
  MessageRecord message{};
  message.menu.menuItem = item->handle;
  host.Send(kAIMenuCaller, selector, message);
  return "";
}

}  // namespace

void AddMenuCommands(Session& session) {
  Host& host = session.host();
  session.Add("menu", "\"ITEM TEXT\"", [&host](const Words& a) -> std::string {
    return SendToItem(host, a, kAIMenuGoSelector);
  });
  session.Add("menu-update", "\"ITEM TEXT\"", [&host](const Words& a) -> std::string {
    return SendToItem(host, a, kAIMenuUpdateSelector);
  });
  session.Add("menu-group", "\"NAME\"", [&host](const Words& a) -> std::string {
    if (a.size() != 1 || a[0].empty()) return "one group name expected";
    if (!host.menus().AddOtherPluginGroup(a[0])) return "the group " + Quote(a[0]) + " exists";
    host.transcript().Line("another plug-in added the menu group " + Quote(a[0]));
    return "";
  });
  session.Add("menus", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    // As the user sees them on opening the menu: the items that want it are updated first, as
    // the host updates them when a menu opens, and enabled by the document as it is now.
    std::vector<AIMenuItemHandle> updated;
    for (const Menus::Item& item : host.menus().Items()) {
      if ((item.options & kMenuItemWantsUpdateOption) != 0) updated.push_back(item.handle);
    }
    for (AIMenuItemHandle handle : updated) {
      MessageRecord message{};
      message.menu.menuItem = handle;
      host.Send(kAIMenuCaller, kAIMenuUpdateSelector, message);
    }
    const Menus& menus = host.menus();
    const Document* document = host.documents().current();
    for (const Menus::Group& group : menus.Groups()) {
      if (group.parent == nullptr) continue;
      host.transcript().Line("menu group " + Quote(group.name) + ", options " +
                             std::to_string(group.options));
    }
    if (menus.Items().empty()) host.transcript().Line("menu items: none");
    for (const Menus::Item& item : menus.Items()) {
      host.transcript().Line(
          "menu item " + Quote(item.text) + " in " + Quote(item.group) + ", key " +
          (item.key.empty() ? std::string("none") : Quote(item.key)) + ", options " +
          std::to_string(item.options) +
          (menus.IsEnabled(item, document) ? ", enabled" : ", disabled") +
          (item.checked ? ", checked" : "") +
          (item.rule ? ", updated automatically: " + DescribeRule(*item.rule) : ""));
    }
    return "";
  });
}

}  // namespace host
