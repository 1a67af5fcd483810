// Runs session scripts against the frame test plug-in linked into the test program.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "host/core/Host.h"
#include "host/core/Session.h"
#include "tests/testplugin/InProcessModule.h"

class SessionTest : public ::testing::Test {
 protected:
  // Runs the whole script, ending the session, and answers the number of violations.
  int Run(const std::string& script) { return session_.Run(script); }
  // Runs lines and leaves the session open.
  void RunLines(const std::string& lines) {
    std::size_t start = 0;
    while (start <= lines.size()) {
      const std::size_t end = lines.find('\n', start);
      session_.RunLine(lines.substr(start, end == std::string::npos ? end : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
  }
  const std::vector<std::string>& Lines() { return host_.transcript().Lines(); }
  bool Has(const std::string& line) {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }
  // The position of a line after from, or -1.
  long Find(const std::string& line, long from = 0) {
    auto found = std::find(Lines().begin() + from, Lines().end(), line);
    return found == Lines().end() ? -1 : static_cast<long>(found - Lines().begin());
  }
  std::string Text() { return host_.transcript().Text(); }

  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
};
