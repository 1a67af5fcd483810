#include "host/document/PaintOrder.h"

#include <algorithm>
#include <cstdint>

namespace host {
namespace {

// The art and its enclosing art, from the top-level layer group down.
void Ancestry(const Art& art, std::vector<const Art*>* chain) {
  chain->clear();
  for (const Art* at = &art; at != nullptr; at = at->parent()) chain->push_back(at);
  std::reverse(chain->begin(), chain->end());
}

}  // namespace

bool PaintsInFront(const Art& a, const Art& b) {
  if (a.parent() == b.parent()) return a.siblingOrder() < b.siblingOrder();
  thread_local std::vector<const Art*> chainA, chainB;
  Ancestry(a, &chainA);
  Ancestry(b, &chainB);
  std::size_t level = 0;
  while (level < chainA.size() && level < chainB.size() && chainA[level] == chainB[level]) ++level;
  if (level == chainA.size() || level == chainB.size()) return level == chainA.size();
  return chainA[level]->siblingOrder() < chainB[level]->siblingOrder();
}

void SortFrontToBack(std::vector<Art*>& arts) {
  if (arts.size() < 2) return;
  // Each art keyed by the sibling orders of its ancestry, from the top-level layer group down:
  // comparing keys is comparing paint order, without walking two ancestries per comparison.
  struct Keyed {
    Art* art;
    std::size_t begin, end;  // its key in orders
  };
  std::vector<std::uint64_t> orders;
  std::vector<Keyed> keyed;
  keyed.reserve(arts.size());
  for (Art* art : arts) {
    const std::size_t begin = orders.size();
    for (const Art* at = art; at != nullptr; at = at->parent())
      orders.push_back(at->siblingOrder());
    std::reverse(orders.begin() + static_cast<std::ptrdiff_t>(begin), orders.end());
    keyed.push_back(Keyed{art, begin, orders.size()});
  }
  const std::uint64_t* key = orders.data();
  std::sort(keyed.begin(), keyed.end(), [key](const Keyed& a, const Keyed& b) {
    return std::lexicographical_compare(key + a.begin, key + a.end, key + b.begin, key + b.end);
  });
  for (std::size_t i = 0; i < arts.size(); ++i) arts[i] = keyed[i].art;
}

}  // namespace host
