// Malformed preference files: a file that cannot be read is set aside whole with a message saying
// why, and the host starts with no preferences; a file that is read keeps values the host can
// write back and read again.
#include <gtest/gtest.h>

#include <cmath>

#include "host/core/Host.h"
#include "host/core/Session.h"
#include "tests/fuzz/Corpus.h"
#include "tests/fuzz/FuzzLoop.h"
#include "tests/testplugin/InProcessModule.h"

namespace {

const std::vector<std::string> kPreferenceFiles = {
    R"({
  "format": "LaneWorks host preferences",
  "preferences": {
    "": {"strokeUnits": {"integer": 1}},
    "Mivor-LaneWorks1.5": {
      "Path Width Modifier Adding Width": {"real": 0.25},
      "Path Width Modifier Scale": {"real": 110.0},
      "Path Width Modifier Type": {"integer": 0},
      "deleteKeepsFront": {"boolean": true}
    }
  },
  "version": 1
})",
    R"({"format": "LaneWorks host preferences", "version": 1, "preferences": {}})",
    R"({"format": "LaneWorks host preferences", "version": 1, "preferences": {"p": {"s": {"real": -1e-3}, "t": {"integer": -2147483648}, "u": {"boolean": false}}}})"};

const std::vector<std::string> kPreferenceWords = {"format",
                                                   "version",
                                                   "preferences",
                                                   "boolean",
                                                   "integer",
                                                   "real",
                                                   "true",
                                                   "false",
                                                   "LaneWorks host preferences",
                                                   "strokeUnits",
                                                   "Mivor-LaneWorks1.5"};

class PreferenceReload {
 public:
  PreferenceReload() : profile_("preferences") { host_.preferences().UseProfile(profile_.path()); }

  std::string Check(const std::string& text) {
    const std::filesystem::path file = profile_.path() / "preferences.json";
    const std::filesystem::path aside = profile_.path() / "preferences.json.malformed";
    std::filesystem::remove(aside);
    fuzz::WriteFile(file, text);
    const std::size_t lines = host_.transcript().Lines().size();
    session_.RunLine("preferences reload");
    const auto& transcript = host_.transcript().Lines();
    if (host_.transcript().ViolationCount() != 0) return "violations: " + host_.transcript().Text();

    if (transcript.size() > lines + 1) return SetAside(transcript.back(), file, aside, text);
    return WritesBack();
  }

 private:
  // The file was refused: it must be kept aside as it was, and nothing loaded.
  std::string SetAside(const std::string& line, const std::filesystem::path& file,
                       const std::filesystem::path& aside, const std::string& text) {
    const std::string start = "preferences: preferences.json cannot be read (";
    const std::string end =
        "); set aside as preferences.json.malformed, starting with no preferences";
    if (line.rfind(start, 0) != 0 || !line.ends_with(end)) return "unexpected answer: " + line;
    const std::string why = line.substr(start.size(), line.size() - start.size() - end.size());
    if (!fuzz::IsClearMessage(why)) return "unclear refusal: " + line;
    if (!host_.preferences().All().empty()) return "a refused file left preferences loaded";
    if (std::filesystem::exists(file)) return "the refused file was not set aside";
    if (fuzz::ReadFile(aside) != text) return "the file set aside is not the file refused";
    return "";
  }

  // Values read are ones the host could have stored: they write and read back unchanged.
  std::string WritesBack() {
    const auto loaded = host_.preferences().All();
    for (const auto& [key, value] : loaded) {
      if (key.second.empty()) return "an empty suffix was loaded";
      if (const double* real = std::get_if<double>(&value); real && !std::isfinite(*real)) {
        return "a real that is not finite was loaded: " + host::Describe(value);
      }
    }
    host_.preferences().Put({"fuzz", "marker"}, std::int32_t{1});
    session_.RunLine("preferences reload");
    auto expected = loaded;
    expected[{"fuzz", "marker"}] = std::int32_t{1};
    if (host_.preferences().All() != expected) {
      return "what was loaded did not read back after saving: " + host_.transcript().Lines().back();
    }
    return "";
  }

  fuzz::ScratchFolder profile_;
  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
};

TEST(Fuzz, PreferenceFile) {
  const fuzz::Mutator mutator(kPreferenceFiles, kPreferenceWords);
  PreferenceReload reload;
  fuzz::Run({"PreferenceFile", 800, [&](fuzz::Random& random) { return mutator.Next(random); },
             [&](const std::string& text) { return reload.Check(text); }});
}

}  // namespace
