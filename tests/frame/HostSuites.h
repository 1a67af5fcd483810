// The headless host's real suites, acquired into the plug-in's suite pointers without a plug-in
// module, so that the plug-in's portable code runs in-process against them. Released (and the
// pointers cleared) when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "frame/SuiteTables.h"
#include "tests/frame/SessionFixture.h"

class HostSuitesTest : public SessionTest {
 protected:
  HostSuitesTest() {
    Use(kAIUserSuite, kAIUserSuiteVersion, sAIUser);
    Use(kAIPreferenceSuite, kAIPreferenceSuiteVersion, sAIPreference);
    Use(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, sAIUnicodeString);
    Use(kAIArtSuite, kAIArtSuiteVersion, sAIArt);
    Use(kAIArtSetSuite, kAIArtSetSuiteVersion, sAIArtSet);
    Use(kAIArtStyleSuite, kAIArtStyleSuiteVersion, sAIArtStyle);
    Use(kAIArtStyleParserSuite, kAIArtStyleParserSuiteVersion, sAIArtStyleParser);
  }
  ~HostSuitesTest() override {
    for (const Release& release : releases_) release();
  }

  // The host's "strokeUnits" as the user would set it.
  void SetStrokeUnits(std::int32_t value) {
    host_.preferences().Put({"", kAIStrokeUnitsPreference}, value);
  }

 private:
  using Release = std::function<void()>;
  template <typename Suite>
  void Use(const char* name, std::int32_t version, const Suite*& pointer) {
    const void* table = nullptr;
    ASSERT_EQ(host_.suites().Acquire(name, version, &table), kNoErr) << name;
    pointer = static_cast<const Suite*>(table);
    releases_.push_back([this, name, version, &pointer] {
      host_.suites().Release(name, version);
      pointer = nullptr;
    });
  }
  std::vector<Release> releases_;
};
