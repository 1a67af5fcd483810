#include "engine/StackCheck.h"

#include <algorithm>
#include <boost/container/small_vector.hpp>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <limits>
#include <new>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "engine/GeometryIndex.h"
#include "engine/OverlapDetection.h"
#include "engine/OverlapSettingStore.h"
#include "engine/PathCloseness.h"
#include "engine/SettingEquality.h"
#include "engine/Swatches.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"

namespace {

namespace bg = boost::geometry;
using Point = bg::model::point<double, 2, bg::cs::cartesian>;
using Box = bg::model::box<Point>;

constexpr std::int32_t kNoClass = -1;
constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();

// The distinct styles of the settings' entries; a style's class is its place in the list.
class StyleClasses {
 public:
  std::int32_t Find(const AIPathStyle& style) {
    // Maps are drawn in runs of one style: the last answer is tried first.
    if (last_ != kNoClass && PathStylesEqual(styles_[static_cast<std::size_t>(last_)], style))
      return last_;
    for (std::size_t i = 0; i < styles_.size(); ++i) {
      if (PathStylesEqual(styles_[i], style)) return last_ = static_cast<std::int32_t>(i);
    }
    return kNoClass;
  }
  std::int32_t FindOrAdd(const AIPathStyle& style) {
    const std::int32_t found = Find(style);
    if (found != kNoClass) return found;
    styles_.push_back(style);
    return static_cast<std::int32_t>(styles_.size() - 1);
  }

 private:
  std::vector<AIPathStyle> styles_;
  std::int32_t last_ = kNoClass;
};

bool SettingUsable(const OverlapSetting& setting) {
  for (std::int32_t i = 0; i < setting.Count(); ++i) {
    AIPathStyle style{};
    setting.StyleOfEntry(i, style);
    if (setting.LayerOfEntry(i) == nullptr || !SwatchesPresent(style)) return false;
  }
  return true;
}

CheckedSetting ReadSetting(const OverlapSetting& setting, StyleClasses& classes) {
  CheckedSetting checked{&setting, {}, {}, 1.0};
  const auto& entries = setting.Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const bool repeated =
        std::any_of(entries.begin(), entries.begin() + static_cast<long>(i),
                    [&](const StrokeLayerEntry& earlier) {
                      return earlier.layerPath.compare(entries[i].layerPath) == 0 &&
                             PathStylesEqual(earlier.style, entries[i].style);
                    });
    if (repeated) continue;
    const std::int32_t styleClass = classes.FindOrAdd(entries[i].style);
    checked.entries.push_back(
        {styleClass, setting.LayerOfEntry(static_cast<std::int32_t>(i)), entries[i].style});
    checked.classes.push_back(styleClass);
    checked.reach = std::max(checked.reach, entries[i].style.stroke.width);
  }
  std::sort(checked.classes.begin(), checked.classes.end());
  checked.classes.erase(std::unique(checked.classes.begin(), checked.classes.end()),
                        checked.classes.end());
  return checked;
}

std::vector<const OverlapSetting*> SettingsInCheckOrder(const OverlapSettingStore& store) {
  std::vector<const OverlapSetting*> settings;
  if (store.Current() != nullptr) settings.push_back(store.Current());
  for (std::int32_t i = 0; i < store.HistoryCount(); ++i) settings.push_back(store.HistoryItem(i));
  for (std::int32_t i = 0; i < store.BatchCount(); ++i) settings.push_back(store.BatchItem(i));
  return settings;
}

// A path of some entry's style.
struct Member {
  AIArtHandle art;
  AILayerHandle layer;
  std::int32_t styleClass;
};

// Members of one geometry, back to front, and what the check made of them. A stack seldom has
// more than four copies: its lists are kept inline, sparing a map two allocations per group.
struct Group {
  boost::container::small_vector<std::size_t, 4> members;
  Box box;                        // of the first member's control points
  std::size_t nextOfKey = kNone;  // the next group of the same geometry key
  std::size_t setting = kNone;
  boost::container::small_vector<AIArtHandle, 4> copies;  // by entry
  std::vector<MovedCopy> moved;
  std::vector<AIArtHandle> duplicates;
  bool Incomplete() const {
    return std::find(copies.begin(), copies.end(), nullptr) != copies.end();
  }
};

class Checker {
 public:
  Checker(const CheckScope& scope, StackFindings& findings)
      : within_(scope.within.begin(), scope.within.end()),
        preferred_(scope.preferred.begin(), scope.preferred.end()),
        findings_(findings) {}

  void Run(StyleClasses& classes) {
    Walk(classes);
    for (Group& group : groups_) Settle(group);
    Pair();
    Report();
  }

