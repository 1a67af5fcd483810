// The suites through which a plug-in speaks of itself: locks, its name, its file.
#include "host/core/PluginSuites.h"

#include <cstdio>
#include <cstring>

#include "host/core/Faultable.h"
#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace host {
namespace {

Transcript& Log() {
  return Host::Current().transcript();
}

SPErr AcquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
  Host& host = Host::Current();
  if (!host.IsPlugin(plugin) || access == nullptr) {
    Log().Violation("AcquirePlugin with a bad plug-in reference or result pointer");
    return kBadParameterErr;
  }
  *access = host.AddLock();
  return kNoErr;
}

SPErr ReleasePlugin(SPAccessRef access) {
  if (!Host::Current().RemoveLock(access)) {
    Log().Violation("ReleasePlugin with a lock that is not held");
    return kStaleHandleErr;
  }
  return kNoErr;
}

SPErr SetPluginName(SPPluginRef plugin, const char* name) {
  Host& host = Host::Current();
  if (!host.IsPlugin(plugin) || name == nullptr) {
    Log().Violation("SetPluginName with a bad plug-in reference or a null name");
    return kBadParameterErr;
  }
  if (std::strlen(name) > 255 || !Utf8ToUtf16(name)) {
    Log().Violation("SetPluginName with a name longer than 255 bytes or not UTF-8");
    return kBadParameterErr;
  }
  host.SetPluginName(name);
  Log().Line("plug-in name " + Quote(name));
  return kNoErr;
}

SPErr GetPluginName(SPPluginRef plugin, char* buffer, std::int32_t capacity) {
  Host& host = Host::Current();
  if (!host.IsPlugin(plugin) || buffer == nullptr || capacity <= 0) {
    Log().Violation("GetPluginName with a bad plug-in reference or buffer");
    return kBadParameterErr;
  }
  std::snprintf(buffer, static_cast<std::size_t>(capacity), "%s", host.PluginName().c_str());
  return kNoErr;
}

SPErr GetPluginFileSpecification(SPPluginRef plugin, SPPlatformFileSpecification* file) {
  Host& host = Host::Current();
  if (!host.IsPlugin(plugin) || file == nullptr) {
    Log().Violation("GetPluginFileSpecification with a bad plug-in reference or result pointer");
    return kBadParameterErr;
  }
  const std::string path = host.PluginFilePath();
  if (path.size() >= sizeof file->path) return kBadParameterErr;
  std::memcpy(file->path, path.c_str(), path.size() + 1);
  return kNoErr;
}

AIErr GetFullPath(const SPPlatformFileSpecification* file, AIUnicodeStringRef path) {
  Host& host = Host::Current();
  if (file == nullptr || std::memchr(file->path, 0, sizeof file->path) == nullptr) {
    Log().Violation("GetFullPath with a missing or unterminated file record");
    return kBadParameterErr;
  }
  std::u16string* target = host.strings().Find(path, "GetFullPath");
  if (target == nullptr) return kStaleHandleErr;
  auto text = Utf8ToUtf16(file->path);
  if (!text) return kBadParameterErr;
  *target = std::move(*text);
  return kNoErr;
}

}  // namespace

const SPAccessSuite* AccessSuite() {
  static const SPAccessSuite suite = {HOST_FAULTABLE(AcquirePlugin), HOST_FAULTABLE(ReleasePlugin)};
  return &suite;
}

const SPPluginsSuite* PluginsSuite() {
  static const SPPluginsSuite suite = {HOST_FAULTABLE(SetPluginName), HOST_FAULTABLE(GetPluginName),
                                       HOST_FAULTABLE(GetPluginFileSpecification)};
  return &suite;
}

const AIFilePathSuite* FilePathSuite() {
  static const AIFilePathSuite suite = {HOST_FAULTABLE(GetFullPath)};
  return &suite;
}

}  // namespace host
