// The engine's three preferences as the preferences dialog edits them, and how the dialog reads
// the number typed for the history's length.
#pragma once

#include <cstdint>
#include <string_view>

struct OverlapPreferenceValues {
  std::int32_t maxRecent;          // history entries kept
  std::int32_t processSinglePath;  // non-zero: acquiring also takes a path without copies
  std::int32_t reserveTopmost;     // non-zero: delete keeps the front-most copy
};

// The decimal integer at the start of text: leading blanks skipped, an optional sign, then the
// digits up to the first non-digit; 0 without digits. No range check: any number is a length
// the history can be given. Values beyond 32 bits stop at its limits.
std::int32_t ReadMaxRecent(std::string_view text);

// The history length the dialog confirms from its edit's text: the stored value while the edit
// still shows the text the dialog put there (empty when it could put none), so that an untouched
// OK never changes it; otherwise the number its first three characters, all the edit takes,
// give (ReadMaxRecent).
std::int32_t ConfirmedMaxRecent(std::string_view text, std::string_view shown, std::int32_t stored);
