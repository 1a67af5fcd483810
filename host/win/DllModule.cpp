#include "host/win/DllModule.h"

#include "host/core/PropertyList.h"
#include "host/win/WideText.h"
#include "hostapi/PropertyListFormat.h"

namespace host {
namespace {

std::wstring FullPath(const std::wstring& path) {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
  return length == 0 || length >= MAX_PATH * 4 ? path : std::wstring(buffer, length);
}

}  // namespace

DllModule::DllModule(std::wstring path) : path_(FullPath(path)) {}

DllModule::~DllModule() {
  Unload();
}

SPPluginEntry DllModule::Load(PluginProperties* properties, std::string* error) {
  module_ = LoadLibraryW(path_.c_str());
  if (module_ == nullptr) {
    *error = "LoadLibraryW failed with error " + std::to_string(GetLastError());
    return nullptr;
  }
  HRSRC resource = FindResourceW(module_, MAKEINTRESOURCEW(kPropertyListResourceID),
                                 L"" kPropertyListResourceTypeName);
  HGLOBAL loaded = resource != nullptr ? LoadResource(module_, resource) : nullptr;
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) {
    *error = "the module has no property list";
    Unload();
    return nullptr;
  }
  if (!ParsePropertyList(static_cast<const unsigned char*>(bytes),
                         SizeofResource(module_, resource), properties, error)) {
    Unload();
    return nullptr;
  }
  auto entry = reinterpret_cast<SPPluginEntry>(
      reinterpret_cast<void*>(GetProcAddress(module_, properties->entryName.c_str())));
  if (entry == nullptr) {
    *error = "the module exports no " + properties->entryName;
    Unload();
  }
  return entry;
}

void DllModule::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
}

std::string DllModule::FilePath() const {
  return Narrow(path_);
}

std::string DllModule::FileName() const {
  const std::size_t slash = path_.find_last_of(L"\\/");
  return Narrow(slash == std::wstring::npos ? path_ : path_.substr(slash + 1));
}

}  // namespace host
