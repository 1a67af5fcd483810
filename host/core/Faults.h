// Failures a test arms on purpose: the nth call of a named suite function, or the nth call of
// any, answers a given code instead of doing its work, so that a plug-in's paths through host
// errors can be exercised. Every suite function that answers an error code asks Take on entry
// (see Faultable.h); the calls are counted, and can be recorded by name, so that a test can
// make each call of an operation fail in turn.
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
  // The nth call from now of any suite function answers code.
  void ArmCall(long nth, ASErr code);
  // Every call (with period n: every nth call) of function from now on answers code, until
  // CheckAllFired, which does not report it whether it fired or not: a host that keeps refusing
  // one thing.
  void ArmEvery(std::string function, ASErr code, long period = 1);
  // Forgets every armed failure without reporting any.
  void Disarm() { armed_.clear(); }
  // Counts the call; the code armed for it (written to the transcript), or 0.
  ASErr Take(const char* function);
  // Reports every armed failure that never fired (the test did not reach the call it meant)
  // and forgets them all.
  void CheckAllFired();

  long CallCount() const { return calls_; }
  // While recording, the function of every call is kept in order.
  void Record(bool on) {
    recording_ = on;
    recorded_.clear();
  }
  const std::vector<std::string>& Recorded() const { return recorded_; }

 private:
  struct Armed {
    std::string function;  // empty: any function
    long callsLeft;
    ASErr code;
    long period = 0;  // 0: once, at callsLeft; else every period-th call
  };
  Transcript& transcript_;
  std::vector<Armed> armed_;
  long calls_ = 0;
  bool recording_ = false;
  std::vector<std::string> recorded_;
};

}  // namespace host
