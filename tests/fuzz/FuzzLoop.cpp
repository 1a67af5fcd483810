#include "tests/fuzz/FuzzLoop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <typeinfo>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace fuzz {
namespace {

constexpr int kFailuresReported = 5;

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text, &end, 10);
  if (*end != '\0') {
    std::fprintf(stderr, "%s is not a number: %s\n", name, text);
    std::exit(EXIT_FAILURE);
  }
  return value;
}

std::filesystem::path FailureFolder() {
  const char* folder = std::getenv("LANEWORKS_FUZZ_OUT");
  return folder != nullptr && *folder != '\0' ? folder : ".";
}

// The input being run, for the reports made when the process is about to die.
class CurrentInput {
 public:
  void Begin(const std::string& target, std::uint64_t seed, const std::string& input) {
    std::lock_guard lock(mutex_);
    target_ = target;
    seed_ = seed;
    input_ = &input;
    started_ = std::chrono::steady_clock::now();
    running_ = true;
  }
  void End() {
    std::lock_guard lock(mutex_);
    running_ = false;
  }
  // Reports the input; for a sanitizer's death callback and the watchdog.
  void ReportFatal(const char* why) {
    std::lock_guard lock(mutex_);
    if (running_) Report(target_, seed_, *input_, why);
  }
  // Whether the running input has taken longer than budget.
  bool Overdue(std::chrono::milliseconds budget) {
    std::lock_guard lock(mutex_);
    return running_ && std::chrono::steady_clock::now() - started_ > budget;
  }
  // Prints what failed and keeps the input; answers the file it went to.
  static std::string Report(const std::string& target, std::uint64_t seed, const std::string& input,
                            const std::string& why) {
    const std::filesystem::path file =
        FailureFolder() / ("fuzz-" + target + "-" + std::to_string(seed) + ".input");
    std::ofstream(file, std::ios::binary) << input;
    std::fprintf(stderr,
                 "fuzz %s, seed %llu: %s\n  input (%zu bytes, kept in %s): %s\n  replay: "
                 "LANEWORKS_FUZZ_SEED=%llu LANEWORKS_FUZZ_ITERATIONS=1 fuzz_tests "
                 "--gtest_filter='*%s*'\n",
                 target.c_str(), static_cast<unsigned long long>(seed), why.c_str(), input.size(),
                 file.string().c_str(), Printable(input).c_str(),
                 static_cast<unsigned long long>(seed), target.c_str());
    std::fflush(stderr);
    return file.string();
  }

 private:
  std::mutex mutex_;
  std::string target_;
  std::uint64_t seed_ = 0;
  const std::string* input_ = nullptr;
  std::chrono::steady_clock::time_point started_;
  bool running_ = false;
};

CurrentInput& Current() {
  static CurrentInput current;
  return current;
}

// Ends the process when one input runs past its budget: a hang cannot be failed otherwise.
class Watchdog {
 public:
  explicit Watchdog(std::chrono::milliseconds budget)
      : budget_(budget), thread_([this] { Watch(); }) {}
  ~Watchdog() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  Watchdog(const Watchdog&) = delete;
  Watchdog& operator=(const Watchdog&) = delete;

 private:
  void Watch() {
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(100), [this] { return stopping_; })) {
      if (Current().Overdue(budget_)) {
        Current().ReportFatal(("took longer than " + std::to_string(budget_.count()) +
                               " ms (LANEWORKS_FUZZ_BUDGET_MS)")
                                  .c_str());
        std::_Exit(EXIT_FAILURE);
      }
    }
  }

  const std::chrono::milliseconds budget_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopping_ = false;
  std::thread thread_;
};

void OnSanitizerDeath() {
  Current().ReportFatal("the process died (see the sanitizer's report)");
}

}  // namespace

std::string Printable(const std::string& bytes, std::size_t limit) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x20 && c < 0x7f && c != '\\') {
      text += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
      text += escaped;
    }
  }
  if (bytes.size() > limit) text += "... (" + std::to_string(bytes.size() - limit) + " more)";
  return text;
}

bool IsClearMessage(const std::string& message) {
  return !message.empty() && message.find('\n') == std::string::npos &&
         message.find("json.exception") == std::string::npos &&
         message.find("basic_string") == std::string::npos && message != "std::exception";
}

void Run(const Target& target) {
#if defined(__SANITIZE_ADDRESS__)
  __sanitizer_set_death_callback(&OnSanitizerDeath);
#endif
  const std::uint64_t first = EnvironmentNumber("LANEWORKS_FUZZ_SEED", 1);
  const std::uint64_t count =
      EnvironmentNumber("LANEWORKS_FUZZ_ITERATIONS", static_cast<std::uint64_t>(target.iterations));
  const Watchdog watchdog(
      std::chrono::milliseconds(EnvironmentNumber("LANEWORKS_FUZZ_BUDGET_MS", 10000)));
  int failures = 0;
  for (std::uint64_t i = 0; i < count && failures < kFailuresReported; ++i) {
    const std::uint64_t seed = first + i;
    Random random(seed);
    const std::string input = target.make(random);
    Current().Begin(target.name, seed, input);
    std::string problem;
    try {
      problem = target.check(input);
    } catch (const std::exception& error) {
      problem = std::string("an exception escaped (") + typeid(error).name() + "): " + error.what();
    } catch (...) {
      problem = "an exception that is no std::exception escaped";
    }
    Current().End();
    if (!problem.empty()) {
      ++failures;
      const std::string file = CurrentInput::Report(target.name, seed, input, problem);
      ADD_FAILURE() << target.name << ", seed " << seed << ": " << problem << " (input in " << file
                    << ")";
    }
  }
}

}  // namespace fuzz
