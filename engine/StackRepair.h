// Mending what the stack check found, stack by stack, through the host's suites.
#pragma once

#include <cstddef>

#include "engine/StackCheck.h"

struct RepairTally {
  std::size_t mended = 0;    // findings mended
  std::size_t declined = 0;  // findings of stacks left as they were on a No
};

// Mends every stack of findings in order. Before a stack is touched, each copy it changes,
// moves or deletes that is locked or hidden gets delete's question, and each layer it puts a
// copy into that is locked or hidden gets create's question (a layer refused once is not asked
// about again); a No, or an unlock that fails (with its error alert), leaves that stack as it
// is. A stack's copies are reshaped, moved and made first and its surplus copies deleted last;
// when the host fails before the deletions, what was done to that stack is undone, so that no
// stack is left half made. The first host error ends the repair and is returned.
AIErr MendBrokenStacks(const StackFindings& findings, RepairTally& tally);
