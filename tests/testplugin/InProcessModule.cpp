#include "tests/testplugin/InProcessModule.h"

#include "hostapi/SPProperties.h"

extern "C" SPErr PluginMain(const char* caller, const char* selector, void* message) noexcept;

namespace testing_support {

SPPluginEntry InProcessModule::Load(host::PluginProperties* properties, std::string*) {
  properties->kind = static_cast<std::int32_t>(kPropertyKindSPEA);
  properties->interfaceVersion = 2;
  properties->entryName = "PluginMain";
  properties->pluginName = "Frame Test Plugin";
  return &PluginMain;
}

}  // namespace testing_support
