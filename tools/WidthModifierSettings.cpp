#include "tools/WidthModifierSettings.h"

#include "frame/SuiteTables.h"
#include "plugin/PluginIdentity.h"

namespace {

constexpr char kTypeKey[] = "Path Width Modifier Type";
constexpr char kAddingWidthKey[] = "Path Width Modifier Adding Width";
constexpr char kScaleKey[] = "Path Width Modifier Scale";

}  // namespace

void ReadWidthModifierPreferences(WidthModifierSettings& settings) {
  // A value the host does not hold leaves the field as it was; the results say nothing more.
  sAIPreference->GetIntegerPreference(kLaneWorksPreferencePrefix, kTypeKey, &settings.type);
  sAIPreference->GetRealPreference(kLaneWorksPreferencePrefix, kAddingWidthKey,
                                   &settings.addingWidth);
  sAIPreference->GetRealPreference(kLaneWorksPreferencePrefix, kScaleKey, &settings.scale);
}

void WriteWidthModifierPreferences(const WidthModifierSettings& settings) {
  sAIPreference->PutIntegerPreference(kLaneWorksPreferencePrefix, kTypeKey, settings.type);
  sAIPreference->PutRealPreference(kLaneWorksPreferencePrefix, kAddingWidthKey,
                                   settings.addingWidth);
  sAIPreference->PutRealPreference(kLaneWorksPreferencePrefix, kScaleKey, settings.scale);
}

double NewStrokeWidth(double width, const WidthModifierSettings& settings) {
  if (settings.type == kAddWidth) return width + settings.addingWidth;
  return width * (settings.scale / 100.0);
}
