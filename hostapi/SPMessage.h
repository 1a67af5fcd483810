// The header that opens every message record the host sends to a plug-in.
#pragma once

#include "hostapi/SPBasic.h"

constexpr std::int32_t kSPValidSPMessageData = FourCharCode("SPCk");

struct SPMessageData {
  std::int32_t SPCheck;  // kSPValidSPMessageData
  SPPluginRef self;      // the host's reference to the plug-in receiving the message
  void* globals;  // kept by the host per plug-in; the host stores back what the plug-in leaves
  SPBasicSuite* basic;  // valid for the duration of the call
};

// A plug-in's exported entry point: "PluginMain" unless its property list names another.
using SPPluginEntry = SPErr (*)(const char* caller, const char* selector, void* message);
