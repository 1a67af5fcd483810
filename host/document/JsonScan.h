// A quick pass over JSON text for the common case: well-formed files. It accepts only text that
// nlohmann-json accepts too, and hands the same values to a SAX-like handler. Anything it does
// not take (malformed text, a byte order mark, numbers out of range) makes it return false, so
// the caller reads the text again with nlohmann-json, whose messages say what is wrong and where.
#pragma once

#include <charconv>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace host {

// The handler takes what nlohmann-json's SAX parser gives (string and key as std::string_view,
// no container sizes), with number(double) for every number.
template <typename Handler>
class JsonScanner {
 public:
  JsonScanner(std::string_view text, Handler& handler)
      : at_(text.data()), end_(text.data() + text.size()), handler_(handler) {}

  // Whether the whole text was one JSON value, with the handler told all of it.
  bool Scan() {
    std::vector<bool> inObject;  // the open containers
    SkipSpace();
    for (;;) {
      // A value is due.
      if (at_ == end_) return false;
      if (*at_ == '{' || *at_ == '[') {
        const bool object = *at_++ == '{';
        object ? handler_.start_object(kUnknownSize) : handler_.start_array(kUnknownSize);
        SkipSpace();
        if (at_ != end_ && *at_ == (object ? '}' : ']')) {
          ++at_;
          object ? handler_.end_object() : handler_.end_array();
        } else {
          inObject.push_back(object);
          if (object && !Key()) return false;
          continue;
        }
      } else if (!Scalar()) {
        return false;
      }
      // After a value: a comma and the next one, or the end of containers.
      for (;;) {
        SkipSpace();
        if (inObject.empty()) return at_ == end_;
        if (at_ == end_) return false;
        const char c = *at_++;
        if (c == ',') {
          SkipSpace();
          if (inObject.back() && !Key()) return false;
          break;
        }
        if (c != (inObject.back() ? '}' : ']')) return false;
        inObject.back() ? handler_.end_object() : handler_.end_array();
        inObject.pop_back();
      }
    }
  }

 private:
  static constexpr std::size_t kUnknownSize = static_cast<std::size_t>(-1);

  void SkipSpace() {
    while (at_ != end_ && (*at_ == ' ' || *at_ == '\n' || *at_ == '\r' || *at_ == '\t')) ++at_;
  }

  // A member's name and its colon.
  bool Key() {
    std::string_view name;
    if (at_ == end_ || *at_ != '"' || !String(&name)) return false;
    SkipSpace();
    if (at_ == end_ || *at_ != ':') return false;
    ++at_;
    SkipSpace();
    handler_.key(name);
    return true;
  }

  bool Scalar() {
    switch (*at_) {
      case '"': {
        std::string_view text;
        if (!String(&text)) return false;
        handler_.string(text);
        return true;
      }
      case 't':
        if (!Literal("true")) return false;
        handler_.boolean(true);
        return true;
      case 'f':
        if (!Literal("false")) return false;
        handler_.boolean(false);
        return true;
      case 'n':
        if (!Literal("null")) return false;
        handler_.null();
        return true;
      default:
        return Number();
    }
  }

  bool Literal(std::string_view word) {
    if (static_cast<std::size_t>(end_ - at_) < word.size() ||
        std::string_view(at_, word.size()) != word) {
      return false;
    }
    at_ += word.size();
    return true;
  }

  // Printable ASCII strings are taken as they stand; one with escapes or other bytes is decoded
  // by nlohmann-json, so that it checks them as it always did.
  bool String(std::string_view* text) {
    const char* start = ++at_;
    while (at_ != end_ && static_cast<unsigned char>(*at_) >= 0x20 &&
           static_cast<unsigned char>(*at_) < 0x80 && *at_ != '"' && *at_ != '\\') {
      ++at_;
    }
    if (at_ == end_) return false;
    if (*at_ == '"') {
      *text = std::string_view(start, static_cast<std::size_t>(at_++ - start));
      return true;
    }
    while (at_ != end_ && *at_ != '"') at_ += *at_ == '\\' && at_ + 1 != end_ ? 2 : 1;
    if (at_ == end_) return false;
    ++at_;
    const nlohmann::json decoded = nlohmann::json::parse(start - 1, at_, nullptr, false);
    if (!decoded.is_string()) return false;
    decoded_ = decoded.get_ref<const std::string&>();
    *text = decoded_;
    return true;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  // -? (0 | [1-9][0-9]*) (. [0-9]+)? ([eE] [+-]? [0-9]+)?
  bool Number() {
    const char* start = at_;
    if (*at_ == '-') ++at_;
    if (at_ == end_ || !IsDigit(*at_)) return false;
    if (*at_++ != '0') {
      while (at_ != end_ && IsDigit(*at_)) ++at_;
    }
    bool integer = true;
    if (at_ != end_ && *at_ == '.') {
      integer = false;
      if (++at_ == end_ || !IsDigit(*at_)) return false;
      while (at_ != end_ && IsDigit(*at_)) ++at_;
    }
    if (at_ != end_ && (*at_ == 'e' || *at_ == 'E')) {
      integer = false;
      if (++at_ != end_ && (*at_ == '+' || *at_ == '-')) ++at_;
      if (at_ == end_ || !IsDigit(*at_)) return false;
      while (at_ != end_ && IsDigit(*at_)) ++at_;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(start, at_, value);
    if (error != std::errc() || stop != at_) return false;
    // nlohmann-json reads integers as integers: -0 is 0.
    if (integer && value == 0) value = 0;
    handler_.number(value);
    return true;
  }

  const char* at_;
  const char* end_;
  Handler& handler_;
  std::string decoded_;
};

}  // namespace host
