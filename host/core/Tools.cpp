#include "host/core/Tools.h"

#include <algorithm>

#include "host/core/Faultable.h"
#include "host/core/HandleTable.h"
#include "host/core/Host.h"

namespace host {
namespace {

AIErr AddTool(SPPluginRef plugin, const char* name, const AIAddToolData* data, std::int32_t options,
              AIToolHandle* tool) {
  return Host::Current().tools().Add(plugin, name, data, options, tool);
}

bool ValidIcon(std::int32_t id) {
  return id > 0 && id <= 0xFFFF;
}

}  // namespace

AIErr Tools::Add(SPPluginRef plugin, const char* name, const AIAddToolData* data,
                 std::int32_t options, AIToolHandle* tool) {
  if (!Host::Current().IsPlugin(plugin) || name == nullptr || *name == '\0' || data == nullptr ||
      tool == nullptr || data->title == nullptr || data->tooltip == nullptr) {
    transcript_.Violation(
        "AddTool with a bad plug-in reference, name, tool data or result pointer");
    return kBadParameterErr;
  }
  if (FindByName(name) != nullptr) {
    transcript_.Violation("AddTool of " + Quote(name) + ", a name already in use");
    return kBadParameterErr;
  }
  if (data->iconType != kPNGIconType || !ValidIcon(data->normalIconID) ||
      !ValidIcon(data->darkIconID)) {
    transcript_.Violation("AddTool of " + Quote(name) + " with icons that are not PNG resources");
    return kBadParameterErr;
  }
  const auto handle = reinterpret_cast<AIToolHandle>(
      (static_cast<std::uintptr_t>(tools_.size() + 1) << 8) | kToolHandle);
  tools_.push_back(Tool{handle, name, data->title, data->tooltip, data->normalIconID,
                        data->darkIconID, data->iconType, data->sameGroupAs, data->sameToolsetAs,
                        options});
  *tool = handle;
  return kNoErr;
}

const Tools::Tool* Tools::FindByName(const std::string& name) const {
  const auto found = std::find_if(tools_.begin(), tools_.end(),
                                  [&](const Tool& tool) { return tool.name == name; });
  return found == tools_.end() ? nullptr : &*found;
}

const Tools::Tool* Tools::Picked() const {
  const auto found = std::find_if(tools_.begin(), tools_.end(),
                                  [this](const Tool& tool) { return tool.handle == picked_; });
  return found == tools_.end() ? nullptr : &*found;
}

void Tools::Clear() {
  tools_.clear();
  picked_ = nullptr;
}

const AIToolSuite* Tools::Suite() {
  static const AIToolSuite suite = {HOST_FAULTABLE(AddTool)};
  return &suite;
}

}  // namespace host
