// The stack check and repair as the user runs them: over the selection, or the whole document
// when nothing is selected, against the settings the store holds, ending with one alert.
#pragma once

#include <cstddef>

#include "engine/ArtSet.h"

class OverlapSettingStore;

// What the last check left for the repair.
struct StackCheckMemory {
  ArtList selectedByCheck;   // the paths the check selected
  ArtList userSelection;     // the paths selected when the check ran
  std::size_t mendable = 0;  // findings a repair can mend; 0 when nothing is left to repair
};

// Finds broken stacks, selects the paths concerned and reports the counts in an information
// alert. Without settings, or with a selection holding no path, it says so and changes nothing.
// A host error is reported in an error alert and returned.
AIErr CheckOverlapLines(const OverlapSettingStore& store, StackCheckMemory& memory);
// Checks again and mends what it finds, then reports how many findings it mended. When the
// selection is still the one the last check made, the user's selection of that check chooses a
// drifted stack's geometry.
AIErr RepairOverlapLines(const OverlapSettingStore& store, StackCheckMemory& memory);
