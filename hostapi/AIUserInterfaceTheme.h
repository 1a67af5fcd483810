// The host's interface colours, which follow its light or dark theme. When the user switches
// the theme the host sends "AI UI Brightness Changed Notifier".
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIUserInterfaceThemeSuite[] = "AI User Interface Theme Suite";
constexpr std::int32_t kAIUserInterfaceThemeSuiteVersion = 2;

// A colour of the theme: each component 0 to 1; alpha is 1 for every colour of a theme.
struct AIUIThemeColor {
  AIReal alpha;
  AIReal red;
  AIReal green;
  AIReal blue;
};

// Parts of the interface whose colours can be asked for.
constexpr std::int32_t kAIUIComponentPanel = 1;
// Kinds of colour of a part.
constexpr std::int32_t kAIUIBackgroundColor = 0;
constexpr std::int32_t kAIUITextColor = 1;
constexpr std::int32_t kAIUIEditBackgroundColor = 3;
constexpr std::int32_t kAIUIBorderColor = 4;

struct AIUserInterfaceThemeSuite {
  // *color gets the current theme's colour of kind for component; an unknown component or kind
  // is refused with kBadParameterErr and leaves *color as it was.
  AIErr (*GetUIComponentColor)(std::int32_t component, std::int32_t kind, AIUIThemeColor* color);
  // Non-zero while the current theme is a dark one.
  AIBoolean (*IsDarkTheme)();
};
