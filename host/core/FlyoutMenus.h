// The flyout menus of panels that the plug-in makes and owns until it destroys them: each an
// ordered list of items and separators with ids unique within the menu.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/core/HandleTable.h"
#include "host/core/Transcript.h"
#include "hostapi/AIPanelFlyoutMenu.h"

namespace host {

class FlyoutMenus {
 public:
  struct Entry {
    std::uint32_t id;
    bool separator;
    std::string text;  // UTF-8; empty for a separator
    bool enabled;
  };
  using Menu = std::vector<Entry>;

  explicit FlyoutMenus(Transcript& transcript) : transcript_(transcript) {}

  AIPanelFlyoutMenuRef Add() { return table_.Add(Menu{}); }
  bool Remove(AIPanelFlyoutMenuRef menu) { return table_.Remove(menu); }
  // The entries of a live menu; null (and a violation naming function) otherwise.
  Menu* Find(AIPanelFlyoutMenuRef menu, const char* function);
  // The entries of a live menu; null otherwise.
  const Menu* Get(AIPanelFlyoutMenuRef menu) const { return table_.Find(menu); }
  std::size_t LiveCount() const { return table_.Count(); }
  // Reports menus never destroyed and forgets them.
  void CheckAllDestroyed(const char* when);

  static const AIPanelFlyoutMenuSuite* Suite();

 private:
  Transcript& transcript_;
  HandleTable<Menu, AIPanelFlyoutMenuRef, kFlyoutMenuHandle> table_;
};

}  // namespace host
