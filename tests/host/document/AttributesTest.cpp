// User attributes through ancestors and layers, handle validation and swatch lifetime.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "TestDocuments.h"
#include "host/document/DocumentError.h"
#include "host/document/DocumentJson.h"

namespace host {
namespace {

using testing::AddGroup;
using testing::AddPath;

struct Nested {
  Document document;
  Layer& outer = document.NewLayer(nullptr, kPlaceAbove, "outer");
  Layer& inner = document.NewLayer(&outer, kPlaceInsideOnTop, "inner");
  Art& group = AddGroup(document, inner.group(), "group");
  Art& path = AddPath(document, group, "path", {{0, 0}, {1, 1}});
};

TEST(UserAttributes, LockedOrHiddenAnywhereAboveMakesArtLockedOrHidden) {
  Nested n;
  Document& d = n.document;
  EXPECT_TRUE(d.IsArtVisible(n.path));
  EXPECT_TRUE(d.IsArtEditable(n.path));

  d.SetUserAttributes(n.group, kArtHidden, kArtHidden);
  EXPECT_FALSE(d.IsArtVisible(n.path));
  EXPECT_TRUE(d.IsArtEditable(n.path));
  EXPECT_EQ(d.UserAttributes(n.path) & kArtHidden, 0);  // own attributes stay as they are
  d.SetUserAttributes(n.group, kArtHidden, 0);

  n.outer.editable = false;  // a layer ancestor of the path's own layer
  EXPECT_FALSE(d.IsArtEditable(n.path));
  EXPECT_TRUE(d.IsArtVisible(n.path));
  EXPECT_EQ(d.UserAttributes(n.outer.group()), kArtLocked);
  n.outer.editable = true;

  n.inner.visible = false;
  EXPECT_FALSE(d.IsArtVisible(n.path));
  n.inner.visible = true;

  d.SetUserAttributes(n.path, kArtLocked | kArtHidden, kArtLocked);
  EXPECT_FALSE(d.IsArtEditable(n.path));
  EXPECT_TRUE(d.IsArtVisible(n.path));
  EXPECT_TRUE(d.IsArtEditable(n.group));
}

TEST(UserAttributes, LockingOrHidingALayerGroupChangesItsLayer) {
  Nested n;
  Document& d = n.document;
  d.SetUserAttributes(n.inner.group(), kArtLocked | kArtHidden, kArtLocked | kArtHidden);
  EXPECT_FALSE(n.inner.editable);
  EXPECT_FALSE(n.inner.visible);
  EXPECT_EQ(d.UserAttributes(n.inner.group()), kArtLocked | kArtHidden);
  // Clearing the states along the chain of a locked art unlocks everything above it.
  for (Art* at = &n.path; at; at = at->parent())
    d.SetUserAttributes(*at, kArtLocked | kArtHidden, 0);
  EXPECT_TRUE(d.IsArtEditable(n.path));
  EXPECT_TRUE(d.IsArtVisible(n.path));
  EXPECT_THROW(d.SetUserAttributes(n.path, 8, 8), DocumentError);
}

// The change log feeds the hit-test index; art whose anchors a selection leaves as they were must
// not be in it, or deselecting all on a large map makes the next hit test look at every path.
TEST(UserAttributes, SelectionLogsOnlyPathsWhoseAnchorsChange) {
  Nested n;
  Document& d = n.document;
  Art& other = AddPath(d, n.group, "other", {{5, 5}, {6, 6}});
  d.TakeChangedArt();
  d.SetUserAttributes(n.path, kArtSelected, kArtSelected);
  EXPECT_EQ(d.TakeChangedArt(), std::vector<AIArtHandle>{n.path.handle()});
  d.SetUserAttributes(n.inner.group(), kArtSelected, 0);
  EXPECT_EQ(d.TakeChangedArt(), std::vector<AIArtHandle>{n.path.handle()});
  EXPECT_FALSE(std::as_const(n.path).path().segments[0].selected);
  d.SetUserAttributes(n.inner.group(), kArtSelected, 0);
  EXPECT_TRUE(d.TakeChangedArt().empty());
  EXPECT_EQ(d.UserAttributes(other) & kArtSelected, 0);
}

// Deselection reaches only the art the document knows to be selected; copies, disposals and
// anchors selected in a file must keep that knowledge true.
TEST(UserAttributes, DeselectionFindsEverySelectedArtAndAnchorAndNothingElse) {
  Nested n;
  Document& d = n.document;
  Layer& top = d.NewLayer(nullptr, kPlaceAbove, "top");
  Art& topPath = AddPath(d, top.group(), "top path", {{2, 2}, {3, 3}});
  d.SetUserAttributes(n.group, kArtSelected, kArtSelected);
  Art& copy = d.DuplicateArt(n.path, kPlaceAbove, n.path);
  Art& doomed = d.DuplicateArt(n.path, kPlaceAbove, n.path);
  d.DisposeArt(doomed);
  d.SetSegmentSelected(topPath, 1, true);
  EXPECT_TRUE(d.LayerHasSelectedArt(n.outer));
  EXPECT_TRUE(d.LayerHasSelectedArt(top));

  d.DeselectArtOnLayer(n.outer);
  EXPECT_FALSE(d.LayerHasSelectedArt(n.outer));
  EXPECT_TRUE(d.LayerHasSelectedArt(top));
  for (const Art* art : {&n.group, &n.path, &copy}) {
    EXPECT_EQ(d.UserAttributes(*art) & kArtSelected, 0) << art->id();
  }
  EXPECT_FALSE(std::as_const(copy).path().segments[0].selected);
  EXPECT_EQ(d.SelectedArt(), std::vector<Art*>{&topPath});

  // A file may hold selected anchors of a path that is not selected itself.
  std::unique_ptr<Document> read = ReadDocument(R"({"format": "laneworks-document", "version": 1,
      "layers": [{"title": "a", "art": [{"type": "path", "segments": [
          {"p": [0, 0], "selected": true}, {"p": [1, 1]}]}]}]})");
  read->DeselectAll();
  const Art& path = *read->FirstLayer()->group().firstChild();
  EXPECT_FALSE(path.path().segments[0].selected);
  d.DeselectAll();
  EXPECT_FALSE(d.LayerHasSelectedArt(top));
  EXPECT_FALSE(std::as_const(topPath).path().segments[1].selected);
}

TEST(Handles, DisposedAndForeignHandlesAreRecognisedNotFollowed) {
  Nested n;
  Document& d = n.document;
  const AIArtHandle group = n.group.handle();
  const AIArtHandle path = n.path.handle();
  EXPECT_EQ(d.Status(path), HandleStatus::kLive);
  EXPECT_EQ(d.FindArt(path), &n.path);

  d.DisposeArt(n.group);  // its member goes with it
  EXPECT_EQ(d.Status(group), HandleStatus::kStale);
  EXPECT_EQ(d.Status(path), HandleStatus::kStale);
  EXPECT_EQ(d.FindArt(path), nullptr);

  // A new object may reuse the slot, under a new generation: the old handle stays stale.
  Art& reused = AddPath(d, n.inner.group(), "reused", {{0, 0}});
  EXPECT_NE(reused.handle(), path);
  EXPECT_NE(reused.handle(), group);
  EXPECT_EQ(d.FindArt(path), nullptr);
  EXPECT_EQ(d.FindArt(group), nullptr);

  // Handles of another document, of another kind, or made up.
  Document other;
  Layer& otherLayer = other.NewLayer(nullptr, kPlaceAbove, "other");
  Art& otherArt = AddPath(other, otherLayer.group(), "x", {{0, 0}});
  EXPECT_EQ(d.Status(otherArt.handle()), HandleStatus::kForeign);
  EXPECT_EQ(d.FindArt(otherArt.handle()), nullptr);
  EXPECT_EQ(d.Status(reinterpret_cast<AIArtHandle>(n.outer.handle())), HandleStatus::kForeign);
  EXPECT_EQ(d.Status(reinterpret_cast<AIArtHandle>(std::uintptr_t{0x1234})),
            HandleStatus::kForeign);
  EXPECT_EQ(d.Status(AIArtHandle{}), HandleStatus::kForeign);

  const AILayerHandle inner = n.inner.handle();
  const AIArtHandle inLayer = reused.handle();
  d.DeleteLayer(n.outer);
  EXPECT_EQ(d.Status(inner), HandleStatus::kStale);
  EXPECT_EQ(d.FindArt(inLayer), nullptr);
}

TEST(Swatches, DeletingASwatchInvalidatesItsHandleAndFlattensItsUses) {
  Document d;
  Layer& layer = d.NewLayer(nullptr, kPlaceAbove, "L");
  Art& path = AddPath(d, layer.group(), "p", {{0, 0}, {9, 0}});
  const AICustomColorHandle spot =
      d.swatches().customColors.Add({"spot", "特色", CmykColor(0, 0.5, 1, 0), true});
  const AIGradientHandle gradient =
      d.swatches().gradients.Add({"ramp",
                                  "ramp",
                                  GradientType::kLinear,
                                  {{0, 50, CustomColorOf(spot, 0)}, {100, 50, GrayColor(0)}}});

  AIPathStyle style = d.PathStyle(path);
  style.strokePaint = true;
  style.stroke = testing::Stroke(CustomColorOf(spot, 0.5), 2);
  style.fillPaint = true;
  style.fill.color = GradientColorOf(gradient, {0, 0}, 0, 9);
  d.SetPathStyle(path, style);
  EXPECT_TRUE(d.IsColorValid(style.stroke.color));

  d.DeleteCustomColor(spot);
  EXPECT_FALSE(d.IsColorValid(style.stroke.color));  // a style kept from before
  EXPECT_EQ(d.swatches().customColors.Status(spot), HandleStatus::kStale);
  const AIPathStyle now = d.PathStyle(path);
  ASSERT_EQ(now.stroke.color.kind, kFourColor);  // base colour at half tint
  EXPECT_DOUBLE_EQ(now.stroke.color.c.f.magenta, 0.25);
  EXPECT_DOUBLE_EQ(now.stroke.color.c.f.yellow, 0.5);
  EXPECT_EQ(d.swatches().gradients.Find(gradient)->stops[0].color.kind, kFourColor);

  // A style naming the deleted swatch is refused and changes nothing.
  try {
    d.SetPathStyle(path, style);
    ADD_FAILURE() << "a stale swatch was accepted";
  } catch (const DocumentError& error) {
    EXPECT_EQ(error.code(), kStaleHandleErr);
  }
  EXPECT_EQ(d.PathStyle(path).stroke.color.kind, kFourColor);

  d.DeleteGradient(gradient);
  EXPECT_EQ(d.PathStyle(path).fill.color.kind, kFourColor);  // its first stop
  EXPECT_THROW(d.DeleteGradient(gradient), DocumentError);
}

}  // namespace
}  // namespace host
