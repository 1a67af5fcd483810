// Failures a test arms on purpose: the nth call of a named suite function answers a given code
// instead of doing its work, so that a plug-in's paths through host errors can be exercised.
// Suite functions opt in by asking Take on entry (the document suites do it for every call
// that names one art object or layer).
#pragma once

#include <string>
#include <vector>

#include "host/core/Transcript.h"

namespace host {

class Faults {
 public:
  explicit Faults(Transcript& transcript) : transcript_(transcript) {}

  // The nth call from now (1: the next one) of function answers code.
  void Arm(std::string function, int nth, ASErr code);
  // The code armed for this call of function (written to the transcript), or 0.
  ASErr Take(const char* function) { return armed_.empty() ? kNoErr : TakeArmed(function); }
  // Reports every armed failure that never fired (the test did not reach the call it meant)
  // and forgets them all.
  void CheckAllFired();

 private:
  ASErr TakeArmed(const char* function);

  struct Armed {
    std::string function;
    int callsLeft;
    ASErr code;
  };
  Transcript& transcript_;
  std::vector<Armed> armed_;
};

}  // namespace host