 private:
  void Walk(StyleClasses& classes) {
    // The first group of each key; the others of that key follow it through nextOfKey.
    std::unordered_map<std::uint64_t, std::size_t> firstOfKey;
    PathShape shape;  // one buffer for the whole walk
    const AIErr error = ForEachPathInStackOrder([&](AIArtHandle path) {
      AIPathStyle style{};
      AIBoolean advancedFill = 0;
      ai::check(sAIPathStyle->GetPathStyle(path, &style, &advancedFill));
      const std::int32_t styleClass = classes.Find(style);
      if (styleClass == kNoClass) return;
      AILayerHandle layer = nullptr;
      ai::check(sAIArt->GetLayerOfArt(path, &layer));
      ReadShape(path, shape);
      const std::size_t member = members_.size();
      members_.push_back({path, layer, styleClass});
      const auto [first, added] =
          firstOfKey.try_emplace(GeometryKeyOf(shape.closed, shape.segments), groups_.size());
      if (!added) {
        for (std::size_t g = first->second;; g = groups_[g].nextOfKey) {
          Group& group = groups_[g];
          if (sAIArt->ArtsHaveEqualPaths(members_[group.members.front()].art, path)) {
            group.members.push_back(member);
            return;
          }
          if (group.nextOfKey == kNone) {
            group.nextOfKey = groups_.size();
            break;
          }
        }
      }
      groups_.push_back({{member}, BoxOf(shape), kNone, kNone, {}, {}, {}});
    });
    ai::check(error);
  }

  static PathShape ReadShape(AIArtHandle path) {
    PathShape shape;
    ReadShape(path, shape);
    return shape;
  }
  static void ReadShape(AIArtHandle path, PathShape& shape) {
    ai::check(ReadPathShape(path, shape));
  }

  static Box BoxOf(const PathShape& shape) {
    Box box(Point(0, 0), Point(0, 0));
    bool first = true;
    for (const AIPathSegment& segment : shape.segments) {
      for (const AIRealPoint& p : {segment.p, segment.in, segment.out}) {
        if (first) {
          box = Box(Point(p.h, p.v), Point(p.h, p.v));
          first = false;
        }
        bg::expand(box, Point(p.h, p.v));
      }
    }
    return box;
  }

  // The group's setting, then each copy's entry.
  void Settle(Group& group) {
    std::vector<std::int32_t>& classes = classes_;
    classes.clear();
    for (std::size_t m : group.members) classes.push_back(members_[m].styleClass);
    std::sort(classes.begin(), classes.end());
    classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
    const auto& settings = findings_.settings;
    bool held = false;
    group.setting = SettingOf(group, classes, held);
    if (group.setting == kNone) {
      // A group no setting holds cannot be judged; one with no copy in its place is no stack of
      // the settings holding it (a legend's sample, say) and is passed over.
      if (!held && InScope(group)) ++findings_.unmatched;
      return;
    }

    const CheckedSetting& setting = settings[group.setting];
    group.copies.assign(setting.entries.size(), nullptr);
    std::vector<std::size_t>& misplaced = misplaced_;
    misplaced.clear();
    for (std::size_t m : group.members) {
      const Member& member = members_[m];
      const std::size_t entry = EntryOf(setting, [&](std::size_t e) {
        return setting.entries[e].styleClass == member.styleClass &&
               setting.entries[e].layer == member.layer;
      });
      if (entry == kNone) {
        misplaced.push_back(m);
      } else if (group.copies[entry] == nullptr) {
        group.copies[entry] = member.art;
      } else {
        group.duplicates.push_back(member.art);
      }
    }
    for (std::size_t m : misplaced) {
      const Member& member = members_[m];
      const std::size_t entry = EntryOf(setting, [&](std::size_t e) {
        return setting.entries[e].styleClass == member.styleClass && group.copies[e] == nullptr;
      });
      if (entry == kNone) {
        group.duplicates.push_back(member.art);
      } else {
        group.copies[entry] = member.art;
        group.moved.push_back({member.art, entry});
      }
    }
  }

