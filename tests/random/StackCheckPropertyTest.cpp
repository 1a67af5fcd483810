// The stack check and repair on seeded random maps. Each seed opens a random document, captures
// a few settings from its paths, and creates stacks from them on new plain paths far from the
// document's own art, then checks that:
//   - create adds no finding: the whole document's findings are those it had before;
//   - breaking some of the new stacks (a copy deleted, drifted by a moved or added anchor,
//     duplicated in its layer, or moved into another layer) adds exactly those findings;
//   - a repair of the whole document leaves nothing to mend, changes no art but the copies it
//     reshapes, moves or deletes, makes its copies directly in their layers, seen and editable,
//     and gives every new stack one copy per entry again;
//   - a second repair changes nothing.
// The document's own stacks, broken or not as it made them, are checked and repaired alongside.
// A failing seed is printed; LANEWORKS_SEED=n runs that seed alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "engine/SettingEquality.h"
#include "engine/StackCheck.h"
#include "engine/StackRepair.h"
#include "host/document/DocumentJson.h"
#include "tests/engine/EngineFixture.h"
#include "tests/random/RandomDocument.h"
#include "tests/random/SavedArt.h"

namespace random_sessions {
namespace {

constexpr std::uint64_t kSeeds = 100;
// The new stacks lie in cells of their own, well clear of the random document (whose art stays
// within about 1,000 pt of the origin) and of each other, so that no drifted copy is near
// another stack.
constexpr AIReal kFirstCell = 5000, kCellWidth = 1000, kCellBottom = 5000;

enum class Breakage { kNone, kDeleted, kDrifted, kDuplicated, kMisplaced };

struct Counts {
  std::size_t missing = 0, drifted = 0, duplicates = 0, wrongLayer = 0, unmatched = 0, unusable = 0;
  bool operator==(const Counts&) const = default;
  std::string Text() const {
    return std::to_string(missing) + " missing, " + std::to_string(drifted) + " drifted, " +
           std::to_string(duplicates) + " duplicates, " + std::to_string(wrongLayer) +
           " wrong layer, " + std::to_string(unmatched) + " unmatched, " +
           std::to_string(unusable) + " unusable settings";
  }
};

Counts CountsOf(const StackFindings& f) {
  return {f.missing, f.drifted, f.duplicates, f.wrongLayer, f.unmatched, f.unusableSettings};
}

// One stack made by create.
struct Stack {
  std::size_t setting = 0;
  host::PathGeometry geometry;  // as made
  AIReal left = 0;              // of its cell
  Breakage broken = Breakage::kNone;
  host::PathGeometry drifted;  // the drifted copy's geometry
};

struct Coverage {
  int stacks = 0, documentFindings = 0;
  std::map<Breakage, int> broken;
};

AIRealPoint Mid(const AIRealPoint& a, const AIRealPoint& b) {
  return {(a.h + b.h) / 2, (a.v + b.v) / 2};
}

void Shift(host::Segment& segment, AIReal dh, AIReal dv) {
  for (AIRealPoint* p : {&segment.p, &segment.in, &segment.out}) {
    p->h += dh;
    p->v += dv;
  }
}

class PropertyRun {
 public:
  explicit PropertyRun(std::uint64_t seed) : random_(seed) {
    host_.alerts().SetAnswerer([](host::Alerts::Kind kind, const std::string&) {
      return kind == host::Alerts::Kind::kQuestion ? host::Alerts::Answer::kYes
                                                   : host::Alerts::Answer::kOk;
    });
    host_.documents().Replace(host::ReadDocument(GenerateDocument(random_, 6).json));
    Expect(RebuildLayerPathMap() == kNoErr, "layer path map not built");
  }
  ~PropertyRun() { host_.alerts().SetAnswerer(nullptr); }

