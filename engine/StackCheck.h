// Finding broken overlap lines: stacks that lost a copy, copies reshaped on their own, copies
// made twice, and copies in another layer than their setting names.
//
// The settings the store holds (current, history, batch list, in that order) say what a whole
// stack is. A path is a member when its style equals an entry's style by the rules of setting
// equality (stroke widths not compared); members of equal geometry (the host's equality test)
// form a group, listed back to front. Each group takes one setting:
//   - the first setting whose entries' styles are exactly the styles of the group's copies;
//   - otherwise, among the settings holding all of the copies' styles, the one with the most
//     entries (the first on a tie).
// Only a setting under which the group has a copy in its place (an entry's style in that entry's
// layer) is taken; a group with none is passed over, as is every path of no setting's style.
//
// Findings of a group, in order:
//   - a duplicate: a further copy for an entry whose copy is there (the back-most one stays);
//   - a copy in the wrong layer: its style is an entry's whose copy is missing; it is moved there;
//   - drifted copies: two incomplete groups of one setting whose present entries complement each
//     other and whose curves lie within the setting's widest stroke (at least 1 pt) of each
//     other. One group's geometry is given to the other's copies;
//   - missing copies: entries an incomplete group still lacks; they are made as create makes
//     copies.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ArtSet.h"
#include "engine/PathCloseness.h"
#include "hostapi/AIPathStyle.h"

class OverlapSettingStore;
class OverlapSetting;

// A setting as the check reads it: its entries without repeats (an entry equal in layer path and
// style to an earlier one is dropped), each with its style's class and its layer.
struct CheckedEntry {
  std::int32_t styleClass;  // entries and members of equal styles share a class
  AILayerHandle layer;
  AIPathStyle style;
};
struct CheckedSetting {
  const OverlapSetting* setting;
  std::vector<CheckedEntry> entries;
  std::vector<std::int32_t> classes;  // the entries' style classes, sorted, without repeats
  AIReal reach;                       // the widest stroke, at least 1 pt
};

// A copy of a repaired stack moved into its entry's layer.
struct MovedCopy {
  AIArtHandle copy;
  std::size_t entry;
};

// One broken stack and what mends it. Entries are indices into the setting's checked entries.
struct BrokenStack {
  std::size_t setting = 0;
  // The copies that stay, by entry (null for an entry the stack lacks); a moved copy is listed
  // at its entry.
  std::vector<AIArtHandle> copies;
  // The path whose geometry every copy ends with: the copies of the other group of a drifted
  // pair are reshaped to it, and missing copies are made from it.
  AIArtHandle geometry = nullptr;
  std::vector<AIArtHandle> reshaped;    // drifted copies, given geometry's shape
  std::vector<MovedCopy> moved;         // copies in the wrong layer
  std::vector<AIArtHandle> duplicates;  // deleted
  std::vector<std::size_t> missing;     // entries made anew

  std::size_t Findings() const {
    return reshaped.size() + moved.size() + duplicates.size() + missing.size();
  }
};

struct StackFindings {
  std::vector<CheckedSetting> settings;
  std::vector<BrokenStack> stacks;  // in the order of their back-most copy
  std::size_t missing = 0, drifted = 0, duplicates = 0, wrongLayer = 0;
  // Groups whose copies' styles no one setting holds: the check cannot tell what they lack.
  std::size_t unmatched = 0;
  // Settings left out because a layer they name is gone or a swatch they use is deleted.
  std::size_t unusableSettings = 0;
  // The paths a repair changes, moves or deletes, and the copies of stacks it completes.
  ArtList concerned;

  std::size_t Mendable() const { return missing + drifted + duplicates + wrongLayer; }
};

struct CheckScope {
  // Only stacks holding one of these paths are reported; every stack when empty.
  ArtList within;
  // Of a drifted pair, the group holding one of these paths gives the geometry when the other
  // holds none.
  ArtList preferred;
};

// Checks the document against the settings of store. A host error ends the check and is
// returned, with findings left empty.
AIErr FindBrokenStacks(const OverlapSettingStore& store, const CheckScope& scope,
                       StackFindings& findings);

// Reads a path's anchors, handles and closed flag.
AIErr ReadPathShape(AIArtHandle path, PathShape& shape);
