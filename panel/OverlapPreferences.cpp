#include "panel/OverlapPreferences.h"

#include <cstdint>
#include <limits>

std::int32_t ReadMaxRecent(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size() && (text[at] == ' ' || (text[at] >= '\t' && text[at] <= '\r'))) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<std::int32_t>(-value);
  return static_cast<std::int32_t>(value < kLimit ? value : kLimit - 1);
}

std::int32_t ConfirmedMaxRecent(std::string_view text, std::string_view shown,
                                std::int32_t stored) {
  constexpr std::size_t kEditLength = 3;
  if (text == shown) return stored;
  return ReadMaxRecent(text.substr(0, kEditLength));
}
