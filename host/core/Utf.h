// UTF-8 and UTF-16 conversions with validation.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace host {

// Null when the bytes are not well-formed UTF-8 (overlong forms, surrogates, beyond U+10FFFF).
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace host
