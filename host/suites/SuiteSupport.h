// Shared by the document suites: reaching the host, checking result pointers, and the common
// shape of a call that works on one art object or layer.
#pragma once

#include <string>

#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace host::suites {

inline Documents& Docs() {
  return Host::Current().documents();
}
inline Transcript& Log() {
  return Host::Current().transcript();
}

// False (with a violation) when a result pointer is null.
template <typename T>
bool Out(T* pointer, const char* function) {
  if (pointer != nullptr) return true;
  Log().Violation(std::string(function) + " with a null result pointer");
  return false;
}

// The object of a live handle of table; null, with a violation naming what the handle was
// meant to be ("an art set"), for a stale, foreign or null handle.
template <typename Table, typename Handle>
auto FindLive(const Table& table, Handle handle, const char* function, const char* what) {
  auto* found = table.Find(handle);
  if (found == nullptr)
    Log().Violation(std::string(function) + " with " + what + " that is not live");
  return found;
}

// Runs work(art) for a live art handle; answers the refusal code otherwise.
template <typename Work>
AIErr WithArt(AIArtHandle handle, const char* function, Work work) {
  Art* art = Docs().FindArt(handle, function);
  if (art == nullptr) return Docs().RefusalCode();
  return work(*art);
}

template <typename Work>
AIErr WithLayer(AILayerHandle handle, const char* function, Work work) {
  Layer* layer = Docs().FindLayer(handle, function);
  if (layer == nullptr) return Docs().RefusalCode();
  return work(*layer);
}

// The document's answer to an edit it refuses (a DocumentError), as its code.
template <typename Change>
AIErr Edit(Change change) {
  const AIErr error = RunEdit(change);
  if (error == kNoErr) Docs().MarkEdited();
  return error;
}

}  // namespace host::suites
