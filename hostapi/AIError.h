// The exception that the plug-in's host wrappers throw when a host call fails. It never leaves
// the plug-in: the message guard turns it into its code.
#pragma once

#include <exception>

#include "hostapi/SPTypes.h"

namespace ai {

class Error : public std::exception {
 public:
  explicit Error(ASErr code) noexcept : code_(code) {}
  ASErr code() const noexcept { return code_; }
  const char* what() const noexcept override { return "host error"; }

 private:
  ASErr code_;
};

// Throws ai::Error when code is not 0.
inline void check(ASErr code) {
  if (code != kNoErr) throw Error(code);
}

}  // namespace ai
