// Seeded mutation of valid inputs into malformed ones: the same seed always makes the same input,
// so that any input a fuzz loop prints can be made again.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace fuzz {

using Random = std::mt19937_64;

class Mutator {
 public:
  // corpus holds valid inputs of the target; dictionary words the target reads (member names,
  // command names), which are spliced in so that mutants get past the first check.
  Mutator(std::vector<std::string> corpus, std::vector<std::string> dictionary);

  // A corpus entry changed by one to four mutations.
  std::string Next(Random& random) const;
  // input changed by one to four mutations.
  std::string Mutate(std::string input, Random& random) const;

  const std::vector<std::string>& corpus() const { return corpus_; }

 private:
  void MutateOnce(std::string& text, Random& random) const;

  std::vector<std::string> corpus_;
  std::vector<std::string> dictionary_;
};

// A number below bound (bound > 0).
std::size_t Below(Random& random, std::size_t bound);
// True with the chance of one in n.
bool OneIn(Random& random, std::size_t n);
// A number that code reading numbers tends to mishandle, as text: NaN and infinities in their
// common spellings, values past the ranges of int16, int32, int64 and double, negative zero.
const std::string& UnusualNumberText(Random& random);
// The same as values, for code that takes doubles directly.
double UnusualNumber(Random& random);

}  // namespace fuzz
