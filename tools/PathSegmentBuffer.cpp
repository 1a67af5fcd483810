#include "tools/PathSegmentBuffer.h"

#include <new>

// Left uninitialised: every record is read from a path before it is used.
PathSegmentBuffer::PathSegmentBuffer() : records_(new (std::nothrow) AIPathSegment[kCapacity]) {}
