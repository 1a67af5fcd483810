// The geometry of path art and the segment edits that the path suite performs. Edits check their
// arguments and refuse with DocumentError(kBadParameterErr), leaving the path as it was.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "hostapi/AIPath.h"

namespace host {

struct Segment {
  AIRealPoint p;
  AIRealPoint in;
  AIRealPoint out;
  bool corner = true;
  bool selected = false;  // anchor selection, kept by the host beside the public record
};

struct PathGeometry {
  std::vector<Segment> segments;
  bool closed = false;
};

// A segment with both handles on its anchor.
Segment CornerAt(AIRealPoint p);
AIPathSegment ToRecord(const Segment& segment);

// Copies count records from index first.
void GetSegments(const PathGeometry& path, std::int32_t first, std::int32_t count,
                 AIPathSegment* records);
// Writes records from index first, which may be the segment count: writing past the last segment
// appends. Rewritten segments keep their selection; appended ones are not selected.
void SetSegments(PathGeometry& path, std::int32_t first, std::span<const AIPathSegment> records);
// Inserts records so that the first of them takes index at (0 to the segment count).
void InsertSegments(PathGeometry& path, std::int32_t at, std::span<const AIPathSegment> records);
void DeleteSegments(PathGeometry& path, std::int32_t first, std::int32_t count);

// Same closed flag and the same anchors and handles, exactly, in the same order. Corner flags and
// selection do not count.
bool PathsEqual(const PathGeometry& a, const PathGeometry& b);

}  // namespace host
