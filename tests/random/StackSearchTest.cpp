// Batch acquisition and creation find the same stacks through one index of the document's
// geometry as by walking the document once per path. On seeded random maps each operation runs
// both ways, and everything the user and the host see is compared: the batch list (by
// SettingsEqual, layer paths and styles), the saved document, every alert with its answer, and
// the returned code. Some operations meet a host that keeps refusing one function.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "engine/LayerPathMap.h"
#include "engine/OverlapOperations.h"
#include "engine/OverlapSettingStore.h"
#include "engine/SettingEquality.h"
#include "host/document/DocumentJson.h"
#include "tests/engine/EngineFixture.h"
#include "tests/random/RandomDocument.h"

namespace random_sessions {
namespace {

constexpr std::uint64_t kSeeds = 60;
// Small previews: drawing them is most of a batch's time, and they find no stacks.
constexpr std::int32_t kPreviewWidth = 12, kPreviewHeight = 3;

// Functions a refusing host fails on every call: the index's own reads, the walk's, the
// questions' and the changes'.
const std::vector<std::string> kRefused = {
    "GetPathSegments", "GetPathClosed", "GetPathSegmentCount", "LayerArtSet",
    "IndexArtSet",     "GetNthLayer",   "CountLayers",         "GetArtType",
    "DisposeArt",      "DuplicateArt",  "GetArtUserAttr",      "SetArtUserAttr"};
// Functions that only the index calls, in these operations: failing on some of their calls
// changes nothing the walk does, so that the comparison still holds.
const std::vector<std::string> kIndexReads = {"GetPathSegments", "GetPathClosed",
                                              "GetPathSegmentCount"};
// Functions that only walks call, in these operations, each once per top-level layer (counting
// once): a failure of one call of the first walk fails the same call of the index's walk.
const std::vector<std::string> kWalkCalls = {"CountLayers", "GetNthLayer", "LayerArtSet"};

// What one step of a run showed.
struct Outcome {
  std::string step;  // what was done
  AIErr result = kNoErr;
  std::vector<std::string> alerts;  // with their answers
  std::string document;             // its digest afterwards
  std::string problem;              // a difference already found inside the run
};

// How often the runs met what the index must get right, over all seeds.
struct Coverage {
  int batches = 0, batchSettings = 0, creates = 0, stackQuestions = 0, unlockQuestions = 0,
      selectedStacks = 0, refusals = 0;
  // Creations over a selected stack that asked about it twice or more: the later paths' stacks
  // held the copies made for the earlier ones.
  int stacksMadeAgain = 0;
};

std::string Describe(const Outcome& outcome) {
  std::string text = outcome.step + " -> " + host::FormatCode(outcome.result) + "\n";
  for (const std::string& alert : outcome.alerts) text += "  " + alert + "\n";
  return text + outcome.problem;
}

// The first line where two texts differ, with both versions.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  const std::size_t from = at < 200 ? 0 : at - 200;
  return "walked: ..." + a.substr(from, 400) + "\nindexed: ..." + b.substr(from, 400);
}

void Number(std::string& text, double value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  text.append(digits, end).push_back(' ');
}

// A swatch by its id: handles differ between documents.
template <typename Table, typename Handle>
std::string SwatchId(const Table& table, Handle handle) {
  const auto* swatch = table.Find(handle);
  return swatch != nullptr ? swatch->id + " " : "gone ";
}

void Color(std::string& text, const AIColor& color, const host::SwatchLibrary& swatches) {
  Number(text, color.kind);
  switch (color.kind) {
    case kGrayColor:
      Number(text, color.c.g.gray);
      break;
    case kThreeColor:
      for (AIReal value : {color.c.rgb.red, color.c.rgb.green, color.c.rgb.blue})
        Number(text, value);
      break;
    case kFourColor:
      for (AIReal value : {color.c.f.cyan, color.c.f.magenta, color.c.f.yellow, color.c.f.black})
        Number(text, value);
      break;
    case kCustomColor:
      text += SwatchId(swatches.customColors, color.c.c.color);
      Number(text, color.c.c.tint);
      break;
    case kPattern:
      text += SwatchId(swatches.patterns, color.c.p.pattern);
      break;
    case kGradient:
      text += SwatchId(swatches.gradients, color.c.b.gradient);
      break;
    default:
      break;
  }
}

// A compact account of the document, much cheaper than saving it: the layers' states, then every
// art object in the document's order with its container, id (made-up ids left out, when asked:
// they count every art ever made, the preview's passing lines too), type, own attributes,
// geometry with the anchors' selection, and paint.
std::string Digest(const host::Document& document, bool madeUpIds) {
  std::string text;
  for (host::Layer* layer = document.FirstLayer(); layer != nullptr;
       layer = document.NextPreorderLayer(*layer)) {
    text += layer->id() + (layer->visible ? " v" : " -") + (layer->editable ? "e\n" : "-\n");
  }
  const auto name = [madeUpIds](const host::Art& art) {
    if (art.IsLayerGroup()) return "layer " + art.ownerLayer()->id();
    return !madeUpIds && art.id().starts_with("art-") ? std::string("art") : art.id();
  };
  document.ForEachArt([&](const host::Art& art) {
    if (art.IsLayerGroup()) return;
    text += name(art) + " in " + (art.parent() != nullptr ? name(*art.parent()) : "?") + ": ";
    Number(text, art.type());
    Number(text, art.ownAttributes());
    if (art.type() == kPathArt) {
      text += art.path().closed ? "closed " : "open ";
      for (const host::Segment& segment : art.path().segments) {
        for (AIReal value :
             {segment.p.h, segment.p.v, segment.in.h, segment.in.v, segment.out.h, segment.out.v})
          Number(text, value);
        text += segment.selected ? "s " : "- ";
      }
    }
    for (const host::PaintField& field : art.appearance().paint) {
      if (const auto* stroke = std::get_if<AIStrokeStyle>(&field)) {
        text += "stroke ";
        Number(text, stroke->width);
        Color(text, stroke->color, document.swatches());
      } else {
        text += "fill ";
        Color(text, std::get<AIFillStyle>(field).color, document.swatches());
      }
    }
    text += '\n';
  });
  return text;
}

std::string StyleText(const AIPathStyle& style) {
  return "fill " + std::to_string(style.fillPaint) + " " + std::to_string(style.fill.overprint) +
         " stroke " + std::to_string(style.strokePaint) + " " + std::to_string(style.stroke.width) +
         " " + std::to_string(style.stroke.dash.offset) + " evenodd " +
         std::to_string(style.evenodd);
}

// Empty when the two batch lists are the same: each pair of settings SettingsEqual, with the
// same layer paths and the same styles in what SettingsEqual leaves out.
std::string BatchDifference(const OverlapSettingStore& walked, const OverlapSettingStore& indexed) {
  if (walked.BatchCount() != indexed.BatchCount()) {
    return "batch lists of " + std::to_string(walked.BatchCount()) + " and " +
           std::to_string(indexed.BatchCount()) + " settings";
  }
  for (std::int32_t i = 0; i < walked.BatchCount(); ++i) {
    const OverlapSetting& a = *walked.BatchItem(i);
    const OverlapSetting& b = *indexed.BatchItem(i);
    if (!SettingsEqual(a, b)) return "batch setting " + std::to_string(i) + " not equal";
    for (std::int32_t k = 0; k < a.Count(); ++k) {
      const StrokeLayerEntry& x = a.Entries()[static_cast<std::size_t>(k)];
      const StrokeLayerEntry& y = b.Entries()[static_cast<std::size_t>(k)];
      if (x.layerPath.as_UTF8() != y.layerPath.as_UTF8() ||
          StyleText(x.style) != StyleText(y.style)) {
        return "batch setting " + std::to_string(i) + " entry " + std::to_string(k) + ": " +
               x.layerPath.as_UTF8() + " " + StyleText(x.style) + " / " + y.layerPath.as_UTF8() +
               " " + StyleText(y.style);
      }
    }
  }
  return "";
}

// One seed's session: the same random steps whichever way creation searches; each batch
// acquisition runs both ways, one after the other, and is compared on the spot.
class SearchRun {
 public:
  SearchRun(std::uint64_t seed, StackSearch create, StackSearch indexed)
      : random_(seed), answers_(seed * 7919 + 13), create_(create), indexed_(indexed) {
    host_.alerts().SetAnswerer([this](host::Alerts::Kind kind, const std::string&) {
      if (kind != host::Alerts::Kind::kQuestion) return host::Alerts::Answer::kOk;
      return answers_.Percent(75) ? host::Alerts::Answer::kYes : host::Alerts::Answer::kNo;
    });
    const GeneratedDocument generated = GenerateDocument(random_, 12);
    swatches_ = generated.swatchIds;
    host_.documents().Replace(host::ReadDocument(generated.json));
    EXPECT_EQ(RebuildLayerPathMap(), kNoErr);
    store_.SetProcessSinglePath(random_.Percent(50) ? 1 : 0);
  }
  ~SearchRun() { host_.alerts().SetAnswerer(nullptr); }

