// The exception by which the document model refuses an operation. The suites turn it into its
// host result code; the message says what was wrong, for the transcript and for tests.
#pragma once

#include <stdexcept>
#include <string>

#include "hostapi/SPTypes.h"

namespace host {

class DocumentError : public std::runtime_error {
 public:
  DocumentError(AIErr code, const std::string& what) : std::runtime_error(what), code_(code) {}
  AIErr code() const noexcept { return code_; }

 private:
  AIErr code_;
};

}  // namespace host
