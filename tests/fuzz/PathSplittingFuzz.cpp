// Path splitting at places a caller should never ask for: parameters outside 0 to 1, not-a-number
// and infinite, indices out of range, huge coordinates. Each cut answers an error code with the
// path untouched, or a sound result; either way the document still saves and loads.
#include <cmath>
#include <sstream>

#include "host/document/DocumentEquality.h"
#include "host/document/DocumentJson.h"
#include "host/document/DocumentJsonLimits.h"
#include "tests/fuzz/FuzzLoop.h"
#include "tests/tools/ScissorsFixture.h"
#include "tools/PathSplitting.h"

namespace scissors_test {
namespace {

double Coordinate(fuzz::Random& random) {
  if (fuzz::OneIn(random, 6)) {
    const double huge = fuzz::UnusualNumber(random);
    if (std::isfinite(huge)) return huge;  // the host holds finite coordinates only
  }
  return (static_cast<double>(fuzz::Below(random, 2001)) - 1000) / 8;
}

double Parameter(fuzz::Random& random) {
  switch (fuzz::Below(random, 4)) {
    case 0:
      return fuzz::UnusualNumber(random);
    case 1: {
      const double edges[] = {0.0, 1.0, -0.0, -1e-300, 1 + 1e-15, -0.5, 1.5};
      return edges[fuzz::Below(random, std::size(edges))];
    }
    default:
      return static_cast<double>(fuzz::Below(random, 1001)) / 1000;
  }
}

// An input: "operation index t" on the first line, then the path as ParsePath reads it.
std::string MakeInput(fuzz::Random& random) {
  const std::size_t anchors =
      fuzz::OneIn(random, 100) ? kMaxPathSegments - fuzz::Below(random, 3) : fuzz::Below(random, 9);
  const bool closed = fuzz::OneIn(random, 2);
  const int n = static_cast<int>(anchors);
  const int indices[] = {
      -32768, -1, 0,     1,     n - 2,
      n - 1,  n,  n + 1, 32767, static_cast<int>(fuzz::Below(random, anchors + 1))};
  std::ostringstream input;
  input.precision(17);
  input << fuzz::Below(random, 4) << ' ' << indices[fuzz::Below(random, std::size(indices))] << ' '
        << Parameter(random) << '\n';
  for (std::size_t i = 0; i < anchors; ++i) {
    const bool smooth = fuzz::OneIn(random, 2);
    input << (smooth ? "~" : "") << Coordinate(random) << ',' << Coordinate(random);
    if (smooth) {
      input << '[' << Coordinate(random) << ',' << Coordinate(random) << '|' << Coordinate(random)
            << ',' << Coordinate(random) << ']';
    }
    input << ' ';
  }
  input << (closed ? "z" : "");
  return input.str();
}

bool WithinFileRange(const host::PathGeometry& path) {
  const auto inside = [](AIRealPoint p) {
    return std::abs(p.h) <= host::json_limits::kMaxCoordinate &&
           std::abs(p.v) <= host::json_limits::kMaxCoordinate;
  };
  for (const host::Segment& s : path.segments) {
    if (!inside(s.p) || !inside(s.in) || !inside(s.out)) return false;
  }
  return true;
}

class PathSplittingFuzz : public ScissorsTest {
 protected:
  std::string Check(const std::string& input) {
    std::istringstream header(input.substr(0, input.find('\n')));
    int operation = 0;
    int index = 0;
    std::string t;
    header >> operation >> index >> t;
    const AIReal parameter = std::strtod(t.c_str(), nullptr);
    const host::PathGeometry before = ParsePath(input.substr(input.find('\n') + 1));
    host::Art& art = Doc().NewArt(kPathArt, kPlaceInsideOnTop, layer_->group(), "cut");
    art.path() = before;
    const AIArtHandle path = art.handle();
    const std::size_t count = Doc().ArtCount();
    const int violations = host_.transcript().ViolationCount();

    const auto place = static_cast<std::int16_t>(index);
    AIArtHandle piece = nullptr;
    PathSegmentBuffer buffer;
    ASErr error = kNoErr;
    switch (operation) {
      case 0:
        error = OpenClosedPathAtAnchor(buffer, path, place);
        break;
      case 1:
        error = OpenClosedPathOnCurve(buffer, path, place, parameter);
        break;
      case 2:
        error = SplitOpenPathAtAnchor(path, place, &piece);
        break;
      default:
        error = SplitOpenPathOnCurve(path, place, parameter, &piece);
        break;
    }
    std::string problem = Judge(error, before, path, piece, count, violations);
    if (problem.empty()) problem = SavesAndLoads();
    if (piece != nullptr) Doc().DisposeArt(ArtOf(piece));
    Doc().DisposeArt(ArtOf(path));
    return problem;
  }

 private:
  std::string Judge(ASErr error, const host::PathGeometry& before, AIArtHandle path,
                    AIArtHandle piece, std::size_t count, int violations) {
    if (host_.transcript().ViolationCount() != violations) {
      return "the host saw a violation: " + host_.transcript().Lines().back();
    }
    if (error != kNoErr) {
      if (error != kBadParameterErr && error != kCutAtEndpointErr && error != kPathTooLongErr) {
        return "answered " + host::FormatCode(error);
      }
      if (!host::PathsEqual(ArtOf(path).path(), before) || Doc().ArtCount() != count) {
        return "refused with " + host::FormatCode(error) + " but changed the document";
      }
      return "";
    }
    for (const AIArtHandle handle : {path, piece}) {
      if (handle == nullptr) continue;
      for (const host::Segment& s : ArtOf(handle).path().segments) {
        for (const double value : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v}) {
          if (!std::isfinite(value)) return "a cut left coordinates that are not finite";
        }
      }
    }
    return "";
  }

  std::string SavesAndLoads() {
    bool loadable = true;
    Doc().ForEachArt([&loadable](const host::Art& art) {
      if (art.type() == kPathArt && !WithinFileRange(art.path())) loadable = false;
    });
    const std::string saved = host::WriteDocument(Doc());
    if (!loadable) return "";  // the file format holds coordinates within its range only
    try {
      const std::string difference = host::FirstDifference(Doc(), *host::ReadDocument(saved));
      if (!difference.empty()) return "saved and loaded, the document differs: " + difference;
    } catch (const host::DocumentFileError& refusal) {
      return std::string("the saved document does not load: ") + refusal.what();
    }
    return "";
  }
};

TEST_F(PathSplittingFuzz, CutsAtAnyPlace) {
  fuzz::Run({"PathSplitting", 250, &MakeInput,
             [this](const std::string& input) { return Check(input); }});
}

}  // namespace
}  // namespace scissors_test
