#include "hostapi/IAIUnicodeString.h"

#include <utility>

namespace ai {
namespace {

const AIUnicodeStringSuite& Suite() {
  if (sAIUnicodeString == nullptr) throw Error(kBadStateErr);
  return *sAIUnicodeString;
}

std::int32_t ByteCount(std::string_view utf8) {
  if (utf8.size() > 0x7FFFFFFFu) throw Error(kBadParameterErr);
  return static_cast<std::int32_t>(utf8.size());
}

}  // namespace

// An empty view that still points at text: the host refuses a null text.
UnicodeString::UnicodeString() : UnicodeString(std::string_view("", 0)) {}

UnicodeString::UnicodeString(std::string_view utf8) {
  check(Suite().Create(utf8.data(), ByteCount(utf8), &handle_));
}

UnicodeString::UnicodeString(const UnicodeString& other) : UnicodeString() {
  append(other);
}

UnicodeString::UnicodeString(UnicodeString&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

UnicodeString& UnicodeString::operator=(UnicodeString other) noexcept {
  std::swap(handle_, other.handle_);
  return *this;
}

UnicodeString::~UnicodeString() {
  // A string outliving the suite (after an unload) cannot be given back; the host reports it.
  if (handle_ != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Dispose(handle_);
}

UnicodeString& UnicodeString::append(const UnicodeString& tail) {
  check(Suite().Append(handle_, tail.handle_));
  return *this;
}

int UnicodeString::compare(const UnicodeString& other) const {
  std::int32_t result = 0;
  check(Suite().Compare(handle_, other.handle_, &result));
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

std::size_t UnicodeString::length() const {
  std::int32_t length = 0;
  check(Suite().Length(handle_, &length));
  return static_cast<std::size_t>(length);
}

std::string UnicodeString::as_UTF8() const {
  std::int32_t needed = 0;
  check(Suite().GetUTF8(handle_, nullptr, 0, &needed));
  std::string text(static_cast<std::size_t>(needed) + 1, '\0');
  check(Suite().GetUTF8(handle_, text.data(), needed + 1, &needed));
  text.resize(static_cast<std::size_t>(needed));
  return text;
}

std::u16string UnicodeString::as_UTF16() const {
  std::int32_t needed = 0;
  check(Suite().GetUTF16(handle_, nullptr, 0, &needed));
  std::u16string text(static_cast<std::size_t>(needed) + 1, u'\0');
  check(Suite().GetUTF16(handle_, reinterpret_cast<std::uint16_t*>(text.data()), needed + 1,
                         &needed));
  text.resize(static_cast<std::size_t>(needed));
  return text;
}

void UnicodeString::assign(std::string_view utf8) {
  check(Suite().Set(handle_, utf8.data(), ByteCount(utf8)));
}

}  // namespace ai
