// The loop that feeds one target many seeded inputs. Input i of a run is made from the seed
// LANEWORKS_FUZZ_SEED + i alone, so a failing input is replayed with its own seed and one
// iteration. A failing input (a check that fails, a sanitizer report, a crash or an input that
// takes longer than its budget) is printed with its seed and kept in a file.
//
// Environment: LANEWORKS_FUZZ_ITERATIONS (inputs per target; default each target's own),
// LANEWORKS_FUZZ_SEED (default 1), LANEWORKS_FUZZ_BUDGET_MS (time one input may take; default
// 10000), LANEWORKS_FUZZ_OUT (folder for failing inputs; default the working folder).
#pragma once

#include <functional>
#include <string>

#include "tests/fuzz/Mutator.h"

namespace fuzz {

struct Target {
  std::string name;
  int iterations;  // unless LANEWORKS_FUZZ_ITERATIONS says otherwise
  // Makes an input from a generator seeded for it.
  std::function<std::string(Random&)> make;
  // Runs the input; answers an empty text when it was handled soundly, else what went wrong.
  std::function<std::string(const std::string&)> check;
};

// Runs the target's inputs, reporting failing ones as test failures (at most a few per target).
void Run(const Target& target);

// A text made printable for a message: bytes other than printable ASCII as \xNN, cut short.
std::string Printable(const std::string& bytes, std::size_t limit = 400);

// Whether a refusal reads as one: not empty, one line, not a library's raw exception text.
bool IsClearMessage(const std::string& message);

}  // namespace fuzz
