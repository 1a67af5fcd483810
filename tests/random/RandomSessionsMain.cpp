// Runs seeded random sessions: random_sessions [--first SEED] [--count N] [--out DIR], or one
// session with its script and transcript printed and written: random_sessions --seed SEED. A
// failing session is written to DIR/SEED/ as the document and a script that replays it with the
// real plug-in.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/random/RandomSession.h"

namespace {

struct Options {
  std::uint64_t first = 1;
  std::uint64_t count = 200;
  bool verbose = false;
  std::filesystem::path out = "random-failures";
};

bool ParseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--first") {
      options.first = std::strtoull(value, nullptr, 10);
    } else if (name == "--count") {
      options.count = std::strtoull(value, nullptr, 10);
    } else if (name == "--seed") {
      options.first = std::strtoull(value, nullptr, 10);
      options.count = 1;
      options.verbose = true;
    } else if (name == "--out") {
      options.out = value;
    } else {
      return false;
    }
  }
  return argc % 2 == 1;
}

void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

// The document, the replay script and the native transcript, in DIR/SEED/.
void WriteSession(const Options& options, std::uint64_t seed,
                  random_sessions::RandomSession& session) {
  const std::filesystem::path folder = options.out / std::to_string(seed);
  std::filesystem::create_directories(folder);
  WriteFile(folder / "document.json", session.DocumentJson());
  WriteFile(folder / "replay.session",
            random_sessions::SessionScript("document.json", session.Steps()));
  WriteFile(folder / "transcript.txt", session.Transcript());
  std::printf("  document: %s\n  script:   %s\n  native transcript: %s\n",
              (folder / "document.json").c_str(), (folder / "replay.session").c_str(),
              (folder / "transcript.txt").c_str());
}

// A seed must give the same document and session every time, or no failure could be replayed.
bool Reproducible(std::uint64_t seed) {
  std::string scripts[2];
  for (std::string& script : scripts) {
    random_sessions::RandomSession session(seed);
    static_cast<void>(session.Run());
    script = session.DocumentJson() + "\n" +
             random_sessions::SessionScript("document.json", session.Steps());
  }
  if (scripts[0] == scripts[1]) return true;
  std::printf("seed %llu failed: two runs made different sessions\n",
              static_cast<unsigned long long>(seed));
  return false;
}

// Answers whether the session passed.
bool RunOne(const Options& options, std::uint64_t seed) {
  std::string problem;
  random_sessions::RandomSession session(seed);
  try {
    problem = session.Run();
  } catch (const std::exception& error) {
    problem = std::string("an exception: ") + error.what();
  }
  if (options.verbose) {
    std::printf("%s\n%s", random_sessions::SessionScript("document.json", session.Steps()).c_str(),
                session.Transcript().c_str());
    WriteSession(options, seed, session);  // to replay it under the real host
  }
  if (problem.empty()) return true;
  std::printf("seed %llu failed: %s\n", static_cast<unsigned long long>(seed), problem.c_str());
  WriteSession(options, seed, session);
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr,
                 "usage: %s [--first SEED] [--count N] [--out DIR] | --seed SEED [--out DIR]\n",
                 argv[0]);
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  std::uint64_t passed = 0;
  std::uint64_t failed = Reproducible(options.first) ? 0 : 1;
  for (std::uint64_t seed = options.first; seed < options.first + options.count; ++seed) {
    if (RunOne(options, seed)) {
      ++passed;
    } else {
      ++failed;
    }
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
  std::printf("random sessions from seed %llu in %.1f s\n",
              static_cast<unsigned long long>(options.first), seconds.count());
  std::printf("%llu passed, %llu failed\n", static_cast<unsigned long long>(passed),
              static_cast<unsigned long long>(failed));
  return failed == 0 ? 0 : 1;
}
