// Flyout menus of host panels: an ordered list of items and separators, each with a 32-bit id
// unique within its menu. The plug-in owns a menu from Create to Destroy; a panel shows it.
#pragma once

#include "hostapi/AIPanel.h"

constexpr char kAIPanelFlyoutMenuSuite[] = "AI Panel Flyout Menu Suite";
constexpr std::int32_t kAIPanelFlyoutMenuSuiteVersion = 2;

struct AIPanelFlyoutMenuSuite {
  // *menu gets a new empty menu, owned by the plug-in until it calls Destroy.
  AIErr (*Create)(AIPanelFlyoutMenuRef* menu);
  AIErr (*Destroy)(AIPanelFlyoutMenuRef menu);
  // Appends an enabled item showing text (the caller's string; the host copies the text). An id
  // already in the menu is refused with kBadParameterErr.
  AIErr (*AppendItem)(AIPanelFlyoutMenuRef menu, std::uint32_t itemId, AIUnicodeStringRef text);
  AIErr (*AppendSeparator)(AIPanelFlyoutMenuRef menu, std::uint32_t separatorId);
  // Removes the item or separator with id; an id not in the menu is refused.
  AIErr (*RemoveItem)(AIPanelFlyoutMenuRef menu, std::uint32_t itemId);
  AIErr (*SetItemEnabled)(AIPanelFlyoutMenuRef menu, std::uint32_t itemId, AIBoolean enabled);
  // The number of items and separators, and the id of the one at index (0 first).
  AIErr (*Size)(AIPanelFlyoutMenuRef menu, std::uint32_t* count);
  AIErr (*GetItemID)(AIPanelFlyoutMenuRef menu, std::uint32_t index, std::uint32_t* itemId);
};
