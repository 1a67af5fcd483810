#include "host/win/GuiCounts.h"

#include <windows.h>

#include <vector>

#include "host/win/WideText.h"

namespace host {
namespace {

struct Count {
  const char* plural;  // for the gdi command
  const char* left;    // for what is left at shut-down
  std::int32_t value;
};

std::vector<Count> Named(const LaneWorksGuiCounts& counts) {
  return {
      {"windows", "window(s)", counts.windows}, {"fonts", "font(s)", counts.fonts},
      {"bitmaps", "bitmap(s)", counts.bitmaps}, {"brushes", "brush(es)", counts.brushes},
      {"pens", "pen(s)", counts.pens},          {"dcs", "device context(s)", counts.deviceContexts},
      {"cursors", "cursor(s)", counts.cursors}};
}

}  // namespace

std::optional<LaneWorksGuiCounts> ReadGuiCounts(const std::string& pluginFile, std::string* why) {
  HMODULE module = pluginFile.empty() ? nullptr : GetModuleHandleW(Widen(pluginFile).c_str());
  if (module == nullptr) {
    *why = "module not loaded";
    return std::nullopt;
  }
  // Through void*: a function pointer of one type cannot be cast to another directly.
  const auto read = reinterpret_cast<LaneWorksGuiCountsProc>(
      reinterpret_cast<void*>(GetProcAddress(module, kLaneWorksGuiCountsExport)));
  if (read == nullptr) {
    *why = "no export";
    return std::nullopt;
  }
  LaneWorksGuiCounts counts{};
  read(&counts);
  return counts;
}

GuiCounts::GuiCounts(Host& host) : host_(host) {
  host_.AddWatcher(this);
}

GuiCounts::~GuiCounts() {
  host_.RemoveWatcher(this);
}

void GuiCounts::AddCommands(Session& session) {
  session.Add("gdi", "", [this](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    std::string why;
    const auto counts = ReadGuiCounts(host_.PluginFilePath(), &why);
    if (!counts) {
      host_.transcript().Line("gdi: no counts (" + why + ")");
      return "";
    }
    std::string line = "gdi:";
    for (const Count& count : Named(*counts)) {
      line += std::string(line.size() > 4 ? ", " : " ") + count.plural + " " +
              std::to_string(count.value);
    }
    host_.transcript().Line(line);
    return "";
  });
}

void GuiCounts::BeforePluginShutdown() {
  std::string why;
  const auto counts = ReadGuiCounts(host_.PluginFilePath(), &why);
  if (!counts) return;
  std::string left;
  for (const Count& count : Named(*counts)) {
    if (count.value != 0)
      left += (left.empty() ? "" : ", ") + std::to_string(count.value) + " " + count.left;
  }
  if (!left.empty()) {
    host_.transcript().Violation("the plug-in still holds " + left +
                                 " after the application shut down");
  }
}

}  // namespace host
