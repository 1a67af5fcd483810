// Session commands that make host calls fail on purpose, and that show what the plug-in holds
// beyond strings and contexts.
#include <cctype>
#include <charconv>
#include <optional>

#include "host/core/Session.h"

namespace host {
namespace {

// A result code as a script writes it: four characters ('FAIL' or FAIL) or a number.
std::optional<ASErr> ParseCode(std::string text) {
  if (text.size() == 6 && text.front() == '\'' && text.back() == '\'') text = text.substr(1, 4);
  if (text.size() == 4 && std::isalpha(static_cast<unsigned char>(text[0]))) {
    const char code[5] = {text[0], text[1], text[2], text[3], '\0'};
    return FourCharCode(code);
  }
  ASErr value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc() && end == text.data() + text.size() && value != 0) return value;
  return std::nullopt;
}

}  // namespace

void AddFaultCommands(Session& session) {
  Host& host = session.host();
  session.Add("fail", "FUNCTION [N] [CODE]", [&host](const Words& a) -> std::string {
    if (a.empty() || a.size() > 3) return "a suite function, then a call number and a code";
    int nth = 1;
    if (a.size() >= 2) {
      const auto [end, error] = std::from_chars(a[1].data(), a[1].data() + a[1].size(), nth);
      if (error != std::errc() || end != a[1].data() + a[1].size() || nth < 1)
        return "the call number is not a positive number";
    }
    const auto code = a.size() == 3 ? ParseCode(a[2]) : ParseCode("FAIL");
    if (!code) return "the code is not four characters or a non-zero number";
    host.faults().Arm(a[0], nth, *code);
    return "";
  });
  session.Add("fail-call", "N [CODE]", [&host](const Words& a) -> std::string {
    if (a.empty() || a.size() > 2) return "a call number, then a code";
    long nth = 0;
    const auto [end, error] = std::from_chars(a[0].data(), a[0].data() + a[0].size(), nth);
    if (error != std::errc() || end != a[0].data() + a[0].size() || nth < 1)
      return "the call number is not a positive number";
    const auto code = a.size() == 2 ? ParseCode(a[1]) : ParseCode("FAIL");
    if (!code) return "the code is not four characters or a non-zero number";
    host.faults().ArmCall(nth, *code);
    return "";
  });
  session.Add("calls", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    host.transcript().Line("calls: " + std::to_string(host.faults().CallCount()));
    return "";
  });
  session.Add("held", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    host.transcript().Line("held: " + host.documents().HeldSummary() + ", blocks " +
                           std::to_string(host.blocks().LiveCount()));
    return "";
  });
}

}  // namespace host
