// A saved document read back art by art, to tell what an operation changed: each art object's
// and layer's own members apart from its states, keyed by id ("layer " + id for layers), and the
// members of each container front to back.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace random_sessions {

struct SavedArt {
  std::string container;  // the key of the layer or art holding it; empty for top-level layers
  std::string own;        // its members but its art and states, written compactly
  std::string states;     // locked, hidden, visible and editable
};
struct SavedDocument {
  std::map<std::string, SavedArt> art;
  std::map<std::string, std::vector<std::string>> members;
};

// json as host::WriteDocument writes it.
SavedDocument ReadSaved(const std::string& json);

}  // namespace random_sessions