  std::vector<Outcome> Steps(Coverage& coverage) {
    std::vector<Outcome> outcomes;
    for (int i = random_.Between(4, 10); i > 0; --i) {
      outcomes.push_back(random_.Percent(40) ? Batch(coverage) : Create(coverage));
      if (host_.transcript().ViolationCount() != 0) {
        outcomes.back().problem += "host violation:\n" + host_.transcript().Text();
        break;
      }
    }
    Outcome saved;
    saved.step = "the document, saved";
    saved.document = host::WriteDocument(Doc());
    outcomes.push_back(std::move(saved));
    return outcomes;
  }

 private:
  host::Document& Doc() { return *host_.documents().current(); }
  void Line(const std::string& line) { env_.session.RunLine(line); }

  std::vector<std::string> Ids(bool pathsOnly) {
    std::vector<std::string> ids;
    Doc().ForEachArt([&](const host::Art& art) {
      if (!art.IsLayerGroup() && (!pathsOnly || art.type() == kPathArt)) ids.push_back(art.id());
    });
    return ids;
  }

  // A fresh selection: a few random art objects (groups, compound paths and text among them),
  // a whole stack perhaps with its twins, a container with one of its members, or every path.
  std::string Select(Coverage& coverage) {
    const std::vector<std::string> paths = Ids(true);
    const std::vector<std::string> all = Ids(false);
    std::string line = "select";
    const std::size_t kind = random_.Below(10);
    stackSelected_ = false;
    if (paths.empty() || all.empty()) return "deselect-all";
    if (kind < 3) {
      for (int i = random_.Between(1, 4); i > 0; --i) line += " " + random_.Pick(all);
    } else if (kind < 7) {
      const host::PathGeometry& road = Doc().FindArt(random_.Pick(paths))->path();
      const bool twins = random_.Percent(40);
      int stacked = 0;
      for (const std::string& id : paths) {
        const host::PathGeometry& path = Doc().FindArt(id)->path();
        const bool equal = host::PathsEqual(path, road);
        const bool twin = path.segments.size() == road.segments.size() &&
                          std::equal(path.segments.begin(), path.segments.end(),
                                     road.segments.begin(), [](const auto& a, const auto& b) {
                                       return a.p.h == b.p.h && a.p.v == b.p.v;
                                     });
        if (equal || (twins && twin)) line += " " + id;
        stacked += equal;
      }
      stackSelected_ = stacked > 1;
      coverage.selectedStacks += stackSelected_;
    } else if (kind < 9) {
      std::vector<const host::Art*> containers;
      Doc().ForEachArt([&](const host::Art& art) {
        if (!art.IsLayerGroup() && art.IsContainer() && art.firstChild() != nullptr)
          containers.push_back(&art);
      });
      if (containers.empty()) return "deselect-all\nselect " + random_.Pick(paths);
      const host::Art* container = random_.Pick(containers);
      line += " " + container->id() + " " + container->firstChild()->id();
    } else {
      for (const std::string& id : paths) line += " " + id;
    }
    return "deselect-all\n" + line;
  }

