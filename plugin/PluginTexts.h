// What the plug-in shows in the host's menus, and the keys naming its items. UTF-8.
#pragma once

#include "LaneWorksVersion.h"

inline constexpr char kKukuriPanelMenuText[] = "重ね線";
inline constexpr char kKukuriPanelMenuKey[] = "MvLaneWorksKukuriPanelMenuKey";
inline constexpr char kPathWidthModifierMenuText[] = "パスの線幅を増減...";
inline constexpr char kPathWidthModifierMenuKey[] = "MvLaneWorksPathWidthModifierMenuKey";

// The About entry: a submenu shared by the maker's plug-ins under the host's About menu.
inline constexpr char kAboutGroupName[] = "AboutMivorName";
inline constexpr char kAboutGroupItemText[] = "Mivorについて...";
inline constexpr char kAboutMenuText[] = LANEWORKS_ABOUT_MENU_TEXT;
