// The session command that switches the host's interface theme.
#include "host/core/Session.h"

namespace host {

void AddThemeCommands(Session& session) {
  Host& host = session.host();
  session.Add("theme", "light|dark", [&host](const Words& a) -> std::string {
    if (a.size() != 1 || (a[0] != "light" && a[0] != "dark")) return "light or dark expected";
    if (!host.theme().SetDark(a[0] == "dark")) {
      host.transcript().Line("theme: " + a[0] + " already");
      return "";
    }
    host.transcript().Line("theme: " + a[0]);
    host.Notify(kAIUIBrightnessChangedNotifier);
    return "";
  });
}

}  // namespace host
