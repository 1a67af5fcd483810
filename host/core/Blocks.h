// Memory blocks lent to the plug-in through the AI Block Suite, counted until given back.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "host/core/Transcript.h"
#include "hostapi/AIBlock.h"

namespace host {

class Blocks {
 public:
  explicit Blocks(Transcript& transcript) : transcript_(transcript) {}

  // A new zeroed block, or null when size is 0 or too large.
  void* Allocate(std::uint64_t size);
  bool Dispose(void* block);
  // The size of the live block that holds the byte at address, with its start; 0 when none does.
  std::uint64_t Containing(const void* address, const std::uint8_t** start) const;
  std::size_t LiveCount() const { return blocks_.size(); }
  // Reports blocks never disposed and forgets them.
  void CheckAllReleased(const char* when);

  static const AIBlockSuite* Suite();

 private:
  struct Block {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::uint64_t size;
  };
  Transcript& transcript_;
  std::map<const std::uint8_t*, Block> blocks_;  // by start address
};

}  // namespace host
