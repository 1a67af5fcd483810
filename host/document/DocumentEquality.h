// Equality of two documents, as saving and loading must keep it: the same layers with the same
// states, the same art with the same ids, attributes, geometry, anchor selection and appearance,
// the same swatches (colours compared through the ids of the swatches they name), the same current
// layer and view. Handles are not compared: they differ between documents.
#pragma once

#include <string>

#include "host/document/Document.h"

namespace host {

// Empty when the documents are equal; otherwise where and how they first differ.
std::string FirstDifference(const Document& a, const Document& b);

}  // namespace host
