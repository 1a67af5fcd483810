// Ranges that document files must keep, shared by reading and writing.
#pragma once

namespace host::json_limits {

inline constexpr double kMaxCoordinate = 1e7;    // points from the origin, also for lengths
inline constexpr double kMaxStrokeWidth = 1000;  // points
inline constexpr double kMaxDashValue = 1000;    // points
inline constexpr double kMinMiterLimit = 1;
inline constexpr double kMaxMiterLimit = 500;
inline constexpr double kMinResolution = 1;
inline constexpr double kMaxResolution = 100000;
inline constexpr double kMinFontSize = 0.1;
inline constexpr double kMaxFontSize = 1296;
inline constexpr double kMinZoom = 0.03125;
inline constexpr double kMaxZoom = 640;
inline constexpr double kMaxAngle = 3600;  // degrees either way
inline constexpr double kMinMidPoint = 13;
inline constexpr double kMaxMidPoint = 87;
// Layers, sublayers, groups and compound paths inside one another; reading recurses per level.
inline constexpr int kMaxNesting = 256;
inline constexpr int kFormatVersion = 1;
inline constexpr const char* kFormatName = "laneworks-document";

}  // namespace host::json_limits
