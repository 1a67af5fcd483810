// The tools plug-ins add to the host's tools palette, the one the user has picked, and what the
// platform can tell of the cursor a tool has set.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/core/Transcript.h"
#include "hostapi/AITool.h"

namespace host {

class Tools {
 public:
  struct Tool {
    AIToolHandle handle;
    std::string name;
    std::string title;  // UTF-8
    std::string tooltip;
    std::int32_t normalIcon;
    std::int32_t darkIcon;
    std::int32_t iconType;
    AIToolType sameGroupAs;
    AIToolType sameToolsetAs;
    std::int32_t options;
  };
  // Names the cursor shown now ("134" for the plug-in's cursor resource 134, ...).
  using CursorReader = std::function<std::string()>;

  explicit Tools(Transcript& transcript) : transcript_(transcript) {}

  AIErr Add(SPPluginRef plugin, const char* name, const AIAddToolData* data, std::int32_t options,
            AIToolHandle* tool);
  const std::vector<Tool>& All() const { return tools_; }
  const Tool* FindByName(const std::string& name) const;

  // The tool the user works with; null until one is picked.
  const Tool* Picked() const;
  void Pick(const Tool& tool) { picked_ = tool.handle; }

  // Forgets every tool (the plug-in that added them has quit).
  void Clear();

  void SetCursorReader(CursorReader reader) { cursorReader_ = std::move(reader); }
  // The cursor as the reader names it; empty without a reader (no window system).
  std::string ReadCursor() const { return cursorReader_ ? cursorReader_() : std::string(); }

  static const AIToolSuite* Suite();

 private:
  Transcript& transcript_;
  std::vector<Tool> tools_;
  AIToolHandle picked_ = nullptr;
  CursorReader cursorReader_;
};

}  // namespace host
