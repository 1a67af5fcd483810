// Paint order across containers: which of two art is painted in front, and many art put front
// to back.
#pragma once

#include <vector>

#include "host/document/Art.h"

namespace host {

// Whether a is painted in front of b (distinct art of one document): where their ancestries
// part, the sibling that comes first in its container; an art counts as in front of its members.
bool PaintsInFront(const Art& a, const Art& b);

// Sorts art of one document front to back, as a walk meets it: an art that encloses others
// comes before them.
void SortFrontToBack(std::vector<Art*>& arts);

}  // namespace host
