#include "panel/PanelLabels.h"

#include "panel/PanelTexts.h"
#include "units/MeasurementUnits.h"

ai::UnicodeString SettingNameText(const OverlapSetting* current) {
  if (current == nullptr) return ai::UnicodeString();
  return current->LeafLayerName(current->Count() - 1);
}

ai::UnicodeString MaxWidthText(const OverlapSetting* current) {
  ai::UnicodeString text;
  const AIUnitCode unit = GetStrokeUnitCode();
  if (current == nullptr || !(current->MaxStrokeWidth() > 0.0)) return text;
  const AIExpressionOptions options{unit, 0.0, 9999.0, 0.0, 3};
  text.assign(kMaxWidthLabelPrefix);
  text.append(ShowPoints(current->MaxStrokeWidth(), options));
  return text;
}
