#include "frame/SuiteTables.h"

#include <type_traits>

extern "C" {
SPBasicSuite* sSPBasic = nullptr;
const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIContextSuite* sAIContext = nullptr;
const AIUserSuite* sAIUser = nullptr;
const AIFilePathSuite* sAIFilePath = nullptr;
const AIFoldersSuite* sAIFolders = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const SPFilesSuite* sSPFiles = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIActionManagerSuite* sAIActionManager = nullptr;
const AIArraySuite* sAIArray = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AIArtSetSuite* sAIArtSet = nullptr;
const AIArtStyleSuite* sAIArtStyle = nullptr;
const AIArtStyleParserSuite* sAIArtStyleParser = nullptr;
const AIBlockSuite* sAIBlock = nullptr;
const AICursorSnapSuite* sAICursorSnap = nullptr;
const AICustomColorSuite* sAICustomColor = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIGradientSuite* sAIGradient = nullptr;
const AIHitTestSuite* sAIHitTest = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;
const AIMenuSuite* sAIMenu = nullptr;
const AIModalParentSuite* sAIModalParent = nullptr;
const AIPanelSuite* sAIPanel = nullptr;
const AIPanelFlyoutMenuSuite* sAIPanelFlyoutMenu = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIPatternSuite* sAIPattern = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const AIPluginGroupSuite* sAIPluginGroup = nullptr;
const AIPreferenceSuite* sAIPreference = nullptr;
const AIRasterSuite* sAIRaster = nullptr;
const AIRasterizeSuite* sAIRasterize = nullptr;
const AIRealBezierSuite* sAIRealBezier = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIRuntimeSuite* sAIRuntime = nullptr;
const AIToolSuite* sAITool = nullptr;
const AIUserInterfaceThemeSuite* sAIUserInterfaceTheme = nullptr;
const AIURLSuite* sAIURL = nullptr;
}

// The pointer types may be incomplete; static_cast from const void* is still well-defined.
#define IMPORT(pointer, name, version)                                              \
  ImportSuite {                                                                     \
    name, version,                                                                  \
        [](const void* suite) {                                                     \
          pointer = static_cast<std::remove_reference_t<decltype(pointer)>>(suite); \
        },                                                                          \
        []() -> const void* { return pointer; }                                     \
  }

#define TABLE_END                \
  ImportSuite {                  \
    nullptr, 0, nullptr, nullptr \
  }

const ImportSuite gFrameSuites[] = {
    IMPORT(sSPAccess, kSPAccessSuite, kSPAccessSuiteVersion),
    IMPORT(sSPPlugins, kSPPluginsSuite, kSPPluginsSuiteVersion),
    IMPORT(sAINotifier, kAINotifierSuite, kAINotifierSuiteVersion),
    IMPORT(sAIContext, kAIContextSuite, kAIContextSuiteVersion),
    IMPORT(sAIUser, kAIUserSuite, kAIUserSuiteVersion),
    IMPORT(sAIFilePath, kAIFilePathSuite, kAIFilePathSuiteVersion),
    IMPORT(sAIFolders, kAIFoldersSuite, kAIFoldersSuiteVersion),
    TABLE_END,
};

// The text-engine suites are left out: nothing in the plug-in calls them.
const ImportSuite gImportSuites[] = {
    IMPORT(sSPBlocks, kSPBlocksSuite, kSPBlocksSuiteVersion),
    IMPORT(sSPFiles, kSPFilesSuite, kSPFilesSuiteVersion),
    IMPORT(sAIUnicodeString, kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion),
    IMPORT(sAIActionManager, kAIActionManagerSuite, kAIActionManagerSuiteVersion),
    IMPORT(sAIArray, kAIArraySuite, kAIArraySuiteVersion),
    IMPORT(sAIArt, kAIArtSuite, kAIArtSuiteVersion),
    IMPORT(sAIArtSet, kAIArtSetSuite, kAIArtSetSuiteVersion),
    IMPORT(sAIArtStyle, kAIArtStyleSuite, kAIArtStyleSuiteVersion),
    IMPORT(sAIArtStyleParser, kAIArtStyleParserSuite, kAIArtStyleParserSuiteVersion),
    IMPORT(sAIBlock, kAIBlockSuite, kAIBlockSuiteVersion),
    IMPORT(sAICursorSnap, kAICursorSnapSuite, kAICursorSnapSuiteVersion),
    IMPORT(sAICustomColor, kAICustomColorSuite, kAICustomColorSuiteVersion),
    IMPORT(sAIDocument, kAIDocumentSuite, kAIDocumentSuiteVersion),
    IMPORT(sAIDocumentView, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion),
    IMPORT(sAIGradient, kAIGradientSuite, kAIGradientSuiteVersion),
    IMPORT(sAIHitTest, kAIHitTestSuite, kAIHitTestSuiteVersion),
    IMPORT(sAILayer, kAILayerSuite, kAILayerSuiteVersion),
    IMPORT(sAIMdMemory, kAIMdMemorySuite, kAIMdMemorySuiteVersion),
    IMPORT(sAIMenu, kAIMenuSuite, kAIMenuSuiteVersion),
    IMPORT(sAIModalParent, kAIModalParentSuite, kAIModalParentSuiteVersion),
    IMPORT(sAIPanel, kAIPanelSuite, kAIPanelSuiteVersion),
    IMPORT(sAIPanelFlyoutMenu, kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion),
    IMPORT(sAIPath, kAIPathSuite, kAIPathSuiteVersion),
    IMPORT(sAIPathStyle, kAIPathStyleSuite, kAIPathStyleSuiteVersion),
    IMPORT(sAIPattern, kAIPatternSuite, kAIPatternSuiteVersion),
    IMPORT(sAIPlugin, kAIPluginSuite, kAIPluginSuiteVersion),
    IMPORT(sAIPluginGroup, kAIPluginGroupSuite, kAIPluginGroupSuiteVersion),
    IMPORT(sAIPreference, kAIPreferenceSuite, kAIPreferenceSuiteVersion),
    IMPORT(sAIRaster, kAIRasterSuite, kAIRasterSuiteVersion),
    IMPORT(sAIRasterize, kAIRasterizeSuite, kAIRasterizeSuiteVersion),
    IMPORT(sAIRealBezier, kAIRealBezierSuite, kAIRealBezierSuiteVersion),
    IMPORT(sAIRealMath, kAIRealMathSuite, kAIRealMathSuiteVersion),
    IMPORT(sAIRuntime, kAIRuntimeSuite, kAIRuntimeSuiteVersion),
    IMPORT(sAITool, kAIToolSuite, kAIToolSuiteVersion),
    IMPORT(sAIUserInterfaceTheme, kAIUserInterfaceThemeSuite, kAIUserInterfaceThemeSuiteVersion),
    IMPORT(sAIURL, kAIURLSuite, kAIURLSuiteVersion),
    TABLE_END,  // a version of kOptionalSuitesMarker here would let optional suites follow
};
