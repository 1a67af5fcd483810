#include "host/core/Transcript.h"

namespace host {

void Transcript::Line(std::string text) {
  if (echo_ != nullptr) std::fprintf(echo_, "%s\n", text.c_str());
  lines_.push_back(std::move(text));
}

void Transcript::Violation(const std::string& what) {
  ++violations_;
  Line("!! violation: " + what);
}

std::string Transcript::Text() const {
  std::string text;
  for (const std::string& line : lines_) text += line + '\n';
  return text;
}

std::string FormatCode(ASErr code) {
  if (code == 0) return "0";
  const auto value = static_cast<std::uint32_t>(code);
  std::string chars;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const char c = static_cast<char>((value >> shift) & 0xFF);
    if (c < 0x20 || c > 0x7E) return std::to_string(code);
    chars += c;
  }
  return "'" + chars + "'";
}

std::string Quote(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\n') {  // a text of several lines stays on one line of the transcript
      quoted += "\\n";
      continue;
    }
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace host