  std::string Run(Coverage& coverage) {
    MakeSettings();
    if (settings_.empty()) return problems_;
    const Counts before = CountsOf(Find());
    MakeStacks();
    coverage.stacks += static_cast<int>(stacks_.size());
    if (!problems_.empty()) return problems_;
    CheckCreated(before);
    Counts expected = before;
    Break(expected, coverage);
    StackFindings findings = Find();
    Expect(CountsOf(findings) == expected,
           "after breaking: " + CountsOf(findings).Text() + ", expected " + expected.Text());
    coverage.documentFindings +=
        static_cast<int>(before.missing + before.drifted + before.duplicates + before.wrongLayer);
    if (!problems_.empty()) return problems_;
    RepairAgain(Repair(findings, before));
    for (const std::string& line : host_.transcript().Lines())
      Expect(!line.starts_with("alert error"), line);
    Expect(host_.transcript().ViolationCount() == 0,
           "host violation:\n" + host_.transcript().Text());
    return problems_;
  }

 private:
  host::Document& Doc() { return *host_.documents().current(); }
  void Expect(bool ok, const std::string& what) {
    if (!ok) problems_ += what + "\n";
  }

  StackFindings Find(const ArtList& within = {}) {
    StackFindings findings;
    CheckScope scope;
    scope.within = within;
    Expect(FindBrokenStacks(checked_, scope, findings) == kNoErr, "the check failed");
    return findings;
  }

  // A style's class: the first equal style's place in the list, as the check counts classes.
  std::size_t ClassOf(const AIPathStyle& style) {
    for (std::size_t i = 0; i < styles_.size(); ++i) {
      if (PathStylesEqual(styles_[i], style)) return i;
    }
    styles_.push_back(style);
    return styles_.size() - 1;
  }
  std::vector<std::size_t> ClassesOf(const OverlapSetting& setting) {
    std::vector<std::size_t> classes;
    for (const StrokeLayerEntry& entry : setting.Entries()) classes.push_back(ClassOf(entry.style));
    std::sort(classes.begin(), classes.end());
    classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
    return classes;
  }

  // One to three settings to create with, each of one to four paths of the document, and
  // sometimes one more that only the check knows. No setting repeats an entry (create would make
  // that copy twice, which the check rightly calls a duplicate), and no two hold the same
  // styles (a stack would be measured against the first of them, whatever its layers).
  void MakeSettings() {
    std::vector<AIArtHandle> paths;
    Doc().ForEachArt([&](const host::Art& art) {
      if (art.type() == kPathArt) paths.push_back(art.handle());
    });
    if (paths.empty()) return;
    const std::size_t creating = std::size_t(random_.Between(1, 3));
    const std::size_t wanted = creating + (random_.Percent(40) ? 1 : 0);
    const bool disjoint = random_.Percent(75);
    for (int tries = 0; tries < 40 && settings_.size() < wanted; ++tries) {
      ArtList entries;
      for (int i = random_.Percent(5) ? 1 : random_.Between(2, 4); i > 0; --i)
        entries.push_back(random_.Pick(paths));
      auto setting = checked_.NewSetting();
      if (setting->FillEntriesFromArtList(entries) != kNoErr) continue;
      const auto& list = setting->Entries();
      bool repeated = false;
      for (std::size_t i = 0; i < list.size(); ++i) {
        for (std::size_t k = 0; k < i; ++k) {
          repeated |= list[i].layerPath.as_UTF8() == list[k].layerPath.as_UTF8() &&
                      PathStylesEqual(list[i].style, list[k].style);
        }
      }
      const std::vector<std::size_t> classes = ClassesOf(*setting);
      if (repeated || std::find(classes_.begin(), classes_.end(), classes) != classes_.end())
        continue;
      // Most seeds keep to settings of no common style: a copy lost from a stack is otherwise
      // often measured against another setting, and cannot be broken so.
      const bool shares = std::any_of(classes_.begin(), classes_.end(), [&](const auto& other) {
        return std::find_first_of(other.begin(), other.end(), classes.begin(), classes.end()) !=
               other.end();
      });
      if (shares && disjoint) continue;
      classes_.push_back(classes);
      settings_.push_back(std::move(setting));
    }
    // The check's settings: the ones to create with as current and history, the extra one and
    // perhaps a copy of another in the batch list.
    creating_ = std::min(creating, settings_.size());
    for (std::size_t s = 0; s < creating_; ++s)
      checked_.MakeCurrent(std::make_unique<OverlapSetting>(*settings_[s]));
    for (std::size_t s = creating_; s < settings_.size(); ++s)
      checked_.AppendToBatch(std::make_unique<OverlapSetting>(*settings_[s]));
    if (random_.Percent(30)) {
      checked_.AppendToBatch(
          std::make_unique<OverlapSetting>(*settings_[random_.Below(creating_)]));
    }
  }

