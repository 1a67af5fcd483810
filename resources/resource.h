// Identifiers of the plug-in's resources, shared by the resource scripts and the code.
#pragma once

// The stroke-width command's dialog.
#define IDD_PATH_WIDTH_MODIFIER 130
#define IDC_ADDING_WIDTH_EDIT 1139
#define IDC_SCALE_EDIT 1140
#define IDC_ADD_WIDTH_RADIO 1141
#define IDC_SCALE_WIDTH_RADIO 1142

// The scissors tool's cursors (32 x 32 monochrome) and its tools-palette icons ("PNGI").
#define IDC_SCISSORS_CURSOR 134
#define IDC_SCISSORS_ON_ANCHOR_CURSOR 135
#define IDC_SCISSORS_ON_PATH_CURSOR 136
#define IDI_SCISSORS_TOOL_LIGHT 16051
#define IDI_SCISSORS_TOOL_DARK 16052
// The road panel's icon, for light and for dark interface themes.
#define IDI_OVERLAP_PANEL_LIGHT 16500
#define IDI_OVERLAP_PANEL_DARK 16501

// The About box.
#define IDD_ABOUT 107
#define IDC_OPEN_WEB_SITE 1063

// The road panel's preferences dialog.
#define IDD_OVERLAP_PREFERENCES 129
#define IDC_PROCESS_SINGLE_PATH_CHECK 1070
#define IDC_KEEP_BACKMOST_RADIO 1137
#define IDC_KEEP_FRONTMOST_RADIO 1138
#define IDC_MAX_RECENT_EDIT 1139
