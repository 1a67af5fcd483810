// The basic suite: the one suite every plug-in is handed, through which it acquires the others.
#pragma once

#include "hostapi/SPTypes.h"

struct SPBasicSuite {
  // Looks up the suite of exactly this name and version. On success stores the host's function
  // table in *suite (valid until the matching ReleaseSuite) and returns 0; otherwise leaves *suite
  // untouched and returns kSPSuiteNotFoundError. Every successful call must be balanced by one
  // ReleaseSuite with the same name and version.
  SPErr (*AcquireSuite)(const char* name, std::int32_t version, const void** suite);
  // Gives back one acquisition. Releasing a suite that is not held is a contract violation.
  SPErr (*ReleaseSuite)(const char* name, std::int32_t version);
};
