// Menu messages and the suite through which a plug-in adds items to the host's menus.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kAIMenuCaller[] = "AI Menu";
constexpr char kAIMenuGoSelector[] = "AI Go";
constexpr char kAIMenuUpdateSelector[] = "AI Update";

struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;  // the item chosen or to be updated
};

constexpr char kAIMenuSuite[] = "AI Menu Suite";
constexpr std::int32_t kAIMenuSuiteVersion = 11;

// Menu groups of the host that plug-ins add to.
constexpr char kAboutMenuGroup[] = "About";
constexpr char kToolPalettesMenuGroup[] = "Tool Palettes";
constexpr char kObjectPathsMenuGroup[] = "Objects Paths";

// Item options: bits.
using AIMenuItemOption = std::int32_t;
constexpr AIMenuItemOption kMenuItemWantsUpdateOption = 1;  // send "AI Menu"/"AI Update"

// Group options: bits.
using AIMenuGroupOption = std::int32_t;
constexpr AIMenuGroupOption kMenuGroupSortedAlphabeticallyOption = 1;

// Where a new item goes and what it says.
struct AIPlatformAddMenuItemDataUS {
  const char* groupName;        // a group of the host or one the plug-in added
  AIUnicodeStringRef itemText;  // the caller's string; the host copies the text
};

// Kinds of art in the masks of an automatic update rule: the kind of art type t is the bit
// 1 << (t - 1). Layer groups are of no kind.
using AIMenuArtKinds = std::int32_t;
constexpr AIMenuArtKinds kMenuGroupArtKind = 1;
constexpr AIMenuArtKinds kMenuPathArtKind = 2;
constexpr AIMenuArtKinds kMenuCompoundPathArtKind = 4;
constexpr AIMenuArtKinds kMenuPlacedArtKind = 8;
constexpr AIMenuArtKinds kMenuRasterArtKind = 16;
constexpr AIMenuArtKinds kMenuTextFrameArtKind = 32;
constexpr AIMenuArtKinds kMenuAllArtKinds = 63;

// Conditions of an automatic update rule: bits.
using AIMenuConditions = std::int32_t;
constexpr AIMenuConditions kMenuIfDocumentIsOpen = 1;

// What an automatic update rule does to its item.
constexpr std::int32_t kMenuAutoEnableAction = 1;  // enabled while the rule holds, else disabled

// The rule by which the host enables an item itself, judged whenever the user opens the menu,
// without "AI Update" messages. It holds when every non-zero field holds:
//   ifObjectIsInArtwork     some art of one of these kinds is in the document
//   ifObjectIsNotInArtwork  no art of these kinds is in the document
//   ifObjectIsSelected      some selected art is of one of these kinds
//   ifObjectIsNotSelected   no selected art is of these kinds
//   ifIsTrue                every one of these conditions is true
//   ifIsNotTrue             none of these conditions is true
// Without an open document there is no art. Items without a rule are enabled; an item whose
// rule disables it cannot be chosen.
struct AIMenuAutoUpdateRule {
  std::int32_t action;  // kMenuAutoEnableAction
  AIMenuArtKinds ifObjectIsInArtwork;
  AIMenuArtKinds ifObjectIsNotInArtwork;
  AIMenuArtKinds ifObjectIsSelected;
  AIMenuArtKinds ifObjectIsNotSelected;
  AIMenuConditions ifIsTrue;
  AIMenuConditions ifIsNotTrue;
};

struct AIMenuSuite {
  // Adds an item to data->groupName. key names the item for the host (unique among items;
  // null for an item without one). *item (may be null) gets a handle owned by the host,
  // valid until the host quits.
  AIErr (*AddMenuItem)(SPPluginRef plugin, const char* key, const AIPlatformAddMenuItemDataUS* data,
                       AIMenuItemOption options, AIMenuItemHandle* item);
  // Makes a new group (name unique among all groups) holding the items added to it as the
  // submenu of item. *group (may be null) gets a handle owned by the host. The group and its
  // item stay until the host quits, when the plug-in shuts down and starts again too; the items
  // in the group go with the plug-in.
  AIErr (*AddMenuGroupAsSubMenu)(const char* name, AIMenuGroupOption options, AIMenuItemHandle item,
                                 AIMenuGroup* group);
  // The host's groups and those added by plug-ins, in the order they were made.
  AIErr (*CountMenuGroups)(std::int32_t* count);
  AIErr (*GetNthMenuGroup)(std::int32_t index, AIMenuGroup* group);
  // *name points at text owned by the host, valid until it quits.
  AIErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
  AIErr (*CheckItem)(AIMenuItemHandle item, AIBoolean check);
  AIErr (*IsItemChecked)(AIMenuItemHandle item, AIBoolean* checked);
  // Replaces the item's automatic update rule (see AIMenuAutoUpdateRule, field by field). An
  // action, kind or condition the host does not define is refused.
  AIErr (*UpdateMenuItemAutomatically)(AIMenuItemHandle item, std::int32_t action,
                                       std::int32_t ifObjectIsInArtwork,
                                       std::int32_t ifObjectIsNotInArtwork,
                                       std::int32_t ifObjectIsSelected,
                                       std::int32_t ifObjectIsNotSelected, std::int32_t ifIsTrue,
                                       std::int32_t ifIsNotTrue);
};
