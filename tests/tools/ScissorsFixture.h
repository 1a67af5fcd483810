// A host with a plug-in on the frame started in-process, so that the path splitting and the
// scissors tool run against the real host suites and document. Paths are written as compact
// strings: anchors "x,y" separated by blanks, "~" before a smooth anchor, handles that are not
// on their anchor as "[in-x,in-y|out-x,out-y]", and " z" at the end of a closed path.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/core/Host.h"
#include "host/core/Session.h"
#include "tests/testplugin/InProcessModule.h"

namespace scissors_test {

host::PathGeometry ParsePath(const std::string& text);
std::string DescribePath(const host::PathGeometry& path);

class ScissorsTest : public ::testing::Test {
 protected:
  ScissorsTest();
  ~ScissorsTest() override;
  void TearDown() override;

  // A new path in the layer "roads" (in front of what is there), made from a compact string.
  AIArtHandle AddPath(const std::string& id, const std::string& path);
  host::Art& ArtOf(AIArtHandle handle) { return *Doc().FindArt(handle); }
  std::string PathOf(AIArtHandle handle) { return DescribePath(ArtOf(handle).path()); }
  host::Document& Doc() { return *host_.documents().current(); }
  void Run(const std::string& line) { session_.RunLine(line); }
  std::string Text() { return host_.transcript().Text(); }

  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
  host::Layer* layer_ = nullptr;
};

}  // namespace scissors_test
