// The set of host suites a started plug-in holds. The suite pointers are module-wide; the
// acquisition count tells how many suite sets share them.
#pragma once

#include <cstdint>

#include "hostapi/SPTypes.h"

// How many suite sets currently share the module-wide pointers.
extern std::uint16_t gSuiteAcquisitionCount;

class SuiteSet {
 public:
  // Acquires the frame suites, then the import table, in order, unless another set already holds
  // them. The first failure stops the acquisition and becomes Error(); nothing is released then.
  SuiteSet();
  // Lowers the acquisition count; at 0 releases every acquired suite in acquisition order.
  ~SuiteSet();
  SuiteSet(const SuiteSet&) = delete;
  SuiteSet& operator=(const SuiteSet&) = delete;

  ASErr Error() const { return error_; }
  // Tries each optional suite that is not yet held; failures are ignored.
  void AcquireOptionalSuites();

 private:
  ASErr error_ = kNoErr;
  std::uint16_t optionalEntries_ = 0;
  std::uint16_t requiredEntries_ = 0;
  std::uint16_t optionalAcquired_ = 0;
};
