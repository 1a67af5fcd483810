#include "host/core/SuiteRegistry.h"

#include <algorithm>

namespace host {

void SuiteRegistry::Register(const std::string& name, std::int32_t version, const void* table) {
  auto [entry, added] =
      suites_.try_emplace({name, version}, Entry{table, 0, static_cast<int>(suites_.size())});
  // A later layer of the host replaces a table in place, keeping its place in the order.
  if (!added) entry->second.table = table;
}

SPErr SuiteRegistry::Acquire(const char* name, std::int32_t version, const void** suite) {
  if (name == nullptr || suite == nullptr) {
    transcript_.Violation("AcquireSuite with a null name or result pointer");
    return kBadParameterErr;
  }
  auto found = suites_.find({name, version});
  if (found == suites_.end() || omitted_.count(name) != 0) {
    if (trace_)
      transcript_.Line("acquire " + Quote(name) + " " + std::to_string(version) + " -> 'S!Fd'");
    return kSPSuiteNotFoundError;
  }
  ++found->second.held;
  ++acquires_;
  *suite = found->second.table;
  if (trace_) transcript_.Line("acquire " + Quote(name) + " " + std::to_string(version));
  return kNoErr;
}

SPErr SuiteRegistry::Release(const char* name, std::int32_t version) {
  if (name == nullptr) {
    transcript_.Violation("ReleaseSuite with a null name");
    return kBadParameterErr;
  }
  auto found = suites_.find({name, version});
  if (found == suites_.end() || found->second.held == 0) {
    transcript_.Violation("release of " + Quote(name) + " " + std::to_string(version) +
                          ", which is not held");
    return kBadParameterErr;
  }
  --found->second.held;
  ++releases_;
  if (trace_) transcript_.Line("release " + Quote(name) + " " + std::to_string(version));
  return kNoErr;
}

std::vector<SuiteRegistry::Held> SuiteRegistry::HeldSuites() const {
  std::vector<std::pair<int, Held>> held;
  for (const auto& [key, entry] : suites_) {
    if (entry.held != 0) held.push_back({entry.order, Held{key.first, key.second, entry.held}});
  }
  std::sort(held.begin(), held.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Held> result;
  for (auto& [order, entry] : held) result.push_back(std::move(entry));
  return result;
}

}  // namespace host
