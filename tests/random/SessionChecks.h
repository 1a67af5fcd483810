// The invariants checked after every step of a random session. Each check answers the first
// thing it found wrong, or an empty text.
#pragma once

#include <cstdint>
#include <string>

#include "engine/OverlapSettingStore.h"
#include "host/core/Host.h"
#include "tests/random/DocumentSnapshot.h"
#include "tests/random/SessionSteps.h"

namespace random_sessions {

// No art set, style parser, paint field, hit, block, raster art or open application context is
// held, no host string beyond those of the layer path map and the store's settings, and the
// transcript has no violation.
std::string CheckNothingHeld(host::Host& host, const OverlapSettingStore* store);

// The document, saved as saved, loads back equal.
std::string CheckSavesAndLoads(const host::Document& document, const std::string& saved);

// No two history entries are equal, nor two batch entries; the history grew past neither the
// maximum nor its former length; no entry equals the current setting unless that came from the
// batch list (choosing a batch entry keeps equal history entries).
std::string CheckStore(const OverlapSettingStore& store, std::int32_t historyBefore,
                       bool currentFromBatch);

struct StepEffects {
  const Step& step;
  const DocumentSnapshot& before;
  const DocumentSnapshot& after;
  const host::Document& document;
  const OverlapSettingStore& store;
};

// What the step may have done to the document: which art it may remove; nothing unlocked or shown
// without a Yes; the copies made by create; the copies delete removed; what the scissors left
// hidden; the strokes the width command changed.
std::string CheckStepEffects(const StepEffects& effects);

}  // namespace random_sessions
