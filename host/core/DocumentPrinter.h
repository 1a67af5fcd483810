// The document as lines of text for the transcript: stable (ids, not handles; numbers in a
// fixed short form) and readable, so that end-to-end tests can compare states.
#pragma once

#include <string>
#include <vector>

#include "host/document/Document.h"

namespace host {

// Every layer (with sublayers, indented) and every art object, then the selection.
std::vector<std::string> DescribeDocument(const Document& document);
// One art object (with members) or one layer (with its art), found by id; empty when none.
std::vector<std::string> DescribeObject(const Document& document, const std::string& id);
// A number as the transcript writes it: up to six decimals, no trailing zeros.
std::string FormatNumber(double value);

}  // namespace host
