// Host-owned Unicode strings. Every string created through this suite is owned by the plug-in
// until it calls Dispose; the host counts live strings.
#pragma once

#include "hostapi/SPTypes.h"

constexpr char kAIUnicodeStringSuite[] = "AI Unicode String Suite";
constexpr std::int32_t kAIUnicodeStringSuiteVersion = 8;

struct AIUnicodeStringSuite {
  // Makes a string from byteCount bytes of UTF-8 (-1: up to the NUL). Malformed UTF-8 is refused
  // with kBadParameterErr.
  AIErr (*Create)(const char* utf8, std::int32_t byteCount, AIUnicodeStringRef* string);
  AIErr (*Dispose)(AIUnicodeStringRef string);
  // Replaces the text of string with byteCount bytes of UTF-8 (-1: up to the NUL).
  AIErr (*Set)(AIUnicodeStringRef string, const char* utf8, std::int32_t byteCount);
  // Appends the text of tail to string.
  AIErr (*Append)(AIUnicodeStringRef string, AIUnicodeStringRef tail);
  // Full-string comparison in UTF-16 code unit order: *result < 0, 0 or > 0.
  AIErr (*Compare)(AIUnicodeStringRef a, AIUnicodeStringRef b, std::int32_t* result);
  // Length in UTF-16 code units.
  AIErr (*Length)(AIUnicodeStringRef string, std::int32_t* length);
  // Copies the text as UTF-8 with a NUL into buffer when it fits; *needed gets the byte count
  // without the NUL. A null buffer with capacity 0 asks for *needed only. A buffer too small
  // gets nothing and the call answers kBadParameterErr.
  AIErr (*GetUTF8)(AIUnicodeStringRef string, char* buffer, std::int32_t capacity,
                   std::int32_t* needed);
  // The same as UTF-16 code units with a terminating 0.
  AIErr (*GetUTF16)(AIUnicodeStringRef string, std::uint16_t* buffer, std::int32_t capacity,
                    std::int32_t* needed);
};
