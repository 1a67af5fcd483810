#include "host/core/Blocks.h"

#include <new>

#include "host/core/Faultable.h"
#include "host/core/Host.h"

namespace host {
namespace {

// The host lends no single block larger than this.
constexpr std::uint64_t kMaxBlockSize = std::uint64_t{1} << 30;

AIErr AllocateBlock(std::uint64_t size, void** block) {
  if (block == nullptr) {
    Host::Current().transcript().Violation("AllocateBlock with a null result pointer");
    return kBadParameterErr;
  }
  *block = nullptr;
  if (size == 0) {
    Host::Current().transcript().Violation("AllocateBlock of 0 bytes");
    return kBadParameterErr;
  }
  *block = Host::Current().blocks().Allocate(size);
  return *block != nullptr ? kNoErr : kOutOfMemoryErr;
}

AIErr DisposeBlock(void* block) {
  if (!Host::Current().blocks().Dispose(block)) {
    Host::Current().transcript().Violation("DisposeBlock of a pointer that is not a live block");
    return kBadParameterErr;
  }
  return kNoErr;
}

}  // namespace

void* Blocks::Allocate(std::uint64_t size) {
  if (size == 0 || size > kMaxBlockSize) return nullptr;
  std::unique_ptr<std::uint8_t[]> bytes(new (std::nothrow) std::uint8_t[size]());
  if (bytes == nullptr) return nullptr;
  std::uint8_t* start = bytes.get();
  blocks_.emplace(start, Block{std::move(bytes), size});
  return start;
}

bool Blocks::Dispose(void* block) {
  return blocks_.erase(static_cast<const std::uint8_t*>(block)) != 0;
}

std::uint64_t Blocks::Containing(const void* address, const std::uint8_t** start) const {
  const auto* byte = static_cast<const std::uint8_t*>(address);
  auto after = blocks_.upper_bound(byte);
  if (after == blocks_.begin()) return 0;
  const auto& [first, block] = *std::prev(after);
  const auto offset =
      reinterpret_cast<std::uintptr_t>(byte) - reinterpret_cast<std::uintptr_t>(first);
  if (offset >= block.size) return 0;
  *start = first;
  return block.size;
}

void Blocks::CheckAllReleased(const char* when) {
  if (!blocks_.empty()) {
    transcript_.Violation(std::to_string(blocks_.size()) + " block(s) never disposed " + when);
  }
  blocks_.clear();
}

const AIBlockSuite* Blocks::Suite() {
  static const AIBlockSuite suite = {HOST_FAULTABLE(AllocateBlock), HOST_FAULTABLE(DisposeBlock)};
  return &suite;
}

}  // namespace host
