// Automatic update rules of menu items, judged against the open document and its selection as
// they are when the user opens the menu.
#pragma once

#include <string>

#include "host/document/Document.h"
#include "hostapi/AIMenu.h"

namespace host {

// The kind bit of an art type; 0 for a type no kind stands for.
AIMenuArtKinds ArtKindOf(AIArtType type);
// What in a rule the host does not define; empty for a rule it can follow.
std::string CheckRule(const AIMenuAutoUpdateRule& rule);
// Whether every condition of the rule holds; document is null when none is open.
bool RuleHolds(const AIMenuAutoUpdateRule& rule, const Document* document);

}  // namespace host
