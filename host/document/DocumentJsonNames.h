// The words of document files for the host's numbered kinds, shared by reading and writing.
#pragma once

#include <optional>
#include <string_view>
#include <utility>

#include "host/document/Swatches.h"
#include "hostapi/AIPathStyle.h"
#include "hostapi/AITypes.h"

namespace host::json_names {

template <typename Value>
using NameTable = std::pair<Value, std::string_view>;

inline constexpr NameTable<AIColorTag> kColorKinds[] = {
    {kGrayColor, "gray"},     {kFourColor, "cmyk"},  {kThreeColor, "rgb"},    {kNoneColor, "none"},
    {kCustomColor, "custom"}, {kPattern, "pattern"}, {kGradient, "gradient"},
};

// "layer" marks a sublayer inside a layer's art list; it is no art type.
inline constexpr NameTable<AIArtType> kArtTypes[] = {
    {kGroupArt, "group"},    {kPathArt, "path"},     {kCompoundPathArt, "compoundPath"},
    {kTextFrameArt, "text"}, {kPlacedArt, "placed"}, {kRasterArt, "raster"},
};
inline constexpr std::string_view kSublayerType = "layer";

inline constexpr NameTable<AILineCap> kCaps[] = {
    {kAIButtCap, "butt"}, {kAIRoundCap, "round"}, {kAIProjectingCap, "projecting"}};
inline constexpr NameTable<AILineJoin> kJoins[] = {
    {kAIMiterJoin, "miter"}, {kAIRoundJoin, "round"}, {kAIBevelJoin, "bevel"}};
inline constexpr NameTable<GradientType> kGradientTypes[] = {{GradientType::kLinear, "linear"},
                                                             {GradientType::kRadial, "radial"}};

template <typename Value, std::size_t N>
std::string_view NameOf(const NameTable<Value> (&table)[N], Value value) {
  for (const auto& [known, name] : table) {
    if (known == value) return name;
  }
  return {};
}

template <typename Value, std::size_t N>
std::optional<Value> ValueOf(const NameTable<Value> (&table)[N], std::string_view name) {
  for (const auto& [known, known_name] : table) {
    if (known_name == name) return known;
  }
  return std::nullopt;
}

}  // namespace host::json_names
