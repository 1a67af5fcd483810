#include "host/core/Strings.h"

#include <cstring>

#include "host/core/Faultable.h"
#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace host {
namespace {

Strings& Table() {
  return Host::Current().strings();
}
Transcript& Log() {
  return Host::Current().transcript();
}

// Reads byteCount bytes of UTF-8 (-1: up to the NUL) as UTF-16; null for malformed input.
std::optional<std::u16string> Decode(const char* utf8, std::int32_t byteCount,
                                     const char* function) {
  if (utf8 == nullptr || byteCount < -1) {
    Log().Violation(std::string(function) + " with a null text or a negative length");
    return std::nullopt;
  }
  const std::size_t size =
      byteCount == -1 ? std::strlen(utf8) : static_cast<std::size_t>(byteCount);
  auto text = Utf8ToUtf16(std::string_view(utf8, size));
  if (!text) Log().Violation(std::string(function) + " with malformed UTF-8");
  return text;
}

AIErr Create(const char* utf8, std::int32_t byteCount, AIUnicodeStringRef* string) {
  if (string == nullptr) {
    Log().Violation("Create with a null result pointer");
    return kBadParameterErr;
  }
  auto text = Decode(utf8, byteCount, "Create");
  if (!text) return kBadParameterErr;
  *string = Table().Add(std::move(*text));
  return kNoErr;
}

AIErr Dispose(AIUnicodeStringRef string) {
  if (!Table().Remove(string)) {
    Log().Violation("Dispose of a string that is not live");
    return kStaleHandleErr;
  }
  return kNoErr;
}

AIErr Set(AIUnicodeStringRef string, const char* utf8, std::int32_t byteCount) {
  std::u16string* target = Table().Find(string, "Set");
  if (target == nullptr) return kStaleHandleErr;
  auto text = Decode(utf8, byteCount, "Set");
  if (!text) return kBadParameterErr;
  *target = std::move(*text);
  return kNoErr;
}

AIErr Append(AIUnicodeStringRef string, AIUnicodeStringRef tail) {
  std::u16string* target = Table().Find(string, "Append");
  const std::u16string* source = Table().Find(tail, "Append");
  if (target == nullptr || source == nullptr) return kStaleHandleErr;
  *target += std::u16string(*source);  // a copy first: appending a string to itself is allowed
  return kNoErr;
}

AIErr Compare(AIUnicodeStringRef a, AIUnicodeStringRef b, std::int32_t* result) {
  const std::u16string* left = Table().Find(a, "Compare");
  const std::u16string* right = Table().Find(b, "Compare");
  if (left == nullptr || right == nullptr) return kStaleHandleErr;
  if (result == nullptr) {
    Log().Violation("Compare with a null result pointer");
    return kBadParameterErr;
  }
  const int order = left->compare(*right);
  *result = order < 0 ? -1 : (order > 0 ? 1 : 0);
  return kNoErr;
}

AIErr Length(AIUnicodeStringRef string, std::int32_t* length) {
  const std::u16string* text = Table().Find(string, "Length");
  if (text == nullptr) return kStaleHandleErr;
  if (length == nullptr) {
    Log().Violation("Length with a null result pointer");
    return kBadParameterErr;
  }
  *length = static_cast<std::int32_t>(text->size());
  return kNoErr;
}

// Copies units (with a terminating 0) into buffer when it fits, as both Get functions promise.
template <typename Unit, typename Text>
AIErr CopyOut(const Text& text, Unit* buffer, std::int32_t capacity, std::int32_t* needed,
              const char* function) {
  if (needed == nullptr || capacity < 0 || (buffer == nullptr && capacity != 0)) {
    Log().Violation(std::string(function) + " with a bad buffer, capacity or result pointer");
    return kBadParameterErr;
  }
  *needed = static_cast<std::int32_t>(text.size());
  if (buffer == nullptr) return kNoErr;
  if (static_cast<std::size_t>(capacity) < text.size() + 1) return kBadParameterErr;
  for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = static_cast<Unit>(text[i]);
  buffer[text.size()] = 0;
  return kNoErr;
}

AIErr GetUTF8(AIUnicodeStringRef string, char* buffer, std::int32_t capacity,
              std::int32_t* needed) {
  const std::u16string* text = Table().Find(string, "GetUTF8");
  if (text == nullptr) return kStaleHandleErr;
  return CopyOut(Utf16ToUtf8(*text), buffer, capacity, needed, "GetUTF8");
}

AIErr GetUTF16(AIUnicodeStringRef string, std::uint16_t* buffer, std::int32_t capacity,
               std::int32_t* needed) {
  const std::u16string* text = Table().Find(string, "GetUTF16");
  if (text == nullptr) return kStaleHandleErr;
  return CopyOut(*text, buffer, capacity, needed, "GetUTF16");
}

}  // namespace

std::u16string* Strings::Find(AIUnicodeStringRef string, const char* function) {
  std::u16string* text = table_.Find(string);
  if (text == nullptr)
    transcript_.Violation(std::string(function) + " with a string that is not live");
  return text;
}

std::string Strings::Utf8(AIUnicodeStringRef string, const char* function) {
  const std::u16string* text = Find(string, function);
  return text == nullptr ? std::string() : Utf16ToUtf8(*text);
}

void Strings::CheckAllDisposed(const char* when) {
  if (table_.Count() == 0) return;
  transcript_.Violation(std::to_string(table_.Count()) + " string(s) never disposed " + when);
  table_.Clear();
}

const AIUnicodeStringSuite* Strings::Suite() {
  static const AIUnicodeStringSuite suite = {HOST_FAULTABLE_AS(Create, "UnicodeString.Create"),
                                             HOST_FAULTABLE(Dispose),
                                             HOST_FAULTABLE(Set),
                                             HOST_FAULTABLE(Append),
                                             HOST_FAULTABLE(Compare),
                                             HOST_FAULTABLE(Length),
                                             HOST_FAULTABLE(GetUTF8),
                                             HOST_FAULTABLE(GetUTF16)};
  return &suite;
}

}  // namespace host
