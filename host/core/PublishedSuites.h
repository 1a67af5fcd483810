// Registers every suite the host publishes.
#pragma once

#include "host/core/SuiteRegistry.h"

namespace host {

void PublishSuites(SuiteRegistry& registry);

}  // namespace host
