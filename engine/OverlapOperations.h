// The three operations the user starts from the road panel: acquiring settings from the
// artwork, creating overlap lines from the current setting, and deleting stacked copies. Each
// returns a host error code; an end on a message or a No answer is 0.
#pragma once

#include "engine/GeometryIndex.h"
#include "hostapi/SPTypes.h"

class OverlapSettingStore;

// Makes the stack of the first selected path (or, with takeAllSelected, the selected paths
// themselves, the first selected last) the current setting.
AIErr AcquireSetting(OverlapSettingStore& store, bool takeAllSelected);
// Appends one setting per distinct stack among the selected paths to the batch list. The stacks
// are found as search says; every way gives the same result.
AIErr AcquireBatch(OverlapSettingStore& store, StackSearch search = StackSearch::kIndexed);
// Replaces every selected path by a stack of copies as the current setting describes. Without a
// current setting (or with one of no entries) nothing is touched. The existing stacks are found
// as search says; every way gives the same result.
AIErr CreateOverlapLines(const OverlapSettingStore& store,
                         StackSearch search = StackSearch::kIndexed);
// Reduces the stack of the first selected path to one path, keeping the back-most (or, with
// "Reserve Topmost Path", the front-most); with captureFirst the stack first becomes current.
AIErr DeleteOverlaps(OverlapSettingStore& store, bool captureFirst);