  // The first setting of exactly these style classes; else the first of the most entries among
  // those holding them all. Only a setting with a copy of the group in its place (an entry's
  // style in that entry's layer) is taken: settings may share styles and differ in layers alone.
  // held tells whether any setting holds the classes.
  std::size_t SettingOf(const Group& group, const std::vector<std::int32_t>& classes,
                        bool& held) const {
    const auto& settings = findings_.settings;
    for (std::size_t s = 0; s < settings.size(); ++s) {
      if (settings[s].classes != classes) continue;
      held = true;
      if (InPlace(group, settings[s])) return s;
    }
    std::size_t best = kNone;
    for (std::size_t s = 0; s < settings.size(); ++s) {
      const CheckedSetting& setting = settings[s];
      if (!std::includes(setting.classes.begin(), setting.classes.end(), classes.begin(),
                         classes.end())) {
        continue;
      }
      held = true;
      if (best != kNone && setting.entries.size() <= settings[best].entries.size()) continue;
      if (InPlace(group, setting)) best = s;
    }
    return best;
  }

  bool InPlace(const Group& group, const CheckedSetting& setting) const {
    return std::any_of(group.members.begin(), group.members.end(), [&](std::size_t m) {
      return std::any_of(
          setting.entries.begin(), setting.entries.end(), [&](const CheckedEntry& entry) {
            return entry.styleClass == members_[m].styleClass && entry.layer == members_[m].layer;
          });
    });
  }

  template <typename Predicate>
  static std::size_t EntryOf(const CheckedSetting& setting, Predicate predicate) {
    for (std::size_t e = 0; e < setting.entries.size(); ++e) {
      if (predicate(e)) return e;
    }
    return kNone;
  }

  bool Holds(const Group& group, const std::unordered_set<AIArtHandle>& paths) const {
    if (paths.empty()) return false;
    return std::any_of(group.members.begin(), group.members.end(),
                       [&](std::size_t m) { return paths.count(members_[m].art) != 0; });
  }
  bool InScope(const Group& group) const { return within_.empty() || Holds(group, within_); }

