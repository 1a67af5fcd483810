#include "tools/PathSplitting.h"

#include "frame/SuiteTables.h"

namespace {

constexpr int kLongestPath = kMaxPathSegments;

std::int16_t Index(int value) {
  return static_cast<std::int16_t>(value);
}

// The Bezier suite takes parameters from 0 to 1 only; anything else (not a number included) is
// refused here, before any change, rather than passed on.
bool OnCurve(AIReal t) {
  return t >= 0 && t <= 1;
}

// Divides curve s of a path of n anchors at t through the host's Bezier suite. The curve's start
// record A gets its shortened out-handle and is written back at once; *middle gets the new smooth
// anchor M and *end the end record B with its shortened in-handle, for the caller to place. A's
// in-handle and corner flag and B's out-handle and corner flag stay as they were.
ASErr DivideCurve(AIArtHandle path, std::int16_t n, std::int16_t s, AIReal t, AIPathSegment* middle,
                  AIPathSegment* end) {
  const std::int16_t startIndex = Index(s == 0 ? n - 1 : s - 1);
  const std::int16_t endIndex = s == 0 ? std::int16_t{0} : s;
  AIPathSegment start{};
  AIPathSegment finish{};
  if (ASErr error = sAIPath->GetPathSegments(path, startIndex, 1, &start)) return error;
  if (ASErr error = sAIPath->GetPathSegments(path, endIndex, 1, &finish)) return error;
  const AIRealBezier curve{start.p, start.out, finish.in, finish.p};
  AIRealBezier left{};
  AIRealBezier right{};
  if (ASErr error = sAIRealBezier->Divide(&curve, t, &left, &right)) return error;
  start.out = left.p1;
  if (ASErr error = sAIPath->SetPathSegments(path, startIndex, 1, &start)) return error;
  *middle = AIPathSegment{right.p0, left.p2, right.p1, false};
  finish.in = right.p2;
  *end = finish;
  return kNoErr;
}

// Puts M at index s, so that the old record s (B) moves to s + 1, and writes B there.
ASErr InsertDivision(AIArtHandle path, std::int16_t s, const AIPathSegment& middle,
                     const AIPathSegment& end) {
  if (ASErr error = sAIPath->InsertPathSegments(path, s, 1, &middle)) return error;
  return sAIPath->SetPathSegments(path, Index(s + 1), 1, &end);
}

}  // namespace

ASErr OpenClosedPathAtAnchor(PathSegmentBuffer& buffer, AIArtHandle path, std::int16_t k) {
  std::int16_t n = 0;
  if (ASErr error = sAIPath->GetPathSegmentCount(path, &n)) return error;
  if (n <= 1) return kNoErr;
  if (k < 0 || k >= n) return kBadParameterErr;
  // The opened path repeats the cut anchor at its end.
  if (n + 1 > kLongestPath) return kPathTooLongErr;
  if (!buffer.Allocated()) return kOutOfMemoryErr;
  if (ASErr error = sAIPath->GetPathSegments(path, 0, n, buffer.data())) return error;
  if (k == 0) {
    if (ASErr error = sAIPath->SetPathClosed(path, false)) return error;
    return sAIPath->SetPathSegments(path, n, 1, &buffer[0]);
  }
  // Rotate the records so that k comes first, in two block writes, then append k again.
  if (ASErr error = sAIPath->SetPathSegments(path, 0, Index(n - k), &buffer[k])) return error;
  if (ASErr error = sAIPath->SetPathSegments(path, Index(n - k), k, &buffer[0])) return error;
  if (ASErr error = sAIPath->SetPathSegments(path, n, 1, &buffer[k])) return error;
  return sAIPath->SetPathClosed(path, false);
}

ASErr OpenClosedPathOnCurve(PathSegmentBuffer& buffer, AIArtHandle path, std::int16_t s, AIReal t) {
  std::int16_t n = 0;
  if (ASErr error = sAIPath->GetPathSegmentCount(path, &n)) return error;
  if (n <= 1) return kNoErr;
  if (s < 0 || s >= n || !OnCurve(t)) return kBadParameterErr;
  // The new anchor, and its copy at the end once the path is opened.
  if (n + 2 > kLongestPath) return kPathTooLongErr;
  if (!buffer.Allocated()) return kOutOfMemoryErr;
  AIPathSegment middle{};
  AIPathSegment end{};
  if (ASErr error = DivideCurve(path, n, s, t, &middle, &end)) return error;
  if (s != 0) {
    if (ASErr error = InsertDivision(path, s, middle, end)) return error;
    return OpenClosedPathAtAnchor(buffer, path, s);
  }
  // The closing curve: the new anchor becomes the last one, between anchor n - 1 and anchor 0.
  if (ASErr error = sAIPath->SetPathSegments(path, n, 1, &middle)) return error;
  if (ASErr error = sAIPath->SetPathSegments(path, 0, 1, &end)) return error;
  return OpenClosedPathAtAnchor(buffer, path, n);
}

ASErr SplitOpenPathAtAnchor(AIArtHandle path, std::int16_t k, AIArtHandle* piece) {
  std::int16_t n = 0;
  if (ASErr error = sAIPath->GetPathSegmentCount(path, &n)) return error;
  if (n <= 1) return kNoErr;
  if (k == 0 || k == n - 1) return kCutAtEndpointErr;
  if (k < 0 || k >= n) return kBadParameterErr;
  AIArtHandle copy = nullptr;
  if (ASErr error = sAIArt->DuplicateArt(path, kPlaceAbove, path, &copy)) return error;
  // The copy is cut first, so that a failure in either cut leaves only the copy to take back:
  // a whole second path on top of the first would be a stack the user never made.
  ASErr error = sAIPath->DeletePathSegments(copy, 0, k);
  if (error == kNoErr) error = sAIPath->DeletePathSegments(path, Index(k + 1), Index(n - k - 1));
  if (error != kNoErr) {
    static_cast<void>(sAIArt->DisposeArt(copy));
    return error;
  }
  *piece = copy;
  return kNoErr;
}

ASErr SplitOpenPathOnCurve(AIArtHandle path, std::int16_t s, AIReal t, AIArtHandle* piece) {
  std::int16_t n = 0;
  if (ASErr error = sAIPath->GetPathSegmentCount(path, &n)) return error;
  if (n <= 1) return kNoErr;
  if (s < 1 || s >= n || !OnCurve(t)) return kBadParameterErr;
  if (n + 1 > kLongestPath) return kPathTooLongErr;
  AIPathSegment middle{};
  AIPathSegment end{};
  if (ASErr error = DivideCurve(path, n, s, t, &middle, &end)) return error;
  if (ASErr error = InsertDivision(path, s, middle, end)) return error;
  return SplitOpenPathAtAnchor(path, s, piece);
}
