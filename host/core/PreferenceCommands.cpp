// Session commands for the host's preferences.
#include <charconv>
#include <cmath>

#include "host/core/Session.h"

namespace host {
namespace {

// The value a script gives for kind; null when the text is not one.
std::optional<Preferences::Value> ParseValue(const std::string& kind, const std::string& text) {
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (kind == "boolean") {
    if (text == "true") return true;
    if (text == "false") return false;
  } else if (kind == "integer") {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end == last) return value;
  } else if (kind == "real") {
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end == last && std::isfinite(value)) return value;
  }
  return std::nullopt;
}

std::string Name(const Preferences::Key& key) {
  return Quote(key.first) + " " + Quote(key.second);
}

}  // namespace

void AddPreferenceCommands(Session& session) {
  Host& host = session.host();
  session.Add("set-preference", "\"PREFIX\" \"SUFFIX\" boolean|integer|real VALUE",
              [&host](const Words& a) -> std::string {
                if (a.size() != 4 || a[1].empty()) return "prefix, suffix, kind and value expected";
                const auto value = ParseValue(a[2], a[3]);
                if (!value) return "the value is not a " + a[2];
                host.preferences().Put({a[0], a[1]}, *value);
                // Changing a preference of the host is announced to every plug-in.
                host.Notify(kAIPreferenceChangedNotifier);
                return "";
              });
  session.Add("preference", "\"PREFIX\" \"SUFFIX\"", [&host](const Words& a) -> std::string {
    if (a.size() != 2) return "prefix and suffix expected";
    const Preferences::Value* value = host.preferences().Find({a[0], a[1]});
    host.transcript().Line("preference " + Name({a[0], a[1]}) + ": " +
                           (value == nullptr ? "not set" : Describe(*value)));
    return "";
  });
  session.Add("preferences", "[reload]", [&host](const Words& a) -> std::string {
    if (a.size() == 1 && a[0] == "reload") {
      // What a host started again would find in its profile.
      if (!host.preferences().File().empty())
        host.preferences().UseProfile(host.preferences().File().parent_path());
      return "";
    }
    if (!a.empty()) return "nothing or reload expected";
    const auto& all = host.preferences().All();
    if (all.empty()) host.transcript().Line("preferences: none");
    for (const auto& [key, value] : all)
      host.transcript().Line("preference " + Name(key) + ": " + Describe(value));
    return "";
  });
}

}  // namespace host