  // A plain path in a random layer, in a style of no setting, within the cell at left.
  host::Art& PlainPath(AIReal left) {
    std::vector<host::Layer*> layers;
    for (host::Layer* layer = Doc().FirstLayer(); layer != nullptr;
         layer = Doc().NextPreorderLayer(*layer)) {
      layers.push_back(layer);
    }
    host::Art& art = Doc().NewArt(kPathArt, kPlaceInsideOnTop, random_.Pick(layers)->group());
    host::PathGeometry& path = art.path();
    AIReal h = left + random_.Between(0, 50), v = kCellBottom + random_.Between(0, 200);
    const bool curved = random_.Percent(40);
    for (int i = random_.Between(2, 5); i > 0; --i) {
      host::Segment segment = host::CornerAt({h, v});
      if (curved && random_.Percent(60)) {
        const AIReal dh = random_.Between(3, 15), dv = random_.Between(-10, 10);
        segment.in = {h - dh, v - dv};
        segment.out = {h + dh, v + dv};
        segment.corner = false;
      }
      path.segments.push_back(segment);
      h += random_.Between(20, 100);
      v += random_.Between(-60, 60);
    }
    path.closed = path.segments.size() >= 3 && random_.Percent(15);
    AIStrokeStyle stroke = host::DefaultStroke();
    stroke.color.kind = kThreeColor;
    stroke.color.c.rgb = {0.123, 0.456, 0.789};  // the documents' channels are in quarters
    stroke.width = 0.3;
    art.appearance().paint = {stroke};
    return art;
  }

  // Each setting to create with becomes current in turn and replaces one to three plain paths.
  void MakeStacks() {
    for (std::size_t s = 0; s < creating_; ++s) {
      creator_.MakeCurrent(std::make_unique<OverlapSetting>(*settings_[s]));
      Doc().DeselectAll();
      std::vector<std::string> plain;
      for (int i = random_.Between(1, 3); i > 0; --i) {
        Stack stack;
        stack.setting = s;
        stack.left = kFirstCell + kCellWidth * static_cast<AIReal>(stacks_.size());
        host::Art& art = PlainPath(stack.left);
        stack.geometry = art.path();
        Doc().SetUserAttributes(art, kArtSelected, kArtSelected);
        plain.push_back(art.id());
        stacks_.push_back(std::move(stack));
      }
      Expect(CreateOverlapLines(creator_) == kNoErr, "create failed");
      for (const std::string& id : plain)
        Expect(Doc().FindArt(id) == nullptr, "create left plain path " + id);
    }
    for (const Stack& stack : stacks_) {
      const std::size_t copies = PathsIn(stack).size();
      Expect(copies == settings_[stack.setting]->Entries().size(),
             "create made " + std::to_string(copies) + " copies in the cell at " +
                 std::to_string(stack.left));
    }
  }

  // The paths of the stack's cell.
  std::vector<host::Art*> PathsIn(const Stack& stack) {
    std::vector<host::Art*> paths;
    Doc().ForEachArt([&](const host::Art& art) {
      if (art.type() != kPathArt || art.path().segments.empty()) return;
      const AIRealPoint& p = art.path().segments.front().p;
      if (p.v > kCellBottom - 500 && p.h >= stack.left - 100 && p.h < stack.left + kCellWidth - 100)
        paths.push_back(Doc().FindArt(art.handle()));
    });
    return paths;
  }

  // The copy of entry e among paths: its layer and an equal style (the setting repeats none).
  host::Art* CopyOf(const std::vector<host::Art*>& paths, const OverlapSetting& setting,
                    std::size_t e) {
    for (host::Art* path : paths) {
      if (Doc().LayerOfArt(*path)->handle() == setting.LayerOfEntry(static_cast<std::int32_t>(e)) &&
          PathStylesEqual(Doc().PathStyle(*path), setting.Entries()[e].style)) {
        return path;
      }
    }
    return nullptr;
  }

