// When two settings count as the same stack, and when two host colours are the same colour.
#pragma once

#include "hostapi/AIColor.h"
#include "hostapi/AIPathStyle.h"

class OverlapSetting;

// Same number of entries and, entry by entry: the same layer path (the host's full-string
// comparison), the same fill-paint flag and, when painted, the same fill colour; the same
// stroke-paint flag and, when painted, the same stroke colour, overprint, cap, join, miter limit
// and dash values. Stroke widths, dash offsets, fill overprint and the fill rule do not count.
// The string comparison may throw ai::Error.
bool SettingsEqual(const OverlapSetting& a, const OverlapSetting& b);

// The style part of SettingsEqual: the same fill-paint flag and, when painted, the same fill
// colour; the same stroke-paint flag and, when painted, the same stroke colour, overprint, cap,
// join, miter limit and dash values.
bool PathStylesEqual(const AIPathStyle& a, const AIPathStyle& b);

// Same kind and every field of that kind equal: numbers exactly (a NaN equals nothing, not even
// itself), swatch handles by identity, matrices by the host's matrix equality. Kinds other than
// gray, CMYK, pattern, custom colour, gradient and RGB are never equal.
bool ColorsEqual(const AIColor& x, const AIColor& y);
