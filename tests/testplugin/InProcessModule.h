// A plug-in linked into the test program, loaded through the same host interface as a DLL.
#pragma once

#include "host/core/PluginModule.h"

namespace testing_support {

class InProcessModule : public host::PluginModule {
 public:
  SPPluginEntry Load(host::PluginProperties* properties, std::string* error) override;
  void Unload() override {}
  std::string FilePath() const override { return "Z:\\in-process\\FrameTest.aip"; }
  std::string FileName() const override { return "FrameTest.aip"; }
};

}  // namespace testing_support
