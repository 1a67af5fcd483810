#include "host/document/PathGeometry.h"

#include <cmath>
#include <string>

#include "host/document/DocumentError.h"

namespace host {
namespace {

[[noreturn]] void Refuse(const std::string& what) {
  throw DocumentError(kBadParameterErr, what);
}

bool Finite(AIRealPoint p) {
  return std::isfinite(p.h) && std::isfinite(p.v);
}

void CheckRecords(std::span<const AIPathSegment> records) {
  for (const AIPathSegment& record : records) {
    if (!Finite(record.p) || !Finite(record.in) || !Finite(record.out)) {
      Refuse("segment coordinates must be finite");
    }
  }
}

void CheckLength(std::size_t length) {
  if (length > static_cast<std::size_t>(kMaxPathSegments)) {
    Refuse("a path holds at most " + std::to_string(kMaxPathSegments) + " segments");
  }
}

void Assign(Segment& segment, const AIPathSegment& record) {
  segment.p = record.p;
  segment.in = record.in;
  segment.out = record.out;
  segment.corner = record.corner != 0;
}

bool SamePoint(AIRealPoint a, AIRealPoint b) {
  return a.h == b.h && a.v == b.v;
}

}  // namespace

Segment CornerAt(AIRealPoint p) {
  return Segment{p, p, p, true, false};
}

AIPathSegment ToRecord(const Segment& segment) {
  return AIPathSegment{segment.p, segment.in, segment.out,
                       segment.corner ? AIBoolean{1} : AIBoolean{0}};
}

void GetSegments(const PathGeometry& path, std::int32_t first, std::int32_t count,
                 AIPathSegment* records) {
  const auto size = static_cast<std::int64_t>(path.segments.size());
  if (first < 0 || count < 0 || first + std::int64_t{count} > size) {
    Refuse("segments " + std::to_string(first) + " to " + std::to_string(first + count - 1) +
           " are not in a path of " + std::to_string(size));
  }
  if (count > 0 && !records) Refuse("no buffer for the segments");
  for (std::int32_t i = 0; i < count; ++i) records[i] = ToRecord(path.segments[first + i]);
}

void SetSegments(PathGeometry& path, std::int32_t first, std::span<const AIPathSegment> records) {
  const std::size_t size = path.segments.size();
  if (first < 0 || static_cast<std::size_t>(first) > size) {
    Refuse("segment index " + std::to_string(first) + " is beyond a path of " +
           std::to_string(size));
  }
  CheckLength(first + records.size());
  CheckRecords(records);
  if (first + records.size() > size) path.segments.resize(first + records.size());
  for (std::size_t i = 0; i < records.size(); ++i) Assign(path.segments[first + i], records[i]);
}

void InsertSegments(PathGeometry& path, std::int32_t at, std::span<const AIPathSegment> records) {
  const std::size_t size = path.segments.size();
  if (at < 0 || static_cast<std::size_t>(at) > size) {
    Refuse("insertion index " + std::to_string(at) + " is beyond a path of " +
           std::to_string(size));
  }
  CheckLength(size + records.size());
  CheckRecords(records);
  std::vector<Segment> added(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) Assign(added[i], records[i]);
  path.segments.insert(path.segments.begin() + at, added.begin(), added.end());
}

void DeleteSegments(PathGeometry& path, std::int32_t first, std::int32_t count) {
  const auto size = static_cast<std::int64_t>(path.segments.size());
  if (first < 0 || count < 0 || first + std::int64_t{count} > size) {
    Refuse("cannot delete " + std::to_string(count) + " segments from index " +
           std::to_string(first) + " of a path of " + std::to_string(size));
  }
  path.segments.erase(path.segments.begin() + first, path.segments.begin() + first + count);
}

bool PathsEqual(const PathGeometry& a, const PathGeometry& b) {
  if (a.closed != b.closed || a.segments.size() != b.segments.size()) return false;
  for (std::size_t i = 0; i < a.segments.size(); ++i) {
    const Segment& x = a.segments[i];
    const Segment& y = b.segments[i];
    if (!SamePoint(x.p, y.p) || !SamePoint(x.in, y.in) || !SamePoint(x.out, y.out)) return false;
  }
  return true;
}

}  // namespace host
