// The suites the host publishes, looked up by exact name and version, with a count of what
// plug-ins hold.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/core/Transcript.h"

namespace host {

class SuiteRegistry {
 public:
  explicit SuiteRegistry(Transcript& transcript) : transcript_(transcript) {}

  // Registers a suite, or replaces the table of one already registered.
  void Register(const std::string& name, std::int32_t version, const void* table);
  // Makes the host lack a suite, as an older host would.
  void Omit(const std::string& name) { omitted_.insert(name); }
  void TraceCalls(bool on) { trace_ = on; }

  SPErr Acquire(const char* name, std::int32_t version, const void** suite);
  SPErr Release(const char* name, std::int32_t version);

  struct Held {
    std::string name;
    std::int32_t version;
    int count;
  };
  // Suites acquired more often than released, in registration order.
  std::vector<Held> HeldSuites() const;
  int AcquireCount() const { return acquires_; }
  int ReleaseCount() const { return releases_; }

 private:
  struct Entry {
    const void* table;
    int held = 0;
    int order;
  };
  using Key = std::pair<std::string, std::int32_t>;

  Transcript& transcript_;
  std::map<Key, Entry> suites_;
  std::set<std::string> omitted_;
  bool trace_ = false;
  int acquires_ = 0;
  int releases_ = 0;
};

}  // namespace host
