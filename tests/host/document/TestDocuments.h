// Small documents for the document model's tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "host/document/Colors.h"
#include "host/document/Document.h"

namespace host::testing {

// A path of corner points placed at the back of container.
inline Art& AddPath(Document& document, Art& container, const std::string& id,
                    std::initializer_list<AIRealPoint> points, bool closed = false) {
  Art& path = document.NewArt(kPathArt, kPlaceInsideOnBottom, container, id);
  for (const AIRealPoint& p : points) path.path().segments.push_back(CornerAt(p));
  path.path().closed = closed;
  return path;
}

inline Art& AddGroup(Document& document, Art& container, const std::string& id) {
  return document.NewArt(kGroupArt, kPlaceInsideOnBottom, container, id);
}

// Ids of art, in the order given.
inline std::vector<std::string> Ids(const std::vector<Art*>& art) {
  std::vector<std::string> ids;
  for (const Art* a : art) ids.push_back(a->id());
  return ids;
}

// Ids of a container's members, front to back.
inline std::vector<std::string> MemberIds(const Art& container) {
  std::vector<std::string> ids;
  for (const Art* a = container.firstChild(); a; a = a->behind()) {
    ids.push_back(a->IsLayerGroup() ? "layer:" + a->ownerLayer()->id() : a->id());
  }
  return ids;
}

inline AIStrokeStyle Stroke(AIColor color, AIReal width) {
  AIStrokeStyle stroke = DefaultStroke();
  stroke.color = color;
  stroke.width = width;
  return stroke;
}

}  // namespace host::testing
