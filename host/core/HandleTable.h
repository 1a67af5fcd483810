// Host objects handed to plug-ins as opaque handles. A handle value is a serial number with a
// kind tag, never an address, so a stale or foreign handle is recognised instead of followed.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>

namespace host {

template <typename Object, typename Handle, std::uint8_t kKind>
class HandleTable {
 public:
  Handle Add(Object object) {
    const std::uintptr_t value = (++serial_ << 8) | kKind;
    objects_.emplace(value, std::make_unique<Object>(std::move(object)));
    return reinterpret_cast<Handle>(value);
  }
  // The object of a live handle of this table; null for a stale, foreign or null handle.
  Object* Find(Handle handle) const {
    auto found = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
    return found == objects_.end() ? nullptr : found->second.get();
  }
  bool Remove(Handle handle) {
    return objects_.erase(reinterpret_cast<std::uintptr_t>(handle)) != 0;
  }
  std::size_t Count() const { return objects_.size(); }
  void Clear() { objects_.clear(); }

  template <typename Visit>
  void ForEach(Visit visit) const {
    for (const auto& [value, object] : objects_) visit(reinterpret_cast<Handle>(value), *object);
  }

 private:
  std::uintptr_t serial_ = 0;
  std::unordered_map<std::uintptr_t, std::unique_ptr<Object>> objects_;
};

// Kind tags of the host's handle tables.
enum HandleKind : std::uint8_t {
  kPluginHandle = 1,
  kAccessHandle,
  kNotifierHandle,
  kContextHandle,
  kStringHandle,
  kMenuItemHandle,
  kToolHandle,
  kArtSetHandle,
  kArtStyleHandle,
  kParserHandle,
  kPaintFieldHandle,
  kMenuGroupHandle,
  kHitHandle,
  kViewHandle,
  kPanelHandle,
  kFlyoutMenuHandle,
};

}  // namespace host
