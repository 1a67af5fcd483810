// A host with a plug-in on the frame started in-process, so that engine code runs against the
// real host suites and document; and checks that each test leaves nothing held and no violation.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "engine/ArtSet.h"
#include "engine/LayerPathMap.h"
#include "host/core/Host.h"
#include "host/core/Session.h"
#include "host/document/DocumentJson.h"
#include "tests/testplugin/InProcessModule.h"

// One run of the host with the plug-in started; optionally with a profile folder.
class EngineHost {
 public:
  explicit EngineHost(const std::filesystem::path& profile = {}) {
    if (!profile.empty()) host.preferences().UseProfile(profile);
    session.RunLine("answer ok ok");  // the test plug-in's start-up messages
    session.RunLine("start");
  }
  ~EngineHost() {
    ClearLayerPathMap();
    if (host.Loaded()) session.RunLine("shutdown");
  }

  host::Host host;
  host::Session session{
      host, [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
};

class EngineTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ClearLayerPathMap();
    EXPECT_EQ(env_.host.strings().LiveCount(), 0u) << "strings held";
    EXPECT_EQ(env_.host.blocks().LiveCount(), 0u) << "blocks held";
    EXPECT_EQ(env_.host.documents().artSets.Count(), 0u) << "art sets held";
    EXPECT_EQ(env_.host.documents().LiveRasterCount(), 0u) << "raster art left";
    env_.host.faults().CheckAllFired();
    env_.session.RunLine("shutdown");
    env_.host.alerts().CheckAllAnswered();
    EXPECT_EQ(env_.host.transcript().ViolationCount(), 0) << Text();
  }

  void Open(const char* json) { env_.host.documents().Replace(host::ReadDocument(json)); }
  // Runs session lines ("answer yes", "layer l2 editable off", "fail Rasterize").
  void Run(const std::string& lines) {
    std::size_t start = 0;
    for (std::size_t end; (end = lines.find('\n', start)) != std::string::npos; start = end + 1)
      env_.session.RunLine(lines.substr(start, end - start));
    env_.session.RunLine(lines.substr(start));
  }
  host::Document& Doc() { return *env_.host.documents().current(); }
  AIArtHandle Art(const char* id) { return Doc().FindArt(id)->handle(); }
  ArtList Ids(std::initializer_list<const char*> ids) {
    ArtList list;
    for (const char* id : ids) list.push_back(Art(id));
    return list;
  }
  AILayerHandle Layer(const char* id) { return Doc().FindLayer(id)->handle(); }
  std::string Saved() { return host::WriteDocument(Doc()); }
  std::string Text() { return env_.host.transcript().Text(); }
  long Count(const std::string& line) {
    const auto& lines = env_.host.transcript().Lines();
    return static_cast<long>(std::count(lines.begin(), lines.end(), line));
  }

  EngineHost env_;
};
