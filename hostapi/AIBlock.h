// Memory blocks that the host lends the plug-in.
#pragma once

#include <cstdint>

#include "hostapi/SPTypes.h"

constexpr char kAIBlockSuite[] = "AI Block Suite";
constexpr std::int32_t kAIBlockSuiteVersion = 4;

struct AIBlockSuite {
  // size bytes (above 0) owned by the plug-in until it gives them back with DisposeBlock; the
  // host counts live blocks. Too large a size answers kOutOfMemoryErr and sets *block to null.
  AIErr (*AllocateBlock)(std::uint64_t size, void** block);
  // Gives back a block from AllocateBlock; any other pointer is refused with kBadParameterErr.
  AIErr (*DisposeBlock)(void* block);
};
