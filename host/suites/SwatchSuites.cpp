// Validity of swatch handles in the current document, and matrix equality.
#include "host/core/Faultable.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/SuiteSupport.h"
#include "hostapi/AICustomColor.h"
#include "hostapi/AIGradient.h"
#include "hostapi/AIPattern.h"
#include "hostapi/AIRealMath.h"

namespace host::suites {
namespace {

// A handle of another document, or of a deleted swatch, is a normal "not valid" answer.
template <typename Table, typename Handle>
AIErr Validate(Table SwatchLibrary::*table, Handle handle, const char* function) {
  Document* document = Docs().Require(function);
  if (document == nullptr) return kNoDocumentErr;
  return (document->swatches().*table).Status(handle) == HandleStatus::kLive ? kNoErr
                                                                             : kStaleHandleErr;
}

AIErr ValidatePattern(AIPatternHandle handle) {
  return Validate(&SwatchLibrary::patterns, handle, "ValidatePattern");
}
AIErr ValidateCustomColor(AICustomColorHandle handle) {
  return Validate(&SwatchLibrary::customColors, handle, "ValidateCustomColor");
}
AIErr ValidateGradient(AIGradientHandle handle) {
  return Validate(&SwatchLibrary::gradients, handle, "ValidateGradient");
}

AIBoolean AIRealMatrixEqual(const AIRealMatrix* a, const AIRealMatrix* b) {
  if (a == nullptr || b == nullptr) {
    Log().Violation("AIRealMatrixEqual with a null matrix");
    return 0;
  }
  return a->a == b->a && a->b == b->b && a->c == b->c && a->d == b->d && a->tx == b->tx &&
                 a->ty == b->ty
             ? 1
             : 0;
}

}  // namespace

const AIPatternSuite* PatternSuite() {
  static const AIPatternSuite suite = {HOST_FAULTABLE(ValidatePattern)};
  return &suite;
}
const AICustomColorSuite* CustomColorSuite() {
  static const AICustomColorSuite suite = {HOST_FAULTABLE(ValidateCustomColor)};
  return &suite;
}
const AIGradientSuite* GradientSuite() {
  static const AIGradientSuite suite = {HOST_FAULTABLE(ValidateGradient)};
  return &suite;
}
const AIRealMathSuite* RealMathSuite() {
  static const AIRealMathSuite suite = {&AIRealMatrixEqual};
  return &suite;
}

}  // namespace host::suites
