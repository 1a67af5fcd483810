// Session commands for tools: pick a tool, click and move the cursor over the artwork, and the
// view settings that tools see (snapping, zoom). Every click is checked afterwards: nothing the
// click hid may stay hidden and no hit reference may stay held.
#include <string>

#include "host/core/Session.h"

namespace host {
namespace {

constexpr char kNoTool[] = "no tool is picked";

// "X Y" then optional modifier keys.
bool ParsePoint(const Words& a, AIRealPoint* point, std::uint16_t* modifiers) {
  if (a.size() < 2 || !ParseNumber(a[0], &point->h) || !ParseNumber(a[1], &point->v)) return false;
  *modifiers = 0;
  for (std::size_t i = 2; i < a.size(); ++i) {
    if (a[i] == "shift") {
      *modifiers |= kAIEventModifiersShiftKey;
    } else if (a[i] == "ctrl") {
      *modifiers |= kAIEventModifiersControlKey;
    } else if (a[i] == "alt") {
      *modifiers |= kAIEventModifiersOptionKey;
    } else {
      return false;
    }
  }
  return true;
}

std::size_t HiddenArtCount(const Document* document) {
  std::size_t hidden = 0;
  if (document == nullptr) return hidden;
  document->ForEachArt([&hidden](const Art& art) {
    if (art.ownAttributes() & kArtHidden) ++hidden;
  });
  return hidden;
}

// Sends one tool message for the picked tool at an artwork point.
ASErr SendToolMessage(Host& host, const Tools::Tool& tool, const char* selector, AIRealPoint point,
                      std::uint16_t modifiers) {
  static std::uint32_t clock = 0;
  const Document* document = host.documents().current();
  const AIReal zoom = document != nullptr ? document->view().zoom : 1;
  AIEvent event{modifiers, AIRealPoint{point.h * zoom, -point.v * zoom}, clock += 100};
  MessageRecord message{};
  message.tool.tool = tool.handle;
  message.tool.cursor = point;
  message.tool.pressure = 1;
  message.tool.event = &event;
  return host.Send(kAIToolCaller, selector, message);
}

void AddPointerCommands(Session& session) {
  Host& host = session.host();
  session.Add("click", "X Y [shift] [ctrl] [alt]", [&host](const Words& a) -> std::string {
    AIRealPoint point{};
    std::uint16_t modifiers = 0;
    if (!ParsePoint(a, &point, &modifiers)) return "a point and modifier keys expected";
    const Tools::Tool* tool = host.tools().Picked();
    if (tool == nullptr) return kNoTool;
    const std::size_t hiddenBefore = HiddenArtCount(host.documents().current());
    const std::size_t hitsBefore = host.documents().hits.Count();
    SendToolMessage(host, *tool, kAIToolMouseDownSelector, point, modifiers);
    SendToolMessage(host, *tool, kAIToolMouseUpSelector, point, modifiers);
    const std::size_t hiddenAfter = HiddenArtCount(host.documents().current());
    if (hiddenAfter != hiddenBefore) {
      host.transcript().Violation("the click left " + std::to_string(hiddenAfter) +
                                  " art hidden where there were " + std::to_string(hiddenBefore));
    }
    const std::size_t hitsAfter = host.documents().hits.Count();
    if (hitsAfter > hitsBefore) {
      host.transcript().Violation(std::to_string(hitsAfter - hitsBefore) +
                                  " hit reference(s) still held after the click");
    }
    return "";
  });
  session.Add("track", "X Y [shift] [ctrl] [alt]", [&host](const Words& a) -> std::string {
    AIRealPoint point{};
    std::uint16_t modifiers = 0;
    if (!ParsePoint(a, &point, &modifiers)) return "a point and modifier keys expected";
    const Tools::Tool* tool = host.tools().Picked();
    if (tool == nullptr) return kNoTool;
    if ((tool->options & kToolWantsToTrackCursorOption) == 0) {
      host.transcript().Line("track: the tool does not ask to track the cursor");
      return "";
    }
    SendToolMessage(host, *tool, kAITrackToolSelector, point, modifiers);
    const std::string cursor = host.tools().ReadCursor();
    host.transcript().Line("cursor: " + (cursor.empty() ? "not observable here" : cursor));
    return "";
  });
}

void AddToolListCommands(Session& session) {
  Host& host = session.host();
  session.Add("tools", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    for (const Tools::Tool& tool : host.tools().All()) {
      host.transcript().Line("tool " + Quote(tool.name) + " title " + Quote(tool.title) +
                             " tooltip " + Quote(tool.tooltip) + " icons " +
                             std::to_string(tool.normalIcon) + " " + std::to_string(tool.darkIcon) +
                             " options " + std::to_string(tool.options));
    }
    return "";
  });
  session.Add("pick-tool", "NAME", [&host](const Words& a) -> std::string {
    if (a.size() != 1) return "one tool name expected";
    const Tools::Tool* tool = host.tools().FindByName(a[0]);
    if (tool == nullptr) return "no tool is named " + Quote(a[0]);
    host.tools().Pick(*tool);
    MessageRecord message{};
    message.tool.tool = tool->handle;
    message.tool.pressure = 1;
    host.Send(kAIToolCaller, kAISelectToolSelector, message);
    return "";
  });
}

void AddViewCommands(Session& session) {
  Host& host = session.host();
  session.Add("snapping", "on|off", [&host](const Words& a) -> std::string {
    if (a.size() != 1 || (a[0] != "on" && a[0] != "off")) return "on or off expected";
    Document* document = host.documents().current();
    if (document == nullptr) return "no document is open";
    document->view().snapping = a[0] == "on";
    return "";
  });
  session.Add("zoom", "FACTOR", [&host](const Words& a) -> std::string {
    AIReal zoom = 0;
    if (a.size() != 1 || !ParseNumber(a[0], &zoom) || !(zoom >= 0.03125 && zoom <= 640)) {
      return "a zoom factor from 0.03125 to 640 expected";
    }
    Document* document = host.documents().current();
    if (document == nullptr) return "no document is open";
    document->view().zoom = zoom;
    return "";
  });
}

}  // namespace

void AddToolCommands(Session& session) {
  AddToolListCommands(session);
  AddPointerCommands(session);
  AddViewCommands(session);
}

}  // namespace host
