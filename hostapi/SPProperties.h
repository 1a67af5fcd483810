// Property messages.
#pragma once

#include "hostapi/PropertyListFormat.h"
#include "hostapi/SPMessage.h"

constexpr char kSPPropertiesCaller[] = "SP Properties";
constexpr char kSPPropertiesAcquireSelector[] = "Acquire";
constexpr char kSPPropertiesReleaseSelector[] = "Release";

struct SPPropertiesMessage {
  SPMessageData d;
  std::int32_t vendorID;
  std::int32_t propertyKey;
  std::int32_t propertyID;
  void* property;
  std::int32_t refCon;
  std::int32_t cacheable;
};
