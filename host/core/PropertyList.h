// Reads the property list resource of a plug-in module.
#pragma once

#include <cstddef>
#include <string>

#include "host/core/PluginModule.h"

namespace host {

// Parses the bytes of a property list. Answers false with *error set when the bytes are
// truncated or malformed, the kind is not SPEA, the interface version is not 2, or the entry
// point is missing.
bool ParsePropertyList(const unsigned char* bytes, std::size_t size, PluginProperties* properties,
                       std::string* error);

}  // namespace host