  // Layers and art locked, hidden, shown or unlocked, as a user leaves them.
  std::string States() {
    std::string lines;
    for (int i = random_.Between(0, 2); i > 0; --i) {
      const char* onOff = random_.Percent(70) ? " off" : " on";
      if (random_.Percent(50)) {
        std::vector<std::string> layers;
        for (host::Layer* layer = Doc().FirstLayer(); layer != nullptr;
             layer = Doc().NextPreorderLayer(*layer)) {
          layers.push_back(layer->id());
        }
        lines += "\nlayer " + random_.Pick(layers) +
                 (random_.Percent(50) ? " visible" : " editable") + onOff;
      } else {
        const std::vector<std::string> all = Ids(false);
        if (all.empty()) continue;
        lines += "\nset " + random_.Pick(all) + (random_.Percent(50) ? " locked" : " hidden") +
                 (random_.Percent(70) ? " on" : " off");
      }
    }
    return lines;
  }

  void RunLines(const std::string& lines) {
    std::size_t start = 0;
    for (std::size_t end; (end = lines.find('\n', start)) != std::string::npos; start = end + 1) {
      if (end > start) Line(lines.substr(start, end - start));
    }
    if (start < lines.size()) Line(lines.substr(start));
  }

  // Sometimes a host function that fails on every call of the operation, or one of the index's
  // reads that fails on some calls.
  struct Refusal {
    std::string function;  // none when empty
    long period = 1;       // every period-th call fails
    int once = 0;          // or only this call
    std::string Text() const {
      if (function.empty()) return "";
      return "\nrefusing " + function +
             (once > 0 ? " at call " + std::to_string(once) : " every " + std::to_string(period));
    }
  };
  // Sometimes a host function that fails on every call of the operation, one of the index's
  // reads that fails on some calls, or one call of the first walk.
  Refusal Refuse(Coverage& coverage) {
    if (!random_.Percent(25)) return {};
    ++coverage.refusals;
    const std::size_t kind = random_.Below(10);
    if (kind < 3) return {random_.Pick(kIndexReads), random_.Between(2, 5)};
    if (kind < 5) {
      const std::string& function = random_.Pick(kWalkCalls);
      const int layers = Doc().CountLayers();
      return {function, 1, function == "CountLayers" ? 1 : random_.Between(1, layers)};
    }
    return {random_.Pick(kRefused), 1};
  }