  void CheckCreated(const Counts& before) {
    const StackFindings findings = Find();
    Expect(CountsOf(findings) == before,
           "after create: " + CountsOf(findings).Text() + ", before " + before.Text());
    ArtList copies;
    for (const Stack& stack : stacks_) {
      for (host::Art* path : PathsIn(stack)) copies.push_back(path->handle());
    }
    const StackFindings made = Find(copies);
    Expect(made.stacks.empty() && made.unmatched == 0,
           "the created stacks: " + CountsOf(made).Text());
  }

  // Whether a group of these style classes of stack s's setting is measured against it: every
  // setting holding them all holds the same styles (the one or a copy of it).
  bool MeasuredAgainst(const std::vector<std::size_t>& classes, std::size_t s) const {
    return std::all_of(classes_.begin(), classes_.end(), [&](const auto& other) {
      return !std::includes(other.begin(), other.end(), classes.begin(), classes.end()) ||
             other == classes_[s];
    });
  }

  // The classes of the setting's entries but e.
  std::vector<std::size_t> ClassesWithout(const OverlapSetting& setting, std::size_t e) {
    std::vector<std::size_t> classes;
    for (std::size_t k = 0; k < setting.Entries().size(); ++k) {
      if (k != e) classes.push_back(ClassOf(setting.Entries()[k].style));
    }
    std::sort(classes.begin(), classes.end());
    classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
    return classes;
  }

  // A layer the copy of entry e can be moved to: one of another entry if there is one, else any,
  // holding no entry of e's style.
  host::Layer* OtherLayer(const OverlapSetting& setting, std::size_t e) {
    const std::size_t style = ClassOf(setting.Entries()[e].style);
    const auto usable = [&](AILayerHandle layer) {
      for (std::size_t k = 0; k < setting.Entries().size(); ++k) {
        if (setting.LayerOfEntry(static_cast<std::int32_t>(k)) == layer &&
            ClassOf(setting.Entries()[k].style) == style)
          return false;
      }
      return true;
    };
    std::vector<host::Layer*> entries, others;
    for (host::Layer* layer = Doc().FirstLayer(); layer != nullptr;
         layer = Doc().NextPreorderLayer(*layer)) {
      if (!usable(layer->handle())) continue;
      bool ofEntry = false;
      for (std::size_t k = 0; k < setting.Entries().size(); ++k)
        ofEntry |= setting.LayerOfEntry(static_cast<std::int32_t>(k)) == layer->handle();
      (ofEntry ? entries : others).push_back(layer);
    }
    if (!entries.empty()) return random_.Pick(entries);
    return others.empty() ? nullptr : random_.Pick(others);
  }

  // Whether breaking entry e's copy of a stack of setting s so is one finding of its kind: a
  // copy lost or drifted must leave groups still measured against s; a copy in another layer
  // needs a copy in place beside it and a layer that holds no entry of its style.
  bool Breakable(std::size_t s, std::size_t e, Breakage kind, host::Layer*& other) {
    const OverlapSetting& setting = *settings_[s];
    if (kind == Breakage::kDuplicated) return true;
    if (setting.Entries().size() < 2) return false;
    if (kind == Breakage::kMisplaced) return (other = OtherLayer(setting, e)) != nullptr;
    const bool rest = MeasuredAgainst(ClassesWithout(setting, e), s);
    return rest && (kind == Breakage::kDeleted ||
                    MeasuredAgainst({ClassOf(setting.Entries()[e].style)}, s));
  }

