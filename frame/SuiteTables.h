// The module-wide suite pointers and the tables through which the suite set fills them.
#pragma once

#include <cstdint>

#include "hostapi/AIActionManager.h"
#include "hostapi/AIArray.h"
#include "hostapi/AIArt.h"
#include "hostapi/AIArtSet.h"
#include "hostapi/AIArtStyle.h"
#include "hostapi/AIArtStyleParser.h"
#include "hostapi/AIBlock.h"
#include "hostapi/AIContext.h"
#include "hostapi/AICursorSnap.h"
#include "hostapi/AICustomColor.h"
#include "hostapi/AIDocument.h"
#include "hostapi/AIDocumentView.h"
#include "hostapi/AIFilePath.h"
#include "hostapi/AIFolders.h"
#include "hostapi/AIGradient.h"
#include "hostapi/AIHitTest.h"
#include "hostapi/AILayer.h"
#include "hostapi/AIMdMemory.h"
#include "hostapi/AIMenu.h"
#include "hostapi/AIModalParent.h"
#include "hostapi/AINotifier.h"
#include "hostapi/AIPanel.h"
#include "hostapi/AIPanelFlyoutMenu.h"
#include "hostapi/AIPath.h"
#include "hostapi/AIPathStyle.h"
#include "hostapi/AIPattern.h"
#include "hostapi/AIPlugin.h"
#include "hostapi/AIPluginGroup.h"
#include "hostapi/AIPreference.h"
#include "hostapi/AIRaster.h"
#include "hostapi/AIRasterize.h"
#include "hostapi/AIRealBezier.h"
#include "hostapi/AIRealMath.h"
#include "hostapi/AIRuntime.h"
#include "hostapi/AITool.h"
#include "hostapi/AIURL.h"
#include "hostapi/AIUnicodeString.h"
#include "hostapi/AIUser.h"
#include "hostapi/AIUserInterfaceTheme.h"
#include "hostapi/SPAccess.h"
#include "hostapi/SPBasic.h"
#include "hostapi/SPBlocks.h"
#include "hostapi/SPFiles.h"
#include "hostapi/SPPlugins.h"

// The basic suite of the current message, refreshed by the entry point at every call.
extern "C" SPBasicSuite* sSPBasic;

// One pointer per suite: set while the plug-in is started, null otherwise.
extern "C" {
extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIContextSuite* sAIContext;
extern const AIUserSuite* sAIUser;
extern const AIFilePathSuite* sAIFilePath;
extern const AIFoldersSuite* sAIFolders;
extern const SPBlocksSuite* sSPBlocks;
extern const SPFilesSuite* sSPFiles;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const AIActionManagerSuite* sAIActionManager;
extern const AIArraySuite* sAIArray;
extern const AIArtSuite* sAIArt;
extern const AIArtSetSuite* sAIArtSet;
extern const AIArtStyleSuite* sAIArtStyle;
extern const AIArtStyleParserSuite* sAIArtStyleParser;
extern const AIBlockSuite* sAIBlock;
extern const AICursorSnapSuite* sAICursorSnap;
extern const AICustomColorSuite* sAICustomColor;
extern const AIDocumentSuite* sAIDocument;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIGradientSuite* sAIGradient;
extern const AIHitTestSuite* sAIHitTest;
extern const AILayerSuite* sAILayer;
extern const AIMdMemorySuite* sAIMdMemory;
extern const AIMenuSuite* sAIMenu;
extern const AIModalParentSuite* sAIModalParent;
extern const AIPanelSuite* sAIPanel;
extern const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu;
extern const AIPathSuite* sAIPath;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIPatternSuite* sAIPattern;
extern const AIPluginSuite* sAIPlugin;
extern const AIPluginGroupSuite* sAIPluginGroup;
extern const AIPreferenceSuite* sAIPreference;
extern const AIRasterSuite* sAIRaster;
extern const AIRasterizeSuite* sAIRasterize;
extern const AIRealBezierSuite* sAIRealBezier;
extern const AIRealMathSuite* sAIRealMath;
extern const AIRuntimeSuite* sAIRuntime;
extern const AIToolSuite* sAITool;
extern const AIUserInterfaceThemeSuite* sAIUserInterfaceTheme;
extern const AIURLSuite* sAIURL;
}

// One entry of an import table: which suite, and the pointer it fills.
struct ImportSuite {
  const char* name;  // null ends a table
  std::int32_t version;
  void (*assign)(const void* suite);  // stores the suite in its module-wide pointer
  const void* (*current)();           // reads that pointer
};

// Version of a table's closing entry when optional suites follow it.
constexpr std::int32_t kOptionalSuitesMarker = 0x4F505453;  // 'OPTS'

// The frame's own suites, then the plug-in's import table; each ends with a nameless entry.
extern const ImportSuite gFrameSuites[];
extern const ImportSuite gImportSuites[];
