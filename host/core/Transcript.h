// What a session did, line by line: every message sent and its result, every alert, every
// contract violation. End-to-end tests compare it with an expected text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "hostapi/SPTypes.h"

namespace host {

class Transcript {
 public:
  void Line(std::string text);
  // A broken contract of the plug-in (or of the script): recorded, counted, never fatal.
  void Violation(const std::string& what);

  const std::vector<std::string>& Lines() const { return lines_; }
  int ViolationCount() const { return violations_; }
  std::string Text() const;  // every line with a newline
  // Sends each new line to this stream as it is written as well (null: none).
  void Echo(std::FILE* stream) { echo_ = stream; }

 private:
  std::vector<std::string> lines_;
  int violations_ = 0;
  std::FILE* echo_ = nullptr;
};

// A result code as people read it: 0, a quoted four-character code, or a number.
std::string FormatCode(ASErr code);
// A text in double quotes, with quotes and backslashes escaped.
std::string Quote(const std::string& text);

}  // namespace host
