// The work buffer for reading a whole path: room for the longest path the host allows, allocated
// once for the cut of one path and freed when that cut is done.
#pragma once

#include <cstddef>
#include <memory>

#include "hostapi/AIPath.h"

class PathSegmentBuffer {
 public:
  static constexpr std::size_t kCapacity = static_cast<std::size_t>(kMaxPathSegments);

  // Allocates the records; Allocated() tells whether that worked.
  PathSegmentBuffer();
  PathSegmentBuffer(const PathSegmentBuffer&) = delete;
  PathSegmentBuffer& operator=(const PathSegmentBuffer&) = delete;

  bool Allocated() const { return records_ != nullptr; }
  AIPathSegment* data() { return records_.get(); }
  AIPathSegment& operator[](std::size_t index) { return records_[index]; }

 private:
  std::unique_ptr<AIPathSegment[]> records_;
};
