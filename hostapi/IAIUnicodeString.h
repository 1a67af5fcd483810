// ai::UnicodeString: an owning wrapper of a host string made through the AI Unicode String
// Suite. Failures of the host arrive as ai::Error. The plug-in defines sAIUnicodeString.
#pragma once

#include <string>
#include <string_view>

#include "hostapi/AIError.h"
#include "hostapi/AIUnicodeString.h"

extern "C" const AIUnicodeStringSuite* sAIUnicodeString;

namespace ai {

class UnicodeString {
 public:
  UnicodeString();                                // empty
  explicit UnicodeString(std::string_view utf8);  // throws ai::Error on malformed UTF-8
  UnicodeString(const UnicodeString& other);
  UnicodeString(UnicodeString&& other) noexcept;
  UnicodeString& operator=(UnicodeString other) noexcept;
  ~UnicodeString();

  UnicodeString& append(const UnicodeString& tail);
  // Full-string comparison, as the host orders strings.
  int compare(const UnicodeString& other) const;
  bool operator==(const UnicodeString& other) const { return compare(other) == 0; }
  bool empty() const { return length() == 0; }
  std::size_t length() const;  // in UTF-16 code units
  std::string as_UTF8() const;
  std::u16string as_UTF16() const;
  void clear() { assign(""); }
  void assign(std::string_view utf8);

  // The host handle, valid while this object lives; for suite calls that take a string.
  AIUnicodeStringRef handle() const { return handle_; }

 private:
  AIUnicodeStringRef handle_ = nullptr;
};

}  // namespace ai
