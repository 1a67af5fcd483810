// Tool messages.
#pragma once

#include "hostapi/SPMessage.h"

constexpr char kAIToolCaller[] = "AI Tool";
constexpr char kAIEditToolSelector[] = "AI Edit Options";
constexpr char kAITrackToolSelector[] = "AI Track Cursor";
constexpr char kAIToolMouseDownSelector[] = "AI Mouse Down";
constexpr char kAIToolMouseDragSelector[] = "AI Mouse Drag";
constexpr char kAIToolMouseUpSelector[] = "AI Mouse Up";
constexpr char kAISelectToolSelector[] = "AI Select";
constexpr char kAIDeselectToolSelector[] = "AI Deselect";
constexpr char kAIReselectToolSelector[] = "AI Reselect";
constexpr char kAIToolDecreaseDiameterSelector[] = "AI Decrease Diameter";
constexpr char kAIToolIncreaseDiameterSelector[] = "AI Increase Diameter";

// The state of the input devices when a tool message was sent.
struct AIEvent {
  std::uint16_t modifiers;  // kAIEventModifiers...
  AIRealPoint where;        // screen position
  std::uint32_t when;       // milliseconds since the host started
};
constexpr std::uint16_t kAIEventModifiersShiftKey = 0x0200;
constexpr std::uint16_t kAIEventModifiersControlKey = 0x1000;
constexpr std::uint16_t kAIEventModifiersOptionKey = 0x0800;

struct AIToolMessage {
  SPMessageData d;
  AIToolHandle tool;
  AIRealPoint cursor;  // artwork coordinates
  AIReal pressure;     // 0 to 1; 1 for a mouse
  AIEvent* event;
};

constexpr char kAIToolSuite[] = "AI Tool Suite";
constexpr std::int32_t kAIToolSuiteVersion = 19;

// Tools that a new tool shares its palette slot or tool set with; kNoTool for none.
using AIToolType = std::int32_t;
constexpr AIToolType kNoTool = -2;

// Icons of a tool: PNG images in resources of type "PNGI" of the plug-in's module.
constexpr std::int32_t kPNGIconType = 2;

// A tool as AddTool registers it. The host copies everything it keeps.
struct AIAddToolData {
  const char* title;          // UTF-8, shown in the tools palette
  const char* tooltip;        // UTF-8
  std::int32_t normalIconID;  // icon for light themes
  std::int32_t darkIconID;    // icon for dark themes
  std::int32_t iconType;      // kPNGIconType
  AIToolType sameGroupAs;     // kNoTool: a group of its own
  AIToolType sameToolsetAs;   // kNoTool: no tool set
};

// Options of AddTool.
constexpr std::int32_t kToolWantsToTrackCursorOption = 1;  // send "AI Track Cursor" messages

struct AIToolSuite {
  // Adds a tool of plugin named name (unique among tools, copied by the host). The host sends
  // the plug-in "AI Tool" messages for it from then on; *tool is the host's handle, valid until
  // the host quits. A name already in use is refused with kBadParameterErr.
  AIErr (*AddTool)(SPPluginRef plugin, const char* name, const AIAddToolData* data,
                   std::int32_t options, AIToolHandle* tool);
};
