// The focal fill and stroke of path art.
#pragma once

#include <cstdint>

#include "hostapi/AIColor.h"
#include "hostapi/AITypes.h"

constexpr char kAIPathStyleSuite[] = "AI Path Style Suite";
constexpr std::int32_t kAIPathStyleSuiteVersion = 14;

constexpr std::int16_t kMaxDashComponents = 6;

struct AIDashStyle {
  std::int16_t length;               // number of values in array that are used; 0 is a solid line
  AIReal array[kMaxDashComponents];  // alternating dash and gap lengths in points
  AIReal offset;                     // distance into the pattern at which the path starts
};

enum AILineCap : std::int32_t {
  kAIButtCap = 0,
  kAIRoundCap = 1,
  kAIProjectingCap = 2,
};

enum AILineJoin : std::int32_t {
  kAIMiterJoin = 0,
  kAIRoundJoin = 1,
  kAIBevelJoin = 2,
};

struct AIFillStyle {
  AIColor color;
  AIBoolean overprint;
};

struct AIStrokeStyle {
  AIColor color;
  AIBoolean overprint;
  AIReal width;  // points
  AIDashStyle dash;
  AILineCap cap;
  AILineJoin join;
  AIReal miterLimit;  // ratio of miter length to width beyond which a miter join is bevelled
};

// The focal fill and focal stroke of an art's appearance, with the path-wide flags.
struct AIPathStyle {
  AIBoolean fillPaint;
  AIFillStyle fill;
  AIBoolean strokePaint;
  AIStrokeStyle stroke;
  AIBoolean clip;      // the path is a clipping path
  AIBoolean lockClip;  // the clipping path cannot be released
  AIBoolean evenodd;   // fill rule: even-odd when true, non-zero winding otherwise
  AIReal resolution;   // flatness resolution in dots per inch
};

struct AIPathStyleSuite {
  // The focal fill and stroke of the art's appearance. *hasAdvancedFill (may be null) tells
  // whether the appearance holds more than the focal fill and stroke.
  AIErr (*GetPathStyle)(AIArtHandle art, AIPathStyle* style, AIBoolean* hasAdvancedFill);
  // Replaces the focal fill and stroke (adding or removing them as the paint flags say).
  AIErr (*SetPathStyle)(AIArtHandle art, const AIPathStyle* style);
};
