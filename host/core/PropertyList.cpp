#include "host/core/PropertyList.h"

#include <cstdint>

#include "hostapi/SPProperties.h"

namespace host {
namespace {

class Reader {
 public:
  Reader(const unsigned char* bytes, std::size_t size) : bytes_(bytes), size_(size) {}
  bool Read32(std::uint32_t* value) {
    if (size_ - offset_ < 4) return false;
    *value = static_cast<std::uint32_t>(bytes_[offset_]) |
             static_cast<std::uint32_t>(bytes_[offset_ + 1]) << 8 |
             static_cast<std::uint32_t>(bytes_[offset_ + 2]) << 16 |
             static_cast<std::uint32_t>(bytes_[offset_ + 3]) << 24;
    offset_ += 4;
    return true;
  }
  bool Take(std::size_t length, const unsigned char** data) {
    const std::size_t padded = (length + 3) & ~std::size_t{3};
    if (padded < length || size_ - offset_ < padded) return false;
    *data = bytes_ + offset_;
    offset_ += padded;
    return true;
  }

 private:
  const unsigned char* bytes_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

bool ReadString(const unsigned char* data, std::uint32_t length, std::string* text) {
  std::size_t end = 0;
  while (end < length && data[end] != 0) ++end;
  if (end == length) return false;  // no NUL inside the property
  text->assign(reinterpret_cast<const char*>(data), end);
  return true;
}

}  // namespace

bool ParsePropertyList(const unsigned char* bytes, std::size_t size, PluginProperties* properties,
                       std::string* error) {
  Reader reader(bytes, size);
  std::uint32_t version = 0;
  std::uint32_t count = 0;
  if (!reader.Read32(&version) || !reader.Read32(&count)) {
    *error = "the property list is truncated";
    return false;
  }
  if (version != kPropertyListVersion) {
    *error = "the property list has version " + std::to_string(version) + ", not 0";
    return false;
  }
  PluginProperties found;
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t vendor = 0, key = 0, id = 0, length = 0;
    const unsigned char* data = nullptr;
    if (!reader.Read32(&vendor) || !reader.Read32(&key) || !reader.Read32(&id) ||
        !reader.Read32(&length) || !reader.Take(length, &data)) {
      *error = "property " + std::to_string(i) + " of the property list is truncated";
      return false;
    }
    if (vendor != static_cast<std::uint32_t>(kPropertyVendorHost)) continue;
    const bool isNumber = key == kPropertyKind || key == kPropertyInterfaceVersion;
    if (isNumber && length != 4) {
      *error = "property " + std::to_string(i) + " should hold one 32-bit number";
      return false;
    }
    std::uint32_t number = 0;
    if (isNumber)
      number = static_cast<std::uint32_t>(data[0]) | data[1] << 8 | data[2] << 16 |
               static_cast<std::uint32_t>(data[3]) << 24;
    if (key == kPropertyKind) {
      found.kind = static_cast<std::int32_t>(number);
    } else if (key == kPropertyInterfaceVersion) {
      found.interfaceVersion = static_cast<std::int32_t>(number);
    } else if (key == kPropertyWin64Code || key == kPropertyPluginName) {
      std::string* text = key == kPropertyWin64Code ? &found.entryName : &found.pluginName;
      if (!ReadString(data, length, text)) {
        *error = "property " + std::to_string(i) + " is not a NUL-terminated text";
        return false;
      }
    }
  }
  if (found.kind != static_cast<std::int32_t>(kPropertyKindSPEA)) {
    *error = "the module is not a host plug-in (kind is not SPEA)";
    return false;
  }
  if (found.interfaceVersion != kPropertyInterfaceVersion2) {
    *error =
        "the module speaks interface version " + std::to_string(found.interfaceVersion) + ", not 2";
    return false;
  }
  if (found.entryName.empty()) {
    *error = "the property list names no 64-bit Windows entry point";
    return false;
  }
  *properties = std::move(found);
  return true;
}

}  // namespace host
