// A plug-in module in a DLL: loaded with LoadLibraryW, its entry point found through its
// property list resource.
#pragma once

#include <windows.h>

#include "host/core/PluginModule.h"

namespace host {

class DllModule : public PluginModule {
 public:
  explicit DllModule(std::wstring path);
  ~DllModule() override;
  DllModule(const DllModule&) = delete;
  DllModule& operator=(const DllModule&) = delete;

  SPPluginEntry Load(PluginProperties* properties, std::string* error) override;
  void Unload() override;
  std::string FilePath() const override;
  std::string FileName() const override;

 private:
  std::wstring path_;
  HMODULE module_ = nullptr;
};

}  // namespace host
