// Identifiers of the plug-in's resources, shared by the resource scripts and the code.
#pragma once

// The stroke-width command's dialog.
#define IDD_PATH_WIDTH_MODIFIER 130
#define IDC_ADDING_WIDTH_EDIT 1139
#define IDC_SCALE_EDIT 1140
#define IDC_ADD_WIDTH_RADIO 1141
#define IDC_SCALE_WIDTH_RADIO 1142
