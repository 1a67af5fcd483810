// Layer order, the pre-order walk, art-set order and placement by paint order.
#include <gtest/gtest.h>

#include <random>

#include "TestDocuments.h"
#include "host/document/DocumentError.h"
#include "host/document/PaintOrder.h"

namespace host {
namespace {

using testing::AddGroup;
using testing::AddPath;
using testing::Ids;
using testing::MemberIds;

std::vector<std::string> PreorderIds(const Document& document) {
  std::vector<std::string> ids;
  for (const Layer* l = document.FirstLayer(); l; l = document.NextPreorderLayer(*l)) {
    ids.push_back(l->id());
  }
  return ids;
}

// Top layers A, B, C (A front-most); A holds sublayers A1 (with A1a) and A2, between art.
struct LayeredDocument {
  Document document;
  Layer& a = document.NewLayer(nullptr, kPlaceBelow, "A", "A");
  Layer& b = document.NewLayer(nullptr, kPlaceBelow, "B", "B");
  Layer& c = document.NewLayer(nullptr, kPlaceBelow, "C", "C");
  Art& aFront = AddPath(document, a.group(), "a-front", {{0, 0}, {1, 1}});
  Layer& a1 = document.NewLayer(&a, kPlaceInsideOnBottom, "A1", "A1");
  Art& aMiddle = AddPath(document, a.group(), "a-middle", {{0, 0}, {2, 2}});
  Layer& a2 = document.NewLayer(&a, kPlaceInsideOnBottom, "A2", "A2");
  Layer& a1a = document.NewLayer(&a1, kPlaceInsideOnBottom, "A1a", "A1a");
};

TEST(LayerOrder, TopLevelIndexZeroIsFrontMostAndPreorderVisitsParentsFirst) {
  LayeredDocument d;
  EXPECT_EQ(d.document.CountLayers(), 3);
  EXPECT_EQ(d.document.NthLayer(0), &d.a);
  EXPECT_EQ(d.document.NthLayer(2), &d.c);
  EXPECT_EQ(d.document.NthLayer(3), nullptr);
  EXPECT_EQ(d.document.NthLayer(-1), nullptr);
  EXPECT_EQ(PreorderIds(d.document), (std::vector<std::string>{"A", "A1", "A1a", "A2", "B", "C"}));
  EXPECT_EQ(d.document.ParentLayer(d.a1a), &d.a1);
  EXPECT_EQ(d.document.ParentLayer(d.a), nullptr);
  EXPECT_EQ(d.document.FirstSublayer(d.b), nullptr);
  EXPECT_EQ(d.document.currentLayer(), &d.a);  // the first layer made

  // New layers placed against a reference; no reference puts a layer at the top.
  Layer& top = d.document.NewLayer(nullptr, kPlaceAbove, "top", "top");
  Layer& belowB = d.document.NewLayer(&d.b, kPlaceBelow, "below B", "belowB");
  Layer& firstInB = d.document.NewLayer(&d.b, kPlaceInsideOnTop, "in B", "inB");
  EXPECT_EQ(d.document.NthLayer(0), &top);
  EXPECT_EQ(d.document.NthLayer(3), &belowB);
  EXPECT_EQ(d.document.FirstSublayer(d.b), &firstInB);

  // Moving layers, and refusing to move a layer into its own sublayer.
  d.document.MoveLayer(d.c, nullptr, kPlaceAbove);
  EXPECT_EQ(d.document.NthLayer(0), &d.c);
  EXPECT_THROW(d.document.MoveLayer(d.a, &d.a1a, kPlaceInsideOnTop), DocumentError);
  EXPECT_EQ(d.document.ParentLayer(d.a1a), &d.a1);
}

TEST(LayerOrder, SublayerGroupsSitAmongTheLayersArt) {
  LayeredDocument d;
  EXPECT_EQ(MemberIds(d.a.group()),
            (std::vector<std::string>{"a-front", "layer:A1", "a-middle", "layer:A2"}));
  EXPECT_EQ(d.document.LayerOfArt(d.aMiddle), &d.a);
  Art& deep = AddPath(d.document, d.a1a.group(), "deep", {{5, 5}, {6, 6}});
  EXPECT_EQ(d.document.LayerOfArt(deep), &d.a1a);
  EXPECT_EQ(d.a1a.group().parent(), &d.a1.group());
  EXPECT_EQ(d.a.group().parent(), nullptr);
}

TEST(LayerOrder, DeletingALayerTakesItsSublayersAndArtAndMovesTheCurrentLayer) {
  LayeredDocument d;
  AddPath(d.document, d.a1a.group(), "deep", {{5, 5}, {6, 6}});
  const AILayerHandle sublayer = d.a1a.handle();
  const AIArtHandle art = d.aFront.handle();
  d.document.SetCurrentLayer(d.a1a);
  d.document.DeleteLayer(d.a);
  EXPECT_EQ(d.document.FindLayer(sublayer), nullptr);
  EXPECT_EQ(d.document.FindArt(art), nullptr);
  EXPECT_EQ(d.document.FindArt(std::string_view("deep")), nullptr);
  EXPECT_EQ(d.document.currentLayer(), &d.b);
  EXPECT_EQ(d.document.ArtCount(), 0u);
  EXPECT_EQ(PreorderIds(d.document), (std::vector<std::string>{"B", "C"}));
}

TEST(ArtSets, LayerArtRunsFrontToBackThroughGroupsAndSublayers) {
  LayeredDocument d;
  Art& group = AddGroup(d.document, d.a1.group(), "group");
  AddPath(d.document, group, "in-group-1", {{0, 0}, {1, 0}});
  AddPath(d.document, group, "in-group-2", {{0, 0}, {2, 0}});
  AddPath(d.document, d.a1a.group(), "deep", {{0, 0}, {3, 0}});
  AddPath(d.document, d.a2.group(), "in-a2", {{0, 0}, {4, 0}});
  Art& compound = d.document.NewArt(kCompoundPathArt, kPlaceInsideOnBottom, d.b.group(), "cp");
  AddPath(d.document, compound, "cp-1", {{0, 0}, {5, 0}});

  // A1a was made before the group, at the back of A1 then, so it lies in front of the group.
  EXPECT_EQ(Ids(d.document.LayerArt(d.a)),
            (std::vector<std::string>{"a-front", "deep", "group", "in-group-1", "in-group-2",
                                      "a-middle", "in-a2"}));
  EXPECT_EQ(Ids(d.document.LayerArt(d.a1)),
            (std::vector<std::string>{"deep", "group", "in-group-1", "in-group-2"}));
  EXPECT_EQ(Ids(d.document.LayerArt(d.b)), (std::vector<std::string>{"cp", "cp-1"}));
  EXPECT_TRUE(d.document.LayerArt(d.c).empty());
}

TEST(ArtSets, SelectionIsInPaintOrderAndSelectingAGroupSelectsItsMembers) {
  LayeredDocument d;
  Art& inC = AddPath(d.document, d.c.group(), "in-c", {{0, 0}, {1, 0}});
  Art& group = AddGroup(d.document, d.b.group(), "group");
  AddPath(d.document, group, "member-1", {{0, 0}, {1, 0}});
  AddPath(d.document, group, "member-2", {{0, 0}, {2, 0}});
  Art& deep = AddPath(d.document, d.a1a.group(), "deep", {{0, 0}, {3, 0}});

  // Selected in an order unlike paint order; the set comes out front to back.
  d.document.SetUserAttributes(inC, kArtSelected, kArtSelected);
  d.document.SetUserAttributes(group, kArtSelected, kArtSelected);
  d.document.SetUserAttributes(d.aMiddle, kArtSelected, kArtSelected);
  d.document.SetUserAttributes(deep, kArtSelected, kArtSelected);
  EXPECT_EQ(
      Ids(d.document.SelectedArt()),
      (std::vector<std::string>{"deep", "a-middle", "group", "member-1", "member-2", "in-c"}));
  EXPECT_TRUE(deep.path().segments[1].selected);

  d.document.DeselectArtOnLayer(d.a);
  EXPECT_EQ(Ids(d.document.SelectedArt()),
            (std::vector<std::string>{"group", "member-1", "member-2", "in-c"}));
  d.document.DeselectAll();
  EXPECT_TRUE(d.document.SelectedArt().empty());
}

TEST(PaintOrder, EachOrderPlacesNewMovedAndDuplicatedArtWhereItBelongs) {
  Document document;
  Layer& layer = document.NewLayer(nullptr, kPlaceAbove, "L", "L");
  Art& group = AddGroup(document, layer.group(), "g");
  Art& first = AddPath(document, group, "p1", {{0, 0}, {1, 0}});
  Art& second = AddPath(document, group, "p2", {{0, 0}, {2, 0}});

  document.NewArt(kPathArt, kPlaceAbove, second, "above-p2");
  document.NewArt(kPathArt, kPlaceBelow, first, "below-p1");
  document.NewArt(kPathArt, kPlaceInsideOnTop, group, "top");
  document.NewArt(kPathArt, kPlaceInsideOnBottom, group, "bottom");
  EXPECT_EQ(MemberIds(group),
            (std::vector<std::string>{"top", "p1", "below-p1", "above-p2", "p2", "bottom"}));

  // Art placed directly in a layer group; duplicates keep content under a new id.
  document.NewArt(kTextFrameArt, kPlaceInsideOnTop, layer.group(), "label");
  Art& copy = document.DuplicateArt(group, kPlaceBelow, group);
  EXPECT_EQ(MemberIds(layer.group()), (std::vector<std::string>{"label", "g", copy.id()}));
  EXPECT_NE(copy.id(), "g");
  EXPECT_EQ(MemberIds(copy).size(), 6u);
  EXPECT_TRUE(PathsEqual(copy.firstChild()->behind()->path(), first.path()));

  document.MoveArt(second, kPlaceInsideOnTop, layer.group());
  EXPECT_EQ(MemberIds(layer.group()).front(), "p2");
  document.MoveArt(first, kPlaceAbove, second);
  EXPECT_EQ(MemberIds(layer.group()).front(), "p1");
}

TEST(PaintOrder, SiblingOrderFollowsThePaintOrderThroughManyInsertionsAnywhere) {
  // Many insertions at one place exhaust the room between two neighbours' order numbers, so
  // siblings around it are numbered afresh, again and again over wider ranges.
  Document document;
  Layer& layer = document.NewLayer(nullptr, kPlaceAbove, "L", "L");
  Art& anchor = AddPath(document, layer.group(), "anchor", {{0, 0}, {1, 0}});
  std::vector<Art*> arts{&anchor};
  std::mt19937 random(3);
  for (int i = 0; i < 3000; ++i) {
    const int where = static_cast<int>(random() % 6);
    Art& other = *arts[random() % arts.size()];
    if (where == 0) arts.push_back(&document.NewArt(kPathArt, kPlaceInsideOnTop, layer.group()));
    if (where == 1) arts.push_back(&document.NewArt(kPathArt, kPlaceInsideOnBottom, layer.group()));
    if (where == 2) arts.push_back(&document.NewArt(kPathArt, kPlaceAbove, anchor));
    if (where == 3) arts.push_back(&document.NewArt(kPathArt, kPlaceBelow, anchor));
    if (where == 4) arts.push_back(&document.NewArt(kPathArt, kPlaceBelow, other));
    if (where == 5 && &other != &anchor) document.MoveArt(other, kPlaceAbove, anchor);
    std::size_t count = 1;
    for (const Art* art = layer.group().firstChild(); art->behind(); art = art->behind()) {
      ASSERT_LT(art->siblingOrder(), art->behind()->siblingOrder()) << "insertion " << i;
      ++count;
    }
    ASSERT_EQ(count, arts.size());
  }
}

TEST(PaintOrder, SortingFrontToBackAgreesWithTheWalkAcrossLayersSublayersAndGroups) {
  LayeredDocument d;
  std::mt19937 random(5);
  std::vector<Art*> containers{&d.a.group(), &d.b.group(), &d.a1.group(), &d.a1a.group()};
  for (int i = 0; i < 60; ++i) {
    Art& container = *containers[random() % containers.size()];
    if (random() % 4 == 0) {
      containers.push_back(&AddGroup(d.document, container, "g" + std::to_string(i)));
    } else {
      d.document.NewArt(kPathArt, random() % 2 ? kPlaceInsideOnTop : kPlaceInsideOnBottom,
                        container);
    }
  }
  std::vector<Art*> walked;  // leaves, which a walk visits front to back
  d.document.ForEachArt([&](Art& art) {
    if (!art.IsContainer()) walked.push_back(&art);
  });
  std::vector<Art*> sorted = walked;
  std::shuffle(sorted.begin(), sorted.end(), random);
  SortFrontToBack(sorted);
  EXPECT_EQ(sorted, walked);
  for (std::size_t i = 1; i < walked.size(); ++i) {
    EXPECT_TRUE(PaintsInFront(*walked[i - 1], *walked[i]));
    EXPECT_FALSE(PaintsInFront(*walked[i], *walked[i - 1]));
  }
}

TEST(PaintOrder, PlacementsTheHostWouldRefuseLeaveTheDocumentUnchanged) {
  Document document;
  Layer& layer = document.NewLayer(nullptr, kPlaceAbove, "L", "L");
  Art& group = AddGroup(document, layer.group(), "g");
  Art& path = AddPath(document, group, "p", {{0, 0}, {1, 0}});
  Art& inner = AddGroup(document, group, "inner");
  Art& compound = document.NewArt(kCompoundPathArt, kPlaceInsideOnTop, layer.group(), "cp");

  const auto refused = [](auto action) {
    try {
      action();
    } catch (const DocumentError& error) {
      return error.code() == kBadParameterErr;
    }
    return false;
  };
  EXPECT_TRUE(refused([&] { document.NewArt(kPathArt, kPlaceInsideOnTop, path, "x"); }));
  EXPECT_TRUE(refused([&] { document.NewArt(kPathArt, kPlaceAbove, layer.group(), "x"); }));
  EXPECT_TRUE(refused([&] { document.NewArt(kGroupArt, kPlaceInsideOnTop, compound, "x"); }));
  EXPECT_TRUE(refused([&] { document.NewArt(kPathArt, 9, group, "x"); }));
  EXPECT_TRUE(refused([&] { document.NewArt(kPathArt, kPlaceInsideOnTop, group, "p"); }));
  EXPECT_TRUE(refused([&] { document.MoveArt(group, kPlaceInsideOnTop, inner); }));
  EXPECT_TRUE(refused([&] { document.MoveArt(path, kPlaceAbove, path); }));
  EXPECT_TRUE(refused([&] { document.DisposeArt(layer.group()); }));
  EXPECT_EQ(document.FindArt(std::string_view("x")), nullptr);
  EXPECT_EQ(MemberIds(group), (std::vector<std::string>{"p", "inner"}));
  EXPECT_EQ(MemberIds(layer.group()), (std::vector<std::string>{"cp", "g"}));
}

}  // namespace
}  // namespace host
