// A seeded source of random choices: the same seed gives the same document and session on every
// machine with the same standard library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace random_sessions {

class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed) : engine_(seed) {}

  // 0 to count - 1; count must be positive.
  std::size_t Below(std::size_t count) { return static_cast<std::size_t>(engine_() % count); }
  // from to to, both included.
  int Between(int from, int to) {
    return from + static_cast<int>(Below(std::size_t(to - from + 1)));
  }
  // True in percent cases out of a hundred.
  bool Percent(int percent) { return Between(1, 100) <= percent; }
  template <typename Item>
  const Item& Pick(const std::vector<Item>& items) {
    return items[Below(items.size())];
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace random_sessions