  // Breaks one to four stacks, one way each, so that each break is one finding of its kind.
  void Break(Counts& expected, Coverage& coverage) {
    std::vector<std::size_t> order(stacks_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    for (std::size_t i = order.size(); i > 1; --i) std::swap(order[i - 1], order[random_.Below(i)]);
    order.resize(std::min<std::size_t>(order.size(), std::size_t(random_.Between(1, 4))));
    for (std::size_t index : order) {
      Stack& stack = stacks_[index];
      const OverlapSetting& setting = *settings_[stack.setting];
      const std::size_t entries = setting.Entries().size();
      // A kind at random; when it breaks none of the copies unambiguously, the other kinds,
      // and a duplicate last (always unambiguous). The copy is the first, from a random one on.
      std::vector<Breakage> kinds = {Breakage::kDeleted, Breakage::kDrifted, Breakage::kMisplaced};
      std::rotate(kinds.begin(), kinds.begin() + random_.Between(0, 2), kinds.end());
      if (random_.Percent(25)) kinds.clear();
      kinds.push_back(Breakage::kDuplicated);
      const std::size_t firstEntry = random_.Below(entries);
      std::size_t e = firstEntry;
      host::Layer* other = nullptr;
      stack.broken = Breakage::kNone;
      for (std::size_t k = 0; k < kinds.size() && stack.broken == Breakage::kNone; ++k) {
        for (std::size_t i = 0; i < entries && stack.broken == Breakage::kNone; ++i) {
          e = (firstEntry + i) % entries;
          if (Breakable(stack.setting, e, kinds[k], other)) stack.broken = kinds[k];
        }
      }
      host::Art* copy = CopyOf(PathsIn(stack), setting, e);
      if (copy == nullptr) {
        Expect(false, "no copy of entry " + std::to_string(e) + " to break");
        return;
      }
      ++coverage.broken[stack.broken];
      switch (stack.broken) {
        case Breakage::kDeleted:
          Doc().DisposeArt(*copy);
          ++expected.missing;
          break;
        case Breakage::kDrifted:
          Drift(*copy, setting.MaxStrokeWidth());
          stack.drifted = copy->path();
          ++expected.drifted;
          break;
        case Breakage::kDuplicated:
          Doc().DuplicateArt(*copy, kPlaceAbove, *copy);
          ++expected.duplicates;
          break;
        case Breakage::kMisplaced:
          Doc().MoveArt(*copy, kPlaceInsideOnTop, other->group());
          ++expected.wrongLayer;
          break;
        case Breakage::kNone:
          break;
      }
    }
  }

  // Moves an anchor, or adds one on a curve (the curve split in two, the new anchor then moved
  // a little), by at most half the setting's reach: the copy stays close to its stack.
  void Drift(host::Art& copy, AIReal widest) {
    const AIReal reach = std::max<AIReal>(widest, 1);
    auto& segments = copy.path().segments;
    const AIReal angle = random_.Between(0, 359) * 3.14159265358979 / 180;
    if (random_.Percent(50)) {
      const AIReal distance = reach * random_.Between(2, 8) / 16;
      Shift(segments[random_.Below(segments.size())], distance * std::cos(angle),
            distance * std::sin(angle));
      return;
    }
    const std::size_t s = random_.Below(segments.size() - 1);
    host::Segment& from = segments[s];
    host::Segment& to = segments[s + 1];
    const AIRealPoint a = Mid(from.p, from.out), b = Mid(from.out, to.in), c = Mid(to.in, to.p);
    const AIRealPoint d = Mid(a, b), f = Mid(b, c);
    host::Segment added = host::CornerAt(Mid(d, f));
    added.in = d;
    added.out = f;
    added.corner = false;
    from.out = a;
    to.in = c;
    const AIReal distance = reach * random_.Between(0, 8) / 16;
    Shift(added, distance * std::cos(angle), distance * std::sin(angle));
    segments.insert(segments.begin() + static_cast<long>(s + 1), added);
  }

  // What a repair of findings may change: the paths it reshapes, moves or deletes (gone), and,
  // in their locked, hidden, visible and editable states only, what encloses those and the
  // layers it makes copies in.
  struct Allowed {
    std::set<std::string> changed, gone, unlocked;
  };
  Allowed AllowedBy(const StackFindings& findings) {
    Allowed allowed;
    const auto enclosing = [&](const host::Layer* layer) {
      for (; layer != nullptr; layer = Doc().ParentLayer(*layer))
        allowed.unlocked.insert("layer " + layer->id());
    };
    for (const BrokenStack& stack : findings.stacks) {
      ArtList paths;
      for (const MovedCopy& moved : stack.moved) paths.push_back(moved.copy);
      paths.insert(paths.end(), stack.duplicates.begin(), stack.duplicates.end());
      for (AIArtHandle path : paths) allowed.gone.insert(Doc().FindArt(path)->id());
      paths.insert(paths.end(), stack.reshaped.begin(), stack.reshaped.end());
      for (AIArtHandle path : paths) {
        const host::Art* art = Doc().FindArt(path);
        allowed.changed.insert(art->id());
        for (const host::Art* up = art->parent(); up != nullptr; up = up->parent()) {
          if (!up->IsLayerGroup()) allowed.unlocked.insert(up->id());
        }
        enclosing(Doc().LayerOfArt(*art));
      }
      std::vector<std::size_t> entries = stack.missing;
      for (const MovedCopy& moved : stack.moved) entries.push_back(moved.entry);
      for (std::size_t e : entries)
        enclosing(Doc().FindLayer(findings.settings[stack.setting].entries[e].layer));
    }
    return allowed;
  }

  // Repairs the whole document; answers it as saved afterwards.
  std::string Repair(const StackFindings& findings, const Counts& before) {
    const Allowed allowed = AllowedBy(findings);
    const SavedDocument old = ReadSaved(host::WriteDocument(Doc()));
    RepairTally tally;
    Expect(MendBrokenStacks(findings, tally) == kNoErr, "the repair failed");
    Expect(tally.mended == findings.Mendable() && tally.declined == 0,
           "mended " + std::to_string(tally.mended) + " of " + std::to_string(findings.Mendable()) +
               ", declined " + std::to_string(tally.declined));
    Counts left = before;
    left.missing = left.drifted = left.duplicates = left.wrongLayer = 0;
    const Counts after = CountsOf(Find());
    Expect(after == left, "after the repair: " + after.Text());

    std::string saved = host::WriteDocument(Doc());
    const SavedDocument now = ReadSaved(saved);
    std::size_t made = 0;
    for (const auto& [key, art] : now.art) {
      if (old.art.count(key) != 0) continue;
      ++made;
      // A copy made lies directly in its layer, seen and editable, as create makes them: not in
      // a group or compound path whose states or paint it would take.
      const host::Art* copy = Doc().FindArt(key);
      const host::Art* parent = copy != nullptr ? copy->parent() : nullptr;
      Expect(parent != nullptr && parent->IsLayerGroup() && Doc().IsArtVisible(*copy) &&
                 Doc().IsArtEditable(*copy),
             "the repair made " + key + " hidden, locked or inside other art: " + art.own +
                 art.states + " in " + art.container);
    }
    Expect(made == findings.missing + findings.wrongLayer,
           "the repair made " + std::to_string(made) + " art objects");
    CheckUntouched(old, now, allowed);
    for (const Stack& stack : stacks_) CheckWhole(stack);
    return saved;
  }

  // Every art object and layer the repair may not change is as it was, in the same order among
  // the others in its container.
  void CheckUntouched(const SavedDocument& old, const SavedDocument& now, const Allowed& allowed) {
    for (const auto& [key, art] : old.art) {
      const auto found = now.art.find(key);
      if (allowed.changed.count(key) != 0) {
        Expect((found == now.art.end()) == (allowed.gone.count(key) != 0), key + " kept or lost");
      } else if (found == now.art.end()) {
        Expect(false, key + " deleted");
      } else if (found->second.container != art.container || found->second.own != art.own) {
        Expect(false, key + " changed: " + art.own + " in " + art.container + " / " +
                          found->second.own + " in " + found->second.container);
      } else if (found->second.states != art.states && allowed.unlocked.count(key) == 0) {
        Expect(false, key + " states changed: " + art.states + " / " + found->second.states);
      }
    }
    const auto kept = [&](const SavedDocument& saved, const std::string& container) {
      std::string ids;
      const auto found = saved.members.find(container);
      if (found == saved.members.end()) return ids;
      for (const std::string& id : found->second) {
        if (allowed.changed.count(id) == 0 && old.art.count(id) != 0 && now.art.count(id) != 0)
          ids += id + " ";
      }
      return ids;
    };
    for (const auto& [container, members] : old.members) {
      Expect(kept(old, container) == kept(now, container), "the order in " + container +
                                                               " changed: " + kept(old, container) +
                                                               "/ " + kept(now, container));
    }
  }

  // A stack after the repair: one copy per entry, in its layer, of its style and width, all of
  // the geometry it was made with (or, when it drifted, perhaps the drifted copy's).
  void CheckWhole(const Stack& stack) {
    const OverlapSetting& setting = *settings_[stack.setting];
    const std::vector<host::Art*> paths = PathsIn(stack);
    const std::string where = "stack at " + std::to_string(stack.left) + ": ";
    if (paths.size() != setting.Entries().size()) {
      Expect(false, where + std::to_string(paths.size()) + " copies");
      return;
    }
    for (std::size_t e = 0; e < paths.size(); ++e) {
      const host::Art* copy = CopyOf(paths, setting, e);
      Expect(copy != nullptr &&
                 Doc().PathStyle(*copy).stroke.width == setting.Entries()[e].style.stroke.width,
             where + "no copy of entry " + std::to_string(e));
    }
    const host::PathGeometry& shape = paths.front()->path();
    const bool asMade = host::PathsEqual(shape, stack.geometry);
    Expect(asMade || (stack.broken == Breakage::kDrifted && host::PathsEqual(shape, stack.drifted)),
           where + "another geometry");
    for (const host::Art* path : paths)
      Expect(host::PathsEqual(path->path(), shape), where + "copies of unequal geometry");
  }

  void RepairAgain(const std::string& once) {
    const StackFindings findings = Find();
    RepairTally tally;
    const AIErr error = MendBrokenStacks(findings, tally);
    Expect(error == kNoErr && tally.mended == 0, "the second repair mended " +
                                                     std::to_string(tally.mended) + ", error " +
                                                     std::to_string(error));
    Expect(host::WriteDocument(Doc()) == once, "the second repair changed the document");
  }

  RandomSource random_;
  EngineHost env_;
  host::Host& host_ = env_.host;
  // Destroyed before the host shuts down: they hold host strings.
  OverlapSettingStore checked_{12, 3}, creator_{12, 3};
  std::vector<std::unique_ptr<OverlapSetting>> settings_;
  std::vector<std::vector<std::size_t>> classes_;  // each setting's style classes, sorted
  std::size_t creating_ = 0;                       // the first settings, used by create
  std::vector<AIPathStyle> styles_;
  std::vector<Stack> stacks_;
  std::string problems_;
};

TEST(StackCheckProperties, CreateBreakRepairOnRandomMaps) {
  std::uint64_t first = 1, last = kSeeds;
  if (const char* seed = std::getenv("LANEWORKS_SEED"))
    first = last = std::strtoull(seed, nullptr, 10);
  Coverage coverage;
  int failures = 0;
  for (std::uint64_t seed = first; seed <= last && failures < 3; ++seed) {
    const std::string problems = PropertyRun(seed).Run(coverage);
    if (problems.empty()) continue;
    ++failures;
    ADD_FAILURE() << "seed " << seed << " (LANEWORKS_SEED=" << seed << " replays it):\n"
                  << problems;
  }
  std::printf(
      "stacks %d, the documents' own findings %d, broken: %d deleted, %d drifted, %d "
      "duplicated, %d misplaced\n",
      coverage.stacks, coverage.documentFindings, coverage.broken[Breakage::kDeleted],
      coverage.broken[Breakage::kDrifted], coverage.broken[Breakage::kDuplicated],
      coverage.broken[Breakage::kMisplaced]);
  if (first != last) {
    EXPECT_GE(coverage.broken[Breakage::kDeleted], 20);
    EXPECT_GE(coverage.broken[Breakage::kDrifted], 20);
    EXPECT_GE(coverage.broken[Breakage::kDuplicated], 20);
    EXPECT_GE(coverage.broken[Breakage::kMisplaced], 20);
    EXPECT_GE(coverage.documentFindings, 50);
  }
}

}  // namespace
}  // namespace random_sessions
