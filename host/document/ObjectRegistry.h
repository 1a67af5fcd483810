// Document objects handed out as opaque handles. A handle value packs the object's slot, the
// slot's generation, the serial of the owning document and a kind tag; it is never an address.
// Looking one up is an index and a few comparisons, and a handle whose object was disposed (stale)
// or that belongs to another document or another kind of object (foreign) is recognised instead
// of followed. Slots are reused, each reuse under a new generation.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace host {

enum class HandleStatus { kLive, kStale, kForeign };

// Kind tags of document handles (4 bits; 0 is never used, so no handle is null).
enum class DocumentHandleKind : std::uint8_t {
  kArt = 1,
  kLayer = 2,
  kPattern = 3,
  kCustomColor = 4,
  kGradient = 5,
};

template <typename Object, typename Handle>
class ObjectRegistry {
  static_assert(sizeof(Handle) == sizeof(std::uint64_t), "handles are 64-bit values");

 public:
  ObjectRegistry(std::uint16_t owner, DocumentHandleKind kind)
      : tag_((static_cast<std::uint64_t>(kind) << kKindShift) |
             (static_cast<std::uint64_t>(owner & kOwnerMask) << kOwnerShift)) {}

  Handle Add(std::unique_ptr<Object> object) {
    std::uint32_t slot;
    if (!free_.empty()) {
      slot = free_.back();
      free_.pop_back();
    } else {
      if (slots_.size() > kSlotMask) throw std::length_error("too many document objects");
      slot = static_cast<std::uint32_t>(slots_.size());
      slots_.push_back(Slot{});
    }
    slots_[slot].object = std::move(object);
    ++live_;
    return ToHandle(tag_ | (static_cast<std::uint64_t>(slots_[slot].generation) << kGenShift) |
                    slot);
  }

  HandleStatus Status(Handle handle) const noexcept {
    const std::uint64_t value = ToValue(handle);
    if ((value & ~kLowMask) != tag_) return HandleStatus::kForeign;
    const std::uint64_t slot = value & kSlotMask;
    if (slot >= slots_.size()) return HandleStatus::kForeign;
    const Slot& entry = slots_[slot];
    if (!entry.object || entry.generation != ((value >> kGenShift) & kGenMask)) {
      return HandleStatus::kStale;
    }
    return HandleStatus::kLive;
  }

  // The object of a live handle; null for a stale, foreign or null handle.
  Object* Find(Handle handle) const noexcept {
    if (Status(handle) != HandleStatus::kLive) return nullptr;
    return slots_[ToValue(handle) & kSlotMask].object.get();
  }

  // Takes the object out; its handle is stale from now on. Null for a handle not live here.
  std::unique_ptr<Object> Remove(Handle handle) noexcept {
    if (Status(handle) != HandleStatus::kLive) return nullptr;
    const auto slot = static_cast<std::uint32_t>(ToValue(handle) & kSlotMask);
    Slot& entry = slots_[slot];
    entry.generation = (entry.generation + 1) & kGenMask;
    if (entry.generation == 0) entry.generation = 1;
    free_.push_back(slot);
    --live_;
    return std::move(entry.object);
  }

  std::size_t Count() const noexcept { return live_; }

 private:
  static constexpr int kGenShift = 24;
  static constexpr int kOwnerShift = 48;
  static constexpr int kKindShift = 60;
  static constexpr std::uint64_t kSlotMask = (1u << 24) - 1;
  static constexpr std::uint32_t kGenMask = (1u << 24) - 1;
  static constexpr std::uint16_t kOwnerMask = 0xFFF;
  static constexpr std::uint64_t kLowMask = (std::uint64_t{1} << kOwnerShift) - 1;

  struct Slot {
    std::unique_ptr<Object> object;
    std::uint32_t generation = 1;
  };

  static Handle ToHandle(std::uint64_t value) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(value));
  }
  static std::uint64_t ToValue(Handle handle) {
    return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
  }

  std::uint64_t tag_;
  std::vector<Slot> slots_;
  std::vector<std::uint32_t> free_;
  std::size_t live_ = 0;
};

}  // namespace host
