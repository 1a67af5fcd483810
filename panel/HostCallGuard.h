// Host callbacks and window procedures are called by the host and by Windows directly, not
// through the plug-in's entry point and its message guard: no exception may leave them.
#pragma once

#include <utility>

#include "hostapi/AIError.h"
#include "hostapi/SPTypes.h"

// Runs work (answering a host error code); an exception becomes its code, 'CANT' for any but
// ai::Error.
template <typename Work>
ASErr GuardedCall(Work&& work) noexcept {
  try {
    return std::forward<Work>(work)();
  } catch (const ai::Error& error) {
    return error.code() != kNoErr ? error.code() : kCantHappenErr;
  } catch (...) {
    return kCantHappenErr;
  }
}
