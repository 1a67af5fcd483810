// The host's light and dark interface themes and the colours plug-ins ask of them.
#pragma once

#include <utility>

#include "host/core/Transcript.h"
#include "hostapi/AIUserInterfaceTheme.h"

namespace host {

class Theme {
 public:
  explicit Theme(Transcript& transcript) : transcript_(transcript) {}

  bool Dark() const { return dark_; }
  // Switches the theme; answers whether it changed.
  bool SetDark(bool dark) { return std::exchange(dark_, dark) != dark; }
  // The colour of kind for component in the current theme; false (and a violation) for a part or
  // kind the host does not have.
  bool Color(std::int32_t component, std::int32_t kind, AIUIThemeColor* color);

  static const AIUserInterfaceThemeSuite* Suite();

 private:
  Transcript& transcript_;
  bool dark_ = false;  // the host starts light
};

}  // namespace host
