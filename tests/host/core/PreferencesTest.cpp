#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "host/core/Host.h"
#include "host/core/Preferences.h"
#include "host/core/Session.h"

namespace {

std::string ReadAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class PreferencesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    profile_ = std::filesystem::temp_directory_path() /
               ("lw-preferences-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    std::filesystem::remove_all(profile_);
  }
  void TearDown() override { std::filesystem::remove_all(profile_); }

  const AIPreferenceSuite& suite_ = *host::Preferences::Suite();
  std::filesystem::path profile_;
};

TEST_F(PreferencesTest, KeysAreTypedAndMissingKeysLeaveTheCallersValue) {
  host::Host host;
  std::int32_t units = 2;
  EXPECT_EQ(suite_.GetIntegerPreference(nullptr, "strokeUnits", &units), kNoErr);
  EXPECT_EQ(units, 2);

  ASSERT_EQ(suite_.PutIntegerPreference(nullptr, "strokeUnits", 1), kNoErr);
  ASSERT_EQ(suite_.PutRealPreference("Plug", "Width", 0.25), kNoErr);
  ASSERT_EQ(suite_.PutBooleanPreference("Plug", "Flag", 1), kNoErr);
  // No prefix and an empty prefix are the host's own; a prefix makes another key.
  EXPECT_EQ(suite_.GetIntegerPreference("", "strokeUnits", &units), kNoErr);
  EXPECT_EQ(units, 1);
  std::int32_t other = 7;
  EXPECT_EQ(suite_.GetIntegerPreference("Plug", "strokeUnits", &other), kNoErr);
  EXPECT_EQ(other, 7);
  // Prefix and suffix are kept apart, not run together.
  double width = -1;
  EXPECT_EQ(suite_.GetRealPreference("Plu", "gWidth", &width), kNoErr);
  EXPECT_EQ(width, -1);

  // An integer reads as a real; a real does not read as an integer.
  double asReal = 0;
  EXPECT_EQ(suite_.GetRealPreference(nullptr, "strokeUnits", &asReal), kNoErr);
  EXPECT_EQ(asReal, 1.0);
  std::int32_t asInteger = 5;
  EXPECT_EQ(suite_.GetIntegerPreference("Plug", "Width", &asInteger), kBadParameterErr);
  EXPECT_EQ(asInteger, 5);
  AIBoolean flag = 0;
  EXPECT_EQ(suite_.GetBooleanPreference("Plug", "Flag", &flag), kNoErr);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(host.transcript().ViolationCount(), 0);
}

TEST_F(PreferencesTest, MisuseIsRefusedAndReported) {
  host::Host host;
  std::int32_t value = 3;
  EXPECT_EQ(suite_.GetIntegerPreference("Plug", "", &value), kBadParameterErr);
  EXPECT_EQ(suite_.GetIntegerPreference("Plug", nullptr, &value), kBadParameterErr);
  EXPECT_EQ(suite_.GetIntegerPreference("Plug", "Key", nullptr), kBadParameterErr);
  EXPECT_EQ(suite_.PutRealPreference("Plug", "Key", std::numeric_limits<double>::quiet_NaN()),
            kBadParameterErr);
  EXPECT_EQ(suite_.PutRealPreference("Plug", "Key", std::numeric_limits<double>::infinity()),
            kBadParameterErr);
  EXPECT_EQ(host.transcript().ViolationCount(), 5);
  EXPECT_TRUE(host.preferences().All().empty());
}

TEST_F(PreferencesTest, ValuesOutliveTheHostInItsProfile) {
  {
    host::Host host;
    host.preferences().UseProfile(profile_);
    suite_.PutIntegerPreference(nullptr, "strokeUnits", 1);
    suite_.PutRealPreference("Mivor-LaneWorks1.5", "Path Width Modifier Adding Width", -0.1);
    suite_.PutBooleanPreference("Mivor-LaneWorks1.5", "Do Process Single Path", 0);
  }
  // Written whole through a temporary file that is renamed over the old one.
  EXPECT_TRUE(std::filesystem::exists(profile_ / "preferences.json"));
  EXPECT_FALSE(std::filesystem::exists(profile_ / "preferences.json.tmp"));

  host::Host host;
  host.preferences().UseProfile(profile_);
  std::int32_t units = 2;
  double width = 0;
  AIBoolean single = 1;
  suite_.GetIntegerPreference(nullptr, "strokeUnits", &units);
  suite_.GetRealPreference("Mivor-LaneWorks1.5", "Path Width Modifier Adding Width", &width);
  suite_.GetBooleanPreference("Mivor-LaneWorks1.5", "Do Process Single Path", &single);
  EXPECT_EQ(units, 1);
  EXPECT_EQ(width, -0.1);  // exactly: reals are written so that they read back the same
  EXPECT_EQ(single, 0);
  EXPECT_TRUE(host.transcript().Lines().empty());
}

