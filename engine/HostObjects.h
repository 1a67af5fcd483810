// Owners of host objects that the engine makes for a moment: art it draws for its own use,
// a host art set built from a list, and a memory block. Each gives its object back when it goes
// out of scope, on every way out.
#pragma once

#include <cstdint>
#include <vector>

#include "hostapi/AITypes.h"

// Art made by the engine that must not stay in the document.
class TemporaryArt {
 public:
  TemporaryArt() = default;
  ~TemporaryArt();
  TemporaryArt(const TemporaryArt&) = delete;
  TemporaryArt& operator=(const TemporaryArt&) = delete;

  void Add(AIArtHandle art) { art_.push_back(art); }
  const std::vector<AIArtHandle>& Handles() const { return art_; }

 private:
  std::vector<AIArtHandle> art_;
};

// How many objects of temporary art the host refused to dispose of since the module was loaded:
// each stayed in the document.
std::uint64_t TemporaryArtLeftBehind();

// A host art set holding given art, in the given order.
class ListedArtSet {
 public:
  ListedArtSet() = default;
  ~ListedArtSet();
  ListedArtSet(const ListedArtSet&) = delete;
  ListedArtSet& operator=(const ListedArtSet&) = delete;

  AIErr Fill(const std::vector<AIArtHandle>& art);
  AIArtSetHandle Handle() const { return set_; }

 private:
  AIArtSetHandle set_ = nullptr;
};

// A block of the host's memory.
class HostBlock {
 public:
  HostBlock() = default;
  ~HostBlock();
  HostBlock(const HostBlock&) = delete;
  HostBlock& operator=(const HostBlock&) = delete;

  AIErr Allocate(std::uint64_t size);
  std::uint8_t* Bytes() const { return static_cast<std::uint8_t*>(block_); }

 private:
  void* block_ = nullptr;
};