  // Runs one operation with its refusal throughout; its alerts are collected.
  template <typename Operation>
  AIErr Watched(const Refusal& refused, std::vector<std::string>& alerts, Operation run) {
    const std::size_t mark = host_.transcript().Lines().size();
    if (refused.once > 0) {
      host_.faults().Arm(refused.function, refused.once, FourCharCode("FAIL"));
    } else if (!refused.function.empty()) {
      host_.faults().ArmEvery(refused.function, FourCharCode("FAIL"), refused.period);
    }
    const AIErr result = run();
    // An operation that ends before its first walk never meets a failure armed for it.
    host_.faults().Disarm();
    const auto& lines = host_.transcript().Lines();
    for (std::size_t i = mark; i < lines.size(); ++i) {
      if (lines[i].starts_with("alert ")) alerts.push_back(lines[i]);
    }
    return result;
  }

  Outcome Batch(Coverage& coverage) {
    Outcome outcome;
    const std::string selection = Select(coverage) + States();
    const Refusal refused = Refuse(coverage);
    outcome.step = "batch: " + selection + refused.Text();
    RunLines(selection);
    std::vector<std::string> before = Ids(false);
    std::sort(before.begin(), before.end());

    OverlapSettingStore walked(kPreviewWidth, kPreviewHeight),
        indexed(kPreviewWidth, kPreviewHeight);
    walked.SetProcessSinglePath(store_.ProcessSinglePath());
    indexed.SetProcessSinglePath(store_.ProcessSinglePath());
    std::vector<std::string> walkedAlerts;
    const AIErr walkedResult = Watched(
        refused, walkedAlerts, [&] { return AcquireBatch(walked, StackSearch::kWalkPerPath); });
    const std::string walkedDocument = Digest(Doc(), false);
    // What the preview left behind (only a host refusing to dispose of art leaves anything)
    // goes, so that both ways start from one document.
    for (const std::string& id : Ids(false)) {
      if (std::binary_search(before.begin(), before.end(), id)) continue;
      if (host::Art* art = Doc().FindArt(id)) Doc().DisposeArt(*art);
    }
    outcome.result =
        Watched(refused, outcome.alerts, [&] { return AcquireBatch(indexed, indexed_); });
    outcome.document = Digest(Doc(), true);

    if (outcome.result != walkedResult) {
      outcome.problem = "walked " + host::FormatCode(walkedResult) + ", indexed " +
                        host::FormatCode(outcome.result) + "\n";
    }
    if (outcome.alerts != walkedAlerts) outcome.problem += "other alerts than the walk's\n";
    if (const std::string digest = Digest(Doc(), false); digest != walkedDocument)
      outcome.problem += "other documents:\n" + FirstDifference(walkedDocument, digest) + "\n";
    outcome.problem += BatchDifference(walked, indexed);
    ++coverage.batches;
    coverage.batchSettings += indexed.BatchCount();
    return outcome;
  }

