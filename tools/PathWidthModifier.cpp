#include "tools/PathWidthModifier.h"

#include "tools/WidthModifierCommand.h"
#include "tools/WidthModifierDialog.h"

ASErr PathWidthModifier::Run() {
  return RunWidthModifierCommand([this](WidthModifierSettings& settings) {
    return ShowWidthModifierDialog(plugin_, settings);
  });
}
