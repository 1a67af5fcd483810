#include "host/core/MenuRules.h"

namespace host {
namespace {

static_assert(kMenuTextFrameArtKind == 1 << (kTextFrameArt - 1));
static_assert(kMenuAllArtKinds == (1 << kTextFrameArt) - 1);

// The kinds of the art in the document and of the selected art.
struct Kinds {
  AIMenuArtKinds present = 0;
  AIMenuArtKinds selected = 0;
};

Kinds KindsIn(const Document& document) {
  Kinds kinds;
  document.ForEachArt([&](const Art& art) {
    if (art.IsLayerGroup()) return;
    const AIMenuArtKinds kind = ArtKindOf(art.type());
    kinds.present |= kind;
    if (art.ownAttributes() & kArtSelected) kinds.selected |= kind;
  });
  return kinds;
}

AIMenuConditions TrueConditions(const Document* document) {
  return document != nullptr ? kMenuIfDocumentIsOpen : 0;
}

}  // namespace

AIMenuArtKinds ArtKindOf(AIArtType type) {
  return type >= kGroupArt && type <= kTextFrameArt ? 1 << (type - 1) : 0;
}

std::string CheckRule(const AIMenuAutoUpdateRule& rule) {
  if (rule.action != kMenuAutoEnableAction) {
    return "the action " + std::to_string(rule.action) + ", which the host does not define";
  }
  const AIMenuArtKinds kinds = rule.ifObjectIsInArtwork | rule.ifObjectIsNotInArtwork |
                               rule.ifObjectIsSelected | rule.ifObjectIsNotSelected;
  if ((kinds & ~kMenuAllArtKinds) != 0) {
    return "the art kinds " + std::to_string(kinds & ~kMenuAllArtKinds) +
           ", which the host does not define";
  }
  const AIMenuConditions conditions = rule.ifIsTrue | rule.ifIsNotTrue;
  if ((conditions & ~kMenuIfDocumentIsOpen) != 0) {
    return "the conditions " + std::to_string(conditions & ~kMenuIfDocumentIsOpen) +
           ", which the host does not define";
  }
  return "";
}

bool RuleHolds(const AIMenuAutoUpdateRule& rule, const Document* document) {
  const AIMenuConditions conditions = TrueConditions(document);
  if ((conditions & rule.ifIsTrue) != rule.ifIsTrue) return false;
  if ((conditions & rule.ifIsNotTrue) != 0) return false;
  // The walk over the document only when a kind is asked about.
  const bool asksKinds = (rule.ifObjectIsInArtwork | rule.ifObjectIsNotInArtwork |
                          rule.ifObjectIsSelected | rule.ifObjectIsNotSelected) != 0;
  const Kinds kinds = asksKinds && document != nullptr ? KindsIn(*document) : Kinds{};
  if (rule.ifObjectIsInArtwork != 0 && (kinds.present & rule.ifObjectIsInArtwork) == 0) {
    return false;
  }
  if ((kinds.present & rule.ifObjectIsNotInArtwork) != 0) return false;
  if (rule.ifObjectIsSelected != 0 && (kinds.selected & rule.ifObjectIsSelected) == 0) {
    return false;
  }
  return (kinds.selected & rule.ifObjectIsNotSelected) == 0;
}

}  // namespace host
