// The hit test suite: the front-most visible, unlocked art under a point, within 3 points at
// 100 % zoom. Results are counted handles that the plug-in must release.
#include <vector>

#include "host/core/Faultable.h"
#include "host/suites/HitGeometry.h"
#include "host/suites/SuiteSupport.h"
#include "host/suites/ToolSuites.h"
#include "hostapi/AIHitTest.h"

namespace host::suites {
namespace {

constexpr AIReal kTolerance = 3;  // points on screen at 100 %

// The front-most visible, unlocked art among the candidates (front to back) that point hits,
// or null.
const Art* FrontMostHit(const Document& document, const std::vector<Art*>& candidates,
                        AIRealPoint point, AIReal tolerance, ArtHit* where) {
  for (const Art* candidate : candidates) {
    // Its own hidden or locked flag first: the scissors hide what they cut, and ask again.
    if ((candidate->ownAttributes() & (kArtHidden | kArtLocked)) != 0) continue;
    if (document.IsArtVisible(*candidate) && document.IsArtEditable(*candidate) &&
        HitArt(*candidate, point, tolerance, where)) {
      return candidate;
    }
  }
  return nullptr;
}

// The leaf art of one given art, front to back.
std::vector<Art*> LeavesOf(const Document& document, Art& within) {
  if (!within.IsContainer()) return {&within};
  std::vector<Art*> leaves;
  document.ForEachArtIn(within, [&leaves](Art& art) {
    if (!art.IsContainer()) leaves.push_back(&art);
  });
  return leaves;
}

AIErr HitTest(AIArtHandle art, const AIRealPoint* point, std::int32_t request, AIHitRef* hit) {
  if (!Out(hit, "HitTest")) return kBadParameterErr;
  if (point == nullptr) {
    Log().Violation("HitTest with a null point");
    return kBadParameterErr;
  }
  if (request != kAllHitRequest) {
    Log().Violation("HitTest with request " + std::to_string(request) + ", which the host lacks");
    return kBadParameterErr;
  }
  Document* document = Docs().Require("HitTest");
  if (document == nullptr) return kNoDocumentErr;
  Art* within = nullptr;
  if (art != nullptr) {
    within = Docs().FindArt(art, "HitTest");
    if (within == nullptr) return Docs().RefusalCode();
  }
  const AIReal tolerance = kTolerance / document->view().zoom;
  // The leaf art under the point, from the index or, for one given art, from its own tree.
  std::vector<Art*> leaves;
  if (within != nullptr) leaves = LeavesOf(*document, *within);
  const std::vector<Art*>& candidates =
      within != nullptr ? leaves : Docs().artIndex().Query(*document, *point, tolerance);

  Documents::Hit result;
  ArtHit where;
  if (const Art* front = FrontMostHit(*document, candidates, *point, tolerance, &where)) {
    result = Documents::Hit{front->handle(), where.type, where.segment, where.parameter};
  }
  *hit = Docs().hits.Add(result);
  return kNoErr;
}

const Documents::Hit* FindHit(AIHitRef hit, const char* function) {
  return FindLive(Docs().hits, hit, function, "a hit reference");
}

AIErr Release(AIHitRef hit) {
  if (Docs().hits.Remove(hit)) return kNoErr;
  Log().Violation("Release of a hit reference that is not held");
  return kStaleHandleErr;
}

AIBoolean IsHit(AIHitRef hit) {
  const Documents::Hit* found = FindHit(hit, "IsHit");
  return found != nullptr && found->art != nullptr ? 1 : 0;
}

AIArtHandle GetHitArt(AIHitRef hit) {
  const Documents::Hit* found = FindHit(hit, "GetHitArt");
  return found != nullptr ? found->art : nullptr;
}

std::int32_t GetHitType(AIHitRef hit) {
  const Documents::Hit* found = FindHit(hit, "GetHitType");
  return found != nullptr ? found->type : -1;
}

std::int16_t GetHitSegment(AIHitRef hit) {
  const Documents::Hit* found = FindHit(hit, "GetHitSegment");
  return found != nullptr ? found->segment : std::int16_t{0};
}

AIReal GetHitParameter(AIHitRef hit) {
  const Documents::Hit* found = FindHit(hit, "GetHitParameter");
  return found != nullptr ? found->parameter : 0;
}

}  // namespace

const AIHitTestSuite* HitTestSuite() {
  static const AIHitTestSuite suite = {
      HOST_FAULTABLE(HitTest), HOST_FAULTABLE(Release), &IsHit, &GetHitArt, &GetHitType,
      &GetHitSegment,          &GetHitParameter};
  return &suite;
}

}  // namespace host::suites
