#include <span>

#include "host/core/Faultable.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/SuiteSupport.h"
#include "hostapi/AIPath.h"

namespace host::suites {
namespace {

// Runs work on a live path; other art is refused.
template <typename Work>
AIErr WithPath(AIArtHandle handle, const char* function, Work work) {
  return WithArt(handle, function, [&](Art& art) {
    if (art.type() != kPathArt) {
      Log().Violation(std::string(function) + " on art that is not a path");
      return kBadParameterErr;
    }
    return work(art);
  });
}

// The model refuses bad indices and counts; the host also records them as misuse.
template <typename Change>
AIErr Segments(AIArtHandle handle, const char* function, Change change) {
  return WithPath(handle, function, [&](Art& art) {
    const AIErr error = RunEdit([&] { change(art.path()); });
    if (error == kBadParameterErr) {
      Log().Violation(std::string(function) + " with an index or count out of range");
    }
    return error;
  });
}

AIErr GetPathSegmentCount(AIArtHandle path, std::int16_t* count) {
  if (!Out(count, "GetPathSegmentCount")) return kBadParameterErr;
  return WithPath(path, "GetPathSegmentCount", [count](Art& art) {
    *count = static_cast<std::int16_t>(art.path().segments.size());
    return kNoErr;
  });
}

AIErr GetPathSegments(AIArtHandle path, std::int16_t index, std::int16_t count,
                      AIPathSegment* segments) {
  if (!Out(segments, "GetPathSegments")) return kBadParameterErr;
  return Segments(path, "GetPathSegments",
                  [&](PathGeometry& geometry) { GetSegments(geometry, index, count, segments); });
}

AIErr SetPathSegments(AIArtHandle path, std::int16_t index, std::int16_t count,
                      const AIPathSegment* segments) {
  if (!Out(segments, "SetPathSegments") || count < 0) return kBadParameterErr;
  const AIErr error = Segments(path, "SetPathSegments", [&](PathGeometry& geometry) {
    SetSegments(geometry, index, std::span(segments, static_cast<std::size_t>(count)));
  });
  if (error == kNoErr) Docs().MarkEdited();
  return error;
}

AIErr InsertPathSegments(AIArtHandle path, std::int16_t index, std::int16_t count,
                         const AIPathSegment* segments) {
  if (!Out(segments, "InsertPathSegments") || count < 0) return kBadParameterErr;
  const AIErr error = Segments(path, "InsertPathSegments", [&](PathGeometry& geometry) {
    InsertSegments(geometry, index, std::span(segments, static_cast<std::size_t>(count)));
  });
  if (error == kNoErr) Docs().MarkEdited();
  return error;
}

AIErr DeletePathSegments(AIArtHandle path, std::int16_t index, std::int16_t count) {
  const AIErr error = Segments(path, "DeletePathSegments", [&](PathGeometry& geometry) {
    DeleteSegments(geometry, index, count);
  });
  if (error == kNoErr) Docs().MarkEdited();
  return error;
}

AIErr GetPathClosed(AIArtHandle path, AIBoolean* closed) {
  if (!Out(closed, "GetPathClosed")) return kBadParameterErr;
  return WithPath(path, "GetPathClosed", [closed](Art& art) {
    *closed = art.path().closed ? 1 : 0;
    return kNoErr;
  });
}

AIErr SetPathClosed(AIArtHandle path, AIBoolean closed) {
  return WithPath(path, "SetPathClosed", [closed](Art& art) {
    art.path().closed = closed != 0;
    Docs().MarkEdited();
    return kNoErr;
  });
}

AIErr GetPathSegmentSelected(AIArtHandle path, std::int16_t index, AIBoolean* selected) {
  if (!Out(selected, "GetPathSegmentSelected")) return kBadParameterErr;
  return WithPath(path, "GetPathSegmentSelected", [&](Art& art) {
    if (index < 0 || static_cast<std::size_t>(index) >= art.path().segments.size()) {
      Log().Violation("GetPathSegmentSelected with index " + std::to_string(index) +
                      " out of range");
      return kBadParameterErr;
    }
    *selected = art.path().segments[static_cast<std::size_t>(index)].selected ? 1 : 0;
    return kNoErr;
  });
}

AIErr SetPathSegmentSelected(AIArtHandle path, std::int16_t index, AIBoolean selected) {
  return WithPath(path, "SetPathSegmentSelected", [&](Art& art) {
    if (index < 0 || static_cast<std::size_t>(index) >= art.path().segments.size()) {
      Log().Violation("SetPathSegmentSelected with index " + std::to_string(index) +
                      " out of range");
      return kBadParameterErr;
    }
    return Edit([&] { Docs().current()->SetSegmentSelected(art, index, selected != 0); });
  });
}

}  // namespace

const AIPathSuite* PathSuite() {
  static const AIPathSuite suite = {
      HOST_FAULTABLE(GetPathSegmentCount),   HOST_FAULTABLE(GetPathSegments),
      HOST_FAULTABLE(SetPathSegments),       HOST_FAULTABLE(InsertPathSegments),
      HOST_FAULTABLE(DeletePathSegments),    HOST_FAULTABLE(GetPathClosed),
      HOST_FAULTABLE(SetPathClosed),         HOST_FAULTABLE(GetPathSegmentSelected),
      HOST_FAULTABLE(SetPathSegmentSelected)};
  return &suite;
}

}  // namespace host::suites