  // Incomplete groups of one setting whose present entries complement each other and whose
  // curves follow each other are one stack drifted apart.
  void Pair() {
    using Entry = std::pair<Box, std::size_t>;
    std::vector<Entry> boxes;
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      if (groups_[g].setting != kNone && groups_[g].Incomplete())
        boxes.push_back({Grown(groups_[g]), g});
    }
    partner_.assign(groups_.size(), kNone);
    if (boxes.size() < 2) return;
    const bg::index::rtree<Entry, bg::index::rstar<16>> tree(boxes.begin(), boxes.end());
    std::vector<Entry> near;
    for (const auto& [box, g] : boxes) {
      if (partner_[g] != kNone) continue;
      near.clear();
      tree.query(bg::index::intersects(box), std::back_inserter(near));
      std::sort(near.begin(), near.end(),
                [](const Entry& a, const Entry& b) { return a.second < b.second; });
      for (const Entry& candidate : near) {
        const std::size_t h = candidate.second;
        if (h == g || partner_[h] != kNone || !Complement(groups_[g], groups_[h])) continue;
        if (!Close(g, h)) continue;
        partner_[g] = h;
        partner_[h] = g;
        break;
      }
    }
  }

  Box Grown(const Group& group) const {
    const double reach = findings_.settings[group.setting].reach;
    Box box = group.box;
    bg::set<bg::min_corner, 0>(box, bg::get<bg::min_corner, 0>(box) - reach);
    bg::set<bg::min_corner, 1>(box, bg::get<bg::min_corner, 1>(box) - reach);
    bg::set<bg::max_corner, 0>(box, bg::get<bg::max_corner, 0>(box) + reach);
    bg::set<bg::max_corner, 1>(box, bg::get<bg::max_corner, 1>(box) + reach);
    return box;
  }

  static bool Complement(const Group& a, const Group& b) {
    if (a.setting != b.setting) return false;
    for (std::size_t e = 0; e < a.copies.size(); ++e) {
      if ((a.copies[e] == nullptr) == (b.copies[e] == nullptr)) return false;
    }
    return true;
  }

  bool Close(std::size_t g, std::size_t h) {
    return WithinReachOfEachOther(Shape(g), Shape(h), findings_.settings[groups_[g].setting].reach);
  }
  const PathShape& Shape(std::size_t g) {
    auto [found, added] = shapes_.try_emplace(g);
    if (added) found->second = ReadShape(members_[groups_[g].members.front()].art);
    return found->second;
  }

  void Report() {
    for (std::size_t g = 0; g < groups_.size(); ++g) {
      const Group& group = groups_[g];
      if (group.setting == kNone) continue;
      const std::size_t h = partner_[g];
      if (h != kNone && h < g) continue;  // reported with its partner
      // Most groups are whole stacks: nothing to report.
      if (h == kNone && !group.Incomplete() && group.moved.empty() && group.duplicates.empty())
        continue;
      if (!InScope(group) && (h == kNone || !InScope(groups_[h]))) continue;
      BrokenStack stack;
      stack.setting = group.setting;
      stack.copies.assign(group.copies.begin(), group.copies.end());
      stack.moved = group.moved;
      stack.duplicates = group.duplicates;
      if (h != kNone) {
        const Group& other = groups_[h];
        const bool keepThis = GivesGeometry(group, other);
        const Group& source = keepThis ? group : other;
        const Group& drifted = keepThis ? other : group;
        for (std::size_t e = 0; e < stack.copies.size(); ++e) {
          if (stack.copies[e] == nullptr) stack.copies[e] = other.copies[e];
          if (drifted.copies[e] != nullptr) stack.reshaped.push_back(drifted.copies[e]);
        }
        stack.moved.insert(stack.moved.end(), other.moved.begin(), other.moved.end());
        stack.duplicates.insert(stack.duplicates.end(), other.duplicates.begin(),
                                other.duplicates.end());
        stack.geometry = FirstCopy(source);
      } else {
        stack.geometry = FirstCopy(group);
        for (std::size_t e = 0; e < stack.copies.size(); ++e) {
          if (stack.copies[e] == nullptr) stack.missing.push_back(e);
        }
      }
      if (stack.Findings() == 0) continue;
      Count(stack);
      findings_.stacks.push_back(std::move(stack));
    }
  }

  // The preferred group, if exactly one is; else the one of more copies; else the one holding
  // the front-most entry.
  bool GivesGeometry(const Group& group, const Group& other) const {
    const bool preferred = Holds(group, preferred_);
    if (preferred != Holds(other, preferred_)) return preferred;
    if (group.members.size() != other.members.size())
      return group.members.size() > other.members.size();
    return group.copies.back() != nullptr;
  }

  static AIArtHandle FirstCopy(const Group& group) {
    for (AIArtHandle copy : group.copies) {
      if (copy != nullptr) return copy;
    }
    return nullptr;
  }

  void Count(const BrokenStack& stack) {
    findings_.missing += stack.missing.size();
    findings_.drifted += stack.reshaped.size();
    findings_.duplicates += stack.duplicates.size();
    findings_.wrongLayer += stack.moved.size();
    ArtList& concerned = findings_.concerned;
    concerned.insert(concerned.end(), stack.reshaped.begin(), stack.reshaped.end());
    for (const MovedCopy& moved : stack.moved) concerned.push_back(moved.copy);
    concerned.insert(concerned.end(), stack.duplicates.begin(), stack.duplicates.end());
    if (!stack.missing.empty()) {
      for (AIArtHandle copy : stack.copies) {
        if (copy != nullptr) concerned.push_back(copy);
      }
    }
  }

  const std::unordered_set<AIArtHandle> within_;
  const std::unordered_set<AIArtHandle> preferred_;
  StackFindings& findings_;
  std::vector<Member> members_;
  std::vector<Group> groups_;
  std::vector<std::size_t> partner_;
  std::unordered_map<std::size_t, PathShape> shapes_;
  // Settle's lists, kept from group to group so as not to allocate them for each.
  std::vector<std::int32_t> classes_;
  std::vector<std::size_t> misplaced_;
};

}  // namespace

AIErr ReadPathShape(AIArtHandle path, PathShape& shape) {
  AIBoolean closed = 0;
  if (AIErr error = sAIPath->GetPathClosed(path, &closed); error != kNoErr) return error;
  shape.closed = closed != 0;
  std::int16_t count = 0;
  if (AIErr error = sAIPath->GetPathSegmentCount(path, &count); error != kNoErr) return error;
  shape.segments.resize(static_cast<std::size_t>(count < 0 ? 0 : count));
  if (count <= 0) return kNoErr;
  return sAIPath->GetPathSegments(path, 0, count, shape.segments.data());
}

AIErr FindBrokenStacks(const OverlapSettingStore& store, const CheckScope& scope,
                       StackFindings& findings) {
  findings = StackFindings();
  try {
    StyleClasses classes;
    for (const OverlapSetting* setting : SettingsInCheckOrder(store)) {
      if (setting->Count() == 0) continue;
      if (!SettingUsable(*setting)) {
        ++findings.unusableSettings;
        continue;
      }
      findings.settings.push_back(ReadSetting(*setting, classes));
    }
    if (findings.settings.empty()) return kNoErr;
    Checker(scope, findings).Run(classes);
    return kNoErr;
  } catch (const ai::Error& error) {
    findings = StackFindings();
    return error.code() != kNoErr ? error.code() : kCantHappenErr;
  } catch (const std::bad_alloc&) {
    findings = StackFindings();
    return kOutOfMemoryErr;
  }
}