  Outcome Create(Coverage& coverage) {
    Outcome outcome;
    std::string setup;
    const std::vector<std::string> paths = Ids(true);
    if (!paths.empty() && (store_.Current() == nullptr || random_.Percent(50))) {
      // A setting of one to three paths, back to front.
      ArtList entries;
      setup = "setting";
      for (int i = random_.Between(1, 3); i > 0; --i) {
        const std::string& id = random_.Pick(paths);
        entries.push_back(Doc().FindArt(id)->handle());
        setup += " " + id;
      }
      auto setting = store_.NewSetting();
      if (setting->FillFromArtList(entries) == kNoErr) store_.MakeCurrent(std::move(setting));
    }
    if (!swatches_.empty() && random_.Percent(5)) {
      const std::size_t index = random_.Below(swatches_.size());
      setup += "\ndelete-swatch " + swatches_[index];
      Line("delete-swatch " + swatches_[index]);
      swatches_.erase(swatches_.begin() + static_cast<long>(index));
    }
    const std::string selection = Select(coverage) + States();
    const Refusal refused = Refuse(coverage);
    outcome.step = "create: " + setup + "\n" + selection + refused.Text();
    RunLines(selection);
    outcome.result =
        Watched(refused, outcome.alerts, [&] { return CreateOverlapLines(store_, create_); });
    outcome.document = Digest(Doc(), true);
    ++coverage.creates;
    int stackQuestions = 0;
    for (const std::string& alert : outcome.alerts) {
      stackQuestions += alert.find("既に重なり線が") != std::string::npos;
      coverage.unlockQuestions += alert.find("重なり線がロック") != std::string::npos;
    }
    coverage.stackQuestions += stackQuestions;
    coverage.stacksMadeAgain += stackSelected_ && stackQuestions > 1;
    return outcome;
  }

  RandomSource random_;
  RandomSource answers_;
  StackSearch create_;
  StackSearch indexed_;
  EngineHost env_;
  host::Host& host_ = env_.host;
  // Destroyed before the host shuts down: it holds host strings.
  OverlapSettingStore store_{kPreviewWidth, kPreviewHeight};
  std::vector<std::string> swatches_;
  bool stackSelected_ = false;  // the last selection held every copy of a stack
};

TEST(StackSearch, TheIndexFindsWhatTheWalkFindsOnRandomMaps) {
  Coverage coverage;
  int failures = 0;
  for (std::uint64_t seed = 1; seed <= kSeeds && failures < 3; ++seed) {
    // Every third seed keys by two bits only: the host's equality must then do all the work.
    const StackSearch indexed = seed % 3 == 0 ? StackSearch::kIndexedCoarse : StackSearch::kIndexed;
    std::vector<Outcome> walked, found;
    {
      SearchRun run(seed, StackSearch::kWalkPerPath, indexed);
      walked = run.Steps(coverage);
    }
    {
      Coverage again;  // counted once
      SearchRun run(seed, indexed, indexed);
      found = run.Steps(again);
    }
    for (std::size_t i = 0; i < std::max(walked.size(), found.size()); ++i) {
      const bool same = i < walked.size() && i < found.size() && walked[i].step == found[i].step &&
                        walked[i].result == found[i].result &&
                        walked[i].alerts == found[i].alerts &&
                        walked[i].document == found[i].document && walked[i].problem.empty() &&
                        found[i].problem.empty();
      if (same) continue;
      ++failures;
      ADD_FAILURE() << "seed " << seed << ", step " << i + 1 << "\nwalked:\n"
                    << (i < walked.size() ? Describe(walked[i]) : "(none)") << "\nindexed:\n"
                    << (i < found.size() ? Describe(found[i]) : "(none)") << "\n"
                    << (i < walked.size() && i < found.size()
                            ? FirstDifference(walked[i].document, found[i].document)
                            : "");
      break;
    }
  }
  // The seeds must keep meeting what matters, or the comparison proves little.
  std::printf(
      "batches %d (settings %d), creates %d, stack questions %d, unlock questions %d, selected "
      "stacks %d (made again %d), refusals %d\n",
      coverage.batches, coverage.batchSettings, coverage.creates, coverage.stackQuestions,
      coverage.unlockQuestions, coverage.selectedStacks, coverage.stacksMadeAgain,
      coverage.refusals);
  EXPECT_GE(coverage.batchSettings, 200);
  EXPECT_GE(coverage.stackQuestions, 150);
  EXPECT_GE(coverage.unlockQuestions, 80);
  EXPECT_GE(coverage.selectedStacks, 70);
  EXPECT_GE(coverage.stacksMadeAgain, 20);
  EXPECT_GE(coverage.refusals, 35);
}

}  // namespace
}  // namespace random_sessions
