// Pattern, custom-colour and gradient swatches: document objects that colours refer to by handle.
// Only the document deletes swatches, because it first rewrites every colour that uses one.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/document/DocumentError.h"
#include "host/document/ObjectRegistry.h"
#include "hostapi/AIColor.h"

namespace host {

// A named colour; art using it follows when it changes. base is gray, four- or three-colour.
struct CustomColor {
  std::string id;
  std::string name;
  AIColor base;
  bool spot = true;  // printed on its own plate
};

// The headless host keeps no tile artwork: a pattern is drawn as its flat colour.
struct Pattern {
  std::string id;
  std::string name;
  AIColor color;  // gray, four- or three-colour
};

enum class GradientType { kLinear, kRadial };

struct GradientStop {
  AIReal rampPoint;  // position along the gradient, 0 to 100
  AIReal midPoint;   // where the blend to the next stop is half way, 13 to 87
  AIColor color;     // gray, four-, three-colour or custom colour
};

struct Gradient {
  std::string id;
  std::string name;
  GradientType type = GradientType::kLinear;
  std::vector<GradientStop> stops;  // by rising rampPoint, at least two
};

class Document;

// Swatches of one kind: live handles, the order in which they were added and their ids.
template <typename Swatch, typename Handle>
class SwatchTable {
 public:
  SwatchTable(std::uint16_t owner, DocumentHandleKind kind, std::string_view idStem)
      : registry_(owner, kind), idStem_(idStem) {}

  // Adds a swatch; an empty id is generated. A duplicate id is refused.
  Handle Add(Swatch swatch) {
    if (swatch.id.empty()) swatch.id = NewId();
    if (byId_.count(swatch.id) != 0) {
      throw DocumentError(kBadParameterErr, "duplicate swatch id \"" + swatch.id + "\"");
    }
    std::string id = swatch.id;
    const Handle handle = registry_.Add(std::make_unique<Swatch>(std::move(swatch)));
    byId_.emplace(std::move(id), handle);
    order_.push_back(handle);
    return handle;
  }

  Swatch* Find(Handle handle) const noexcept { return registry_.Find(handle); }
  HandleStatus Status(Handle handle) const noexcept { return registry_.Status(handle); }
  // Null when no swatch has the id.
  Handle FindById(std::string_view id) const {
    const auto found = byId_.find(std::string(id));
    return found == byId_.end() ? nullptr : found->second;
  }
  // Live handles in the order the swatches were added.
  const std::vector<Handle>& Handles() const noexcept { return order_; }
  std::size_t Count() const noexcept { return order_.size(); }

 private:
  friend class Document;

  std::unique_ptr<Swatch> Remove(Handle handle) {
    std::unique_ptr<Swatch> swatch = registry_.Remove(handle);
    if (swatch) {
      byId_.erase(swatch->id);
      std::erase(order_, handle);
    }
    return swatch;
  }

  std::string NewId() {
    std::string id;
    do {
      id = idStem_ + "-" + std::to_string(++generated_);
    } while (byId_.count(id) != 0);
    return id;
  }

  ObjectRegistry<Swatch, Handle> registry_;
  std::unordered_map<std::string, Handle> byId_;
  std::vector<Handle> order_;
  std::string idStem_;
  unsigned generated_ = 0;
};

using PatternTable = SwatchTable<Pattern, AIPatternHandle>;
using CustomColorTable = SwatchTable<CustomColor, AICustomColorHandle>;
using GradientTable = SwatchTable<Gradient, AIGradientHandle>;

struct SwatchLibrary {
  explicit SwatchLibrary(std::uint16_t owner)
      : patterns(owner, DocumentHandleKind::kPattern, "pattern"),
        customColors(owner, DocumentHandleKind::kCustomColor, "custom"),
        gradients(owner, DocumentHandleKind::kGradient, "gradient") {}

  PatternTable patterns;
  CustomColorTable customColors;
  GradientTable gradients;
};

}  // namespace host
