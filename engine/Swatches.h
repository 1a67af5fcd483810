// Whether the swatches a style uses are still in the document.
#pragma once

#include "hostapi/AIPathStyle.h"

// True when the painted fill and the painted stroke use no pattern, custom colour or gradient,
// or only ones the host confirms are swatches of the current document.
bool SwatchesPresent(const AIPathStyle& style);
