#include "host/core/PublishedSuites.h"

#include "host/core/Alerts.h"
#include "host/core/Blocks.h"
#include "host/core/Contexts.h"
#include "host/core/FlyoutMenus.h"
#include "host/core/Menus.h"
#include "host/core/Notifiers.h"
#include "host/core/PluginSuites.h"
#include "host/core/Preferences.h"
#include "host/core/Strings.h"
#include "host/core/Theme.h"
#include "host/core/Tools.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/RasterSuites.h"
#include "host/suites/ToolSuites.h"
#include "hostapi/AIActionManager.h"
#include "hostapi/AIArray.h"
#include "hostapi/AIArt.h"
#include "hostapi/AIArtSet.h"
#include "hostapi/AIArtStyle.h"
#include "hostapi/AIArtStyleParser.h"
#include "hostapi/AIBlock.h"
#include "hostapi/AICursorSnap.h"
#include "hostapi/AICustomColor.h"
#include "hostapi/AIDocument.h"
#include "hostapi/AIDocumentView.h"
#include "hostapi/AIFolders.h"
#include "hostapi/AIGradient.h"
#include "hostapi/AIHitTest.h"
#include "hostapi/AILayer.h"
#include "hostapi/AIMdMemory.h"
#include "hostapi/AIMenu.h"
#include "hostapi/AIModalParent.h"
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
#include "hostapi/AIUserInterfaceTheme.h"
#include "hostapi/SPBlocks.h"
#include "hostapi/SPFiles.h"

namespace host {
namespace {

// Suites that no code of the plug-in calls yet are published all the same, with a table that
// has no functions, so that acquisition succeeds as it does with the host application.
struct EmptyTable {
  void* unused = nullptr;
};
const EmptyTable kEmptyTable;

}  // namespace

void PublishSuites(SuiteRegistry& registry) {
  registry.Register(kSPAccessSuite, kSPAccessSuiteVersion, AccessSuite());
  registry.Register(kSPPluginsSuite, kSPPluginsSuiteVersion, PluginsSuite());
  registry.Register(kAINotifierSuite, kAINotifierSuiteVersion, Notifiers::Suite());
  registry.Register(kAIContextSuite, kAIContextSuiteVersion, Contexts::Suite());
  registry.Register(kAIUserSuite, kAIUserSuiteVersion, Alerts::Suite());
  registry.Register(kAIFilePathSuite, kAIFilePathSuiteVersion, FilePathSuite());
  registry.Register(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, Strings::Suite());
  registry.Register(kAILayerSuite, kAILayerSuiteVersion, suites::LayerSuite());
  registry.Register(kAIArtSuite, kAIArtSuiteVersion, suites::ArtSuite());
  registry.Register(kAIArtSetSuite, kAIArtSetSuiteVersion, suites::ArtSetSuite());
  registry.Register(kAIPathSuite, kAIPathSuiteVersion, suites::PathSuite());
  registry.Register(kAIPathStyleSuite, kAIPathStyleSuiteVersion, suites::PathStyleSuite());
  registry.Register(kAIArtStyleSuite, kAIArtStyleSuiteVersion, suites::ArtStyleSuite());
  registry.Register(kAIArtStyleParserSuite, kAIArtStyleParserSuiteVersion,
                    suites::ArtStyleParserSuite());
  registry.Register(kAIPatternSuite, kAIPatternSuiteVersion, suites::PatternSuite());
  registry.Register(kAICustomColorSuite, kAICustomColorSuiteVersion, suites::CustomColorSuite());
  registry.Register(kAIGradientSuite, kAIGradientSuiteVersion, suites::GradientSuite());
  registry.Register(kAIRealMathSuite, kAIRealMathSuiteVersion, suites::RealMathSuite());
  registry.Register(kAIPreferenceSuite, kAIPreferenceSuiteVersion, Preferences::Suite());
  registry.Register(kAIMenuSuite, kAIMenuSuiteVersion, Menus::Suite());
  registry.Register(kAIHitTestSuite, kAIHitTestSuiteVersion, suites::HitTestSuite());
  registry.Register(kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, suites::DocumentViewSuite());
  registry.Register(kAICursorSnapSuite, kAICursorSnapSuiteVersion, suites::CursorSnapSuite());
  registry.Register(kAIRealBezierSuite, kAIRealBezierSuiteVersion, suites::RealBezierSuite());
  registry.Register(kAIToolSuite, kAIToolSuiteVersion, Tools::Suite());
  registry.Register(kAIRasterizeSuite, kAIRasterizeSuiteVersion, suites::RasterizeSuite());
  registry.Register(kAIRasterSuite, kAIRasterSuiteVersion, suites::RasterSuite());
  registry.Register(kAIBlockSuite, kAIBlockSuiteVersion, Blocks::Suite());
  registry.Register(kAIPanelFlyoutMenuSuite, kAIPanelFlyoutMenuSuiteVersion, FlyoutMenus::Suite());
  registry.Register(kAIUserInterfaceThemeSuite, kAIUserInterfaceThemeSuiteVersion, Theme::Suite());

  const std::pair<const char*, std::int32_t> empty[] = {
      {kAIFoldersSuite, kAIFoldersSuiteVersion},
      {kSPBlocksSuite, kSPBlocksSuiteVersion},
      {kSPFilesSuite, kSPFilesSuiteVersion},
      {kAIActionManagerSuite, kAIActionManagerSuiteVersion},
      {kAIArraySuite, kAIArraySuiteVersion},
      {kAIDocumentSuite, kAIDocumentSuiteVersion},
      {kAIMdMemorySuite, kAIMdMemorySuiteVersion},
      {kAIModalParentSuite, kAIModalParentSuiteVersion},
      // Panels need windows: the windowing shell registers the real table over this one.
      {kAIPanelSuite, kAIPanelSuiteVersion},
      {kAIPluginSuite, kAIPluginSuiteVersion},
      {kAIPluginGroupSuite, kAIPluginGroupSuiteVersion},
      {kAIRuntimeSuite, kAIRuntimeSuiteVersion},
      {kAIURLSuite, kAIURLSuiteVersion},
  };
  for (const auto& [name, version] : empty) registry.Register(name, version, &kEmptyTable);
}

}  // namespace host
