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
struct AIToolSuite;  // functions are declared as the plug-in comes to call them
