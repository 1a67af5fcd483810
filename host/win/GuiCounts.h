// The plug-in's own counts of the windows, GDI objects and cursors its owners hold, read through
// the export it has for the host: shown by the "gdi" command, and checked to be all zero once
// the application has shut the plug-in's panel and tool down.
#pragma once

#include <optional>
#include <string>

#include "host/core/Session.h"
#include "panel/GuiCounts.h"

namespace host {

class GuiCounts : public ShutdownWatcher {
 public:
  explicit GuiCounts(Host& host);
  ~GuiCounts() override;
  GuiCounts(const GuiCounts&) = delete;
  GuiCounts& operator=(const GuiCounts&) = delete;

  void AddCommands(Session& session);
  void BeforePluginShutdown() override;

 private:
  Host& host_;
};

// The counts the module of pluginFile reports; none (with the reason in *why) when the module is
// not loaded or has no such export.
std::optional<LaneWorksGuiCounts> ReadGuiCounts(const std::string& pluginFile, std::string* why);

}  // namespace host
