#include "frame/ResourceModule.h"

#include <string>

#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

ASErr FindPluginModule(SPPluginRef plugin, HMODULE* module) {
  *module = nullptr;
  SPPlatformFileSpecification file{};
  if (ASErr error = sSPPlugins->GetPluginFileSpecification(plugin, &file)) return error;
  ai::UnicodeString path;
  if (ASErr error = sAIFilePath->GetFullPath(&file, path.handle())) return error;
  const std::u16string wide = path.as_UTF16();
  *module = GetModuleHandleW(reinterpret_cast<const wchar_t*>(wide.c_str()));
  return kNoErr;
}
