#include "host/core/Theme.h"

#include <string>

#include "host/core/Faultable.h"
#include "host/core/Host.h"

namespace host {
namespace {

struct Grey {
  std::int32_t kind;
  AIReal light;
  AIReal dark;
};

// The panel's greys: the dark theme's edit fields sit darker than the panel, as its texts turn
// light.
constexpr Grey kPanelGreys[] = {
    {kAIUIBackgroundColor, 0.94, 0.20},
    {kAIUITextColor, 0.10, 0.90},
    {kAIUIEditBackgroundColor, 1.00, 0.14},
    {kAIUIBorderColor, 0.65, 0.42},
};

AIErr GetUIComponentColor(std::int32_t component, std::int32_t kind, AIUIThemeColor* color) {
  return Host::Current().theme().Color(component, kind, color) ? kNoErr : kBadParameterErr;
}

AIBoolean IsDarkTheme() {
  return Host::Current().theme().Dark() ? 1 : 0;
}

}  // namespace

bool Theme::Color(std::int32_t component, std::int32_t kind, AIUIThemeColor* color) {
  if (color == nullptr) {
    transcript_.Violation("GetUIComponentColor with a null result pointer");
    return false;
  }
  if (component == kAIUIComponentPanel) {
    for (const Grey& grey : kPanelGreys) {
      if (grey.kind != kind) continue;
      const AIReal value = dark_ ? grey.dark : grey.light;
      *color = AIUIThemeColor{1, value, value, value};
      return true;
    }
  }
  transcript_.Violation("GetUIComponentColor of component " + std::to_string(component) +
                        " and kind " + std::to_string(kind) + ", which the host does not have");
  return false;
}

const AIUserInterfaceThemeSuite* Theme::Suite() {
  static const AIUserInterfaceThemeSuite suite = {HOST_FAULTABLE(GetUIComponentColor),
                                                  &IsDarkTheme};
  return &suite;
}

}  // namespace host
