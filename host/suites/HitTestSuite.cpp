// The hit test suite: the front-most visible, unlocked art under a point, within 3 points at
// 100 % zoom. Results are counted handles that the plug-in must release.
#include <algorithm>
#include <vector>

#include "host/core/Faultable.h"
#include "host/suites/HitGeometry.h"
#include "host/suites/SuiteSupport.h"
#include "host/suites/ToolSuites.h"
#include "hostapi/AIHitTest.h"

namespace host::suites {
namespace {

constexpr AIReal kTolerance = 3;  // points on screen at 100 %

// The art and its enclosing art, from the top-level layer group down.
void Ancestry(const Art& art, std::vector<const Art*>* chain) {
  chain->clear();
  for (const Art* at = &art; at != nullptr; at = at->parent()) chain->push_back(at);
  std::reverse(chain->begin(), chain->end());
}

// Whether a is painted in front of b (two distinct leaf art): where their ancestries part, the
// sibling that comes first in its container.
bool InFront(const Art& a, const Art& b) {
  if (a.parent() == b.parent()) return a.siblingOrder() < b.siblingOrder();
  thread_local std::vector<const Art*> chainA, chainB;
  Ancestry(a, &chainA);
  Ancestry(b, &chainB);
  std::size_t level = 0;
  while (level < chainA.size() && level < chainB.size() && chainA[level] == chainB[level]) ++level;
  if (level == chainA.size() || level == chainB.size()) return level == chainA.size();
  return chainA[level]->siblingOrder() < chainB[level]->siblingOrder();
}

// The front-most visible, unlocked art among the candidates that point hits, or null. Testing a
// candidate's geometry is the dear part, so the front-most candidate is tested first: it is hit
// nearly always. After a few misses the rest are tested as they come, keeping the work linear.
const Art* FrontMostHit(const Document& document, const std::vector<Art*>& candidates,
                        AIRealPoint point, AIReal tolerance, ArtHit* where) {
  constexpr int kFrontFirstTries = 8;
  std::vector<const Art*> open;
  open.reserve(candidates.size());
  for (const Art* candidate : candidates) {
    if (document.IsArtVisible(*candidate) && document.IsArtEditable(*candidate)) {
      open.push_back(candidate);
    }
  }
  for (int tries = 0; tries < kFrontFirstTries && !open.empty(); ++tries) {
    std::size_t front = 0;
    for (std::size_t i = 1; i < open.size(); ++i) {
      if (InFront(*open[i], *open[front])) front = i;
    }
    if (HitArt(*open[front], point, tolerance, where)) return open[front];
    open[front] = open.back();
    open.pop_back();
  }
  const Art* front = nullptr;
  for (const Art* candidate : open) {
    if (front != nullptr && !InFront(*candidate, *front)) continue;
    ArtHit hit;
    if (!HitArt(*candidate, point, tolerance, &hit)) continue;
    front = candidate;
    *where = hit;
  }
  return front;
}

// The leaf art under the point, from the index or, for one given art, from its own tree.
void Candidates(Document& document, Art* within, AIRealPoint point, AIReal tolerance,
                std::vector<Art*>* found) {
  if (within == nullptr) {
    Docs().artIndex().Query(document, point, tolerance, found);
    return;
  }
  found->clear();
  if (!within->IsContainer()) {
    found->push_back(within);
    return;
  }
  document.ForEachArtIn(*within, [found](Art& art) {
    if (!art.IsContainer()) found->push_back(&art);
  });
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
  std::vector<Art*> candidates;
  Candidates(*document, within, *point, tolerance, &candidates);

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