TEST_F(PreferencesTest, AnUnreadableFileIsReportedAndSetAside) {
  const char* malformed[] = {
      "{ not json",
      R"({"format": "something else", "version": 1, "preferences": {}})",
      R"({"format": "LaneWorks host preferences", "version": 1,
          "preferences": {"": {"strokeUnits": {"integer": 1.5}}}})",
      R"({"format": "LaneWorks host preferences", "version": 1,
          "preferences": {"": {"strokeUnits": {"integer": 99999999999}}}})",
      R"({"format": "LaneWorks host preferences", "version": 1,
          "preferences": {"": {"strokeUnits": 1}}})",
      R"([1, 2, 3])",
  };
  for (const char* text : malformed) {
    SCOPED_TRACE(text);
    std::filesystem::remove_all(profile_);
    std::filesystem::create_directories(profile_);
    std::ofstream(profile_ / "preferences.json", std::ios::binary) << text;

    host::Host host;
    host.preferences().UseProfile(profile_);
    EXPECT_TRUE(host.preferences().All().empty());
    ASSERT_EQ(host.transcript().Lines().size(), 1u);
    EXPECT_NE(host.transcript().Lines()[0].find("preferences.json cannot be read"),
              std::string::npos);
    // Kept for the user to look at; the next change writes a good file.
    EXPECT_EQ(ReadAll(profile_ / "preferences.json.malformed"), text);
    suite_.PutIntegerPreference(nullptr, "strokeUnits", 4);
    host.preferences().UseProfile(profile_);
    std::int32_t units = 0;
    suite_.GetIntegerPreference(nullptr, "strokeUnits", &units);
    EXPECT_EQ(units, 4);
  }
}

TEST_F(PreferencesTest, AnUnreadableFileIsToldApartInPlainWords) {
  const std::pair<const char*, const char*> cases[] = {
      {"{ not json", "(malformed JSON: parse error at line 1, column 4: "},
      // Members of another type are a wrong file, not a library's type error.
      {R"({"format": 7, "version": 1, "preferences": {}})",
       "(it is not a preference file of version 1)"},
      {R"({"format": "LaneWorks host preferences", "version": "1", "preferences": {}})",
       "(it is not a preference file of version 1)"},
  };
  for (const auto& [text, reason] : cases) {
    SCOPED_TRACE(text);
    std::filesystem::remove_all(profile_);
    std::filesystem::create_directories(profile_);
    std::ofstream(profile_ / "preferences.json", std::ios::binary) << text;
    host::Host host;
    host.preferences().UseProfile(profile_);
    ASSERT_EQ(host.transcript().Lines().size(), 1u);
    const std::string& line = host.transcript().Lines()[0];
    EXPECT_NE(line.find(reason), std::string::npos) << line;
    EXPECT_EQ(line.find("json.exception"), std::string::npos) << line;
  }
}

TEST_F(PreferencesTest, ScriptsSetValuesOfEachKindAndAreToldWhatTheyGotWrong) {
  host::Host host;
  host::Session session(host, nullptr, "");
  session.RunLine("set-preference \"\" strokeUnits integer 1");
  session.RunLine("set-preference Mine \"Do It\" boolean true");
  session.RunLine("set-preference Mine Scale real 110.5");
  session.RunLine("preference Mine \"Do It\"");
  session.RunLine("preference Mine Missing");
  EXPECT_EQ(host.transcript().ViolationCount(), 0) << host.transcript().Text();
  EXPECT_EQ(host.transcript().Lines().end()[-3], "preference \"Mine\" \"Do It\": boolean true");
  EXPECT_EQ(host.transcript().Lines().end()[-1], "preference \"Mine\" \"Missing\": not set");
  const host::Preferences::Value* scale = host.preferences().Find({"Mine", "Scale"});
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(std::get<double>(*scale), 110.5);

  for (const char* bad :
       {"set-preference Mine Scale real nan", "set-preference Mine Scale real 1x",
        "set-preference Mine Flag boolean yes", "set-preference Mine Count integer 1.5",
        "set-preference Mine Count integer 99999999999", "set-preference Mine \"\" integer 1",
        "set-preference Mine Count text 1"}) {
    const int before = host.transcript().ViolationCount();
    session.RunLine(bad);
    EXPECT_EQ(host.transcript().ViolationCount(), before + 1) << bad;
  }
  EXPECT_EQ(host.preferences().Find({"Mine", "Count"}), nullptr);
  EXPECT_EQ(std::get<double>(*host.preferences().Find({"Mine", "Scale"})), 110.5);
}

}  // namespace
