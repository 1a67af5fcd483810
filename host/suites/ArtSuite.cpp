#include "host/core/Faultable.h"
#include "host/suites/ArtBounds.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/SuiteSupport.h"
#include "hostapi/AIArt.h"

namespace host::suites {
namespace {

constexpr AIArtUserAttr kKnownAttributes = kArtSelected | kArtLocked | kArtHidden;

bool ValidOrder(AIPaintOrder order) {
  return order >= kPlaceAbove && order <= kPlaceInsideOnBottom;
}

AIErr GetArtType(AIArtHandle handle, AIArtType* type) {
  if (!Out(type, "GetArtType")) return kBadParameterErr;
  return WithArt(handle, "GetArtType", [type](Art& art) {
    *type = art.IsLayerGroup() ? kGroupArt : art.type();
    return kNoErr;
  });
}

AIErr GetArtParent(AIArtHandle handle, AIArtHandle* parent) {
  if (!Out(parent, "GetArtParent")) return kBadParameterErr;
  return WithArt(handle, "GetArtParent", [parent](Art& art) {
    // A layer group has no parent art: sublayers are reached through the layer suite.
    *parent = art.IsLayerGroup() || art.parent() == nullptr ? nullptr : art.parent()->handle();
    return kNoErr;
  });
}

AIErr GetLayerOfArt(AIArtHandle handle, AILayerHandle* layer) {
  if (!Out(layer, "GetLayerOfArt")) return kBadParameterErr;
  return WithArt(handle, "GetLayerOfArt", [layer](Art& art) {
    Layer* found = Docs().current()->LayerOfArt(art);
    if (found == nullptr) return kBadStateErr;
    *layer = found->handle();
    return kNoErr;
  });
}

AIErr GetFirstArtOfLayer(AILayerHandle handle, AIArtHandle* art) {
  if (!Out(art, "GetFirstArtOfLayer")) return kBadParameterErr;
  return WithLayer(handle, "GetFirstArtOfLayer", [art](Layer& layer) {
    *art = layer.group().handle();
    return kNoErr;
  });
}

AIErr GetArtUserAttr(AIArtHandle handle, AIArtUserAttr mask, AIArtUserAttr* attributes) {
  if (!Out(attributes, "GetArtUserAttr")) return kBadParameterErr;
  return WithArt(handle, "GetArtUserAttr", [mask, attributes](Art& art) {
    *attributes = Docs().current()->UserAttributes(art) & mask;
    return kNoErr;
  });
}

AIErr SetArtUserAttr(AIArtHandle handle, AIArtUserAttr mask, AIArtUserAttr attributes) {
  if ((mask & ~kKnownAttributes) != 0) {
    Log().Violation("SetArtUserAttr with unknown attribute bits in the mask");
    return kBadParameterErr;
  }
  return WithArt(handle, "SetArtUserAttr", [mask, attributes](Art& art) {
    return Edit([&] { Docs().current()->SetUserAttributes(art, mask, attributes); });
  });
}

// The reference art for placing new art; with none, the current layer's group, inside.
AIErr Placement(AIArtHandle prep, AIPaintOrder* order, Art** reference, const char* function) {
  if (!ValidOrder(*order)) {
    Log().Violation(std::string(function) + " with paint order " + std::to_string(*order));
    return kBadParameterErr;
  }
  if (prep != nullptr) {
    *reference = Docs().FindArt(prep, function);
    return *reference != nullptr ? kNoErr : Docs().RefusalCode();
  }
  Document* document = Docs().Require(function);
  if (document == nullptr) return kNoDocumentErr;
  if (document->currentLayer() == nullptr) return kBadStateErr;
  *reference = &document->currentLayer()->group();
  if (*order == kPlaceAbove) *order = kPlaceInsideOnTop;
  if (*order == kPlaceBelow) *order = kPlaceInsideOnBottom;
  return kNoErr;
}

AIErr NewArt(AIArtType type, AIPaintOrder order, AIArtHandle prep, AIArtHandle* art) {
  if (!Out(art, "NewArt")) return kBadParameterErr;
  if (type != kGroupArt && type != kPathArt && type != kCompoundPathArt) {
    Log().Violation("NewArt of type " + std::to_string(type));
    return kBadParameterErr;
  }
  Art* reference = nullptr;
  if (AIErr error = Placement(prep, &order, &reference, "NewArt"); error != kNoErr) return error;
  return Edit([&] { *art = Docs().current()->NewArt(type, order, *reference).handle(); });
}

AIErr DisposeArt(AIArtHandle handle) {
  return WithArt(handle, "DisposeArt", [](Art& art) {
    if (art.IsLayerGroup()) {
      Log().Violation("DisposeArt of a layer group");
      return kBadParameterErr;
    }
    return Edit([&] { Docs().current()->DisposeArt(art); });
  });
}

AIErr DuplicateArt(AIArtHandle handle, AIPaintOrder order, AIArtHandle prep, AIArtHandle* copy) {
  if (!Out(copy, "DuplicateArt")) return kBadParameterErr;
  return WithArt(handle, "DuplicateArt", [&](Art& art) {
    if (art.IsLayerGroup()) {
      Log().Violation("DuplicateArt of a layer group");
      return kBadParameterErr;
    }
    Art* reference = nullptr;
    if (AIErr error = Placement(prep, &order, &reference, "DuplicateArt"); error != kNoErr) {
      return error;
    }
    return Edit([&] { *copy = Docs().current()->DuplicateArt(art, order, *reference).handle(); });
  });
}

AIBoolean ArtsHaveEqualPaths(AIArtHandle a, AIArtHandle b) {
  Art* first = Docs().FindArt(a, "ArtsHaveEqualPaths");
  Art* second = first != nullptr ? Docs().FindArt(b, "ArtsHaveEqualPaths") : nullptr;
  if (second == nullptr) return 0;
  if (first->type() != kPathArt || second->type() != kPathArt) return 0;
  return PathsEqual(first->path(), second->path()) ? 1 : 0;
}

AIErr GetArtBounds(AIArtHandle handle, AIRealRect* bounds) {
  if (!Out(bounds, "GetArtBounds")) return kBadParameterErr;
  return WithArt(handle, "GetArtBounds", [bounds](Art& art) {
    *bounds = GeometricBounds(art);
    return kNoErr;
  });
}

AIBoolean ValidArt(AIArtHandle handle) {
  Document* document = Docs().current();
  return document != nullptr && handle != nullptr &&
         document->Status(handle) == HandleStatus::kLive;
}

}  // namespace

const AIArtSuite* ArtSuite() {
  static const AIArtSuite suite = {
      HOST_FAULTABLE(GetArtType),     HOST_FAULTABLE(GetArtParent),
      HOST_FAULTABLE(GetLayerOfArt),  HOST_FAULTABLE(GetFirstArtOfLayer),
      HOST_FAULTABLE(GetArtUserAttr), HOST_FAULTABLE(SetArtUserAttr),
      HOST_FAULTABLE(NewArt),         HOST_FAULTABLE(DisposeArt),
      HOST_FAULTABLE(DuplicateArt),   &ArtsHaveEqualPaths,
      HOST_FAULTABLE(GetArtBounds),   &ValidArt};
  return &suite;
}

}  // namespace host::suites
