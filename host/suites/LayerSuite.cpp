#include "host/core/Faultable.h"
#include "host/suites/DocumentSuites.h"
#include "host/suites/SuiteSupport.h"
#include "hostapi/AILayer.h"

namespace host::suites {
namespace {

AIErr CountLayers(std::int32_t* count) {
  if (!Out(count, "CountLayers")) return kBadParameterErr;
  Document* document = Docs().Require("CountLayers");
  if (document == nullptr) return kNoDocumentErr;
  *count = document->CountLayers();
  return kNoErr;
}

AIErr GetNthLayer(std::int32_t index, AILayerHandle* layer) {
  if (!Out(layer, "GetNthLayer")) return kBadParameterErr;
  Document* document = Docs().Require("GetNthLayer");
  if (document == nullptr) return kNoDocumentErr;
  Layer* found = document->NthLayer(index);
  if (found == nullptr) {
    Log().Violation("GetNthLayer with index " + std::to_string(index) + " out of range");
    return kBadParameterErr;
  }
  *layer = found->handle();
  return kNoErr;
}

AIErr GetFirstLayer(AILayerHandle* first) {
  if (!Out(first, "GetFirstLayer")) return kBadParameterErr;
  Document* document = Docs().Require("GetFirstLayer");
  if (document == nullptr) return kNoDocumentErr;
  Layer* layer = document->FirstLayer();
  *first = layer != nullptr ? layer->handle() : nullptr;
  return kNoErr;
}

AIErr GetNextPreorderLayer(AILayerHandle handle, AILayerHandle* next) {
  if (!Out(next, "GetNextPreorderLayer")) return kBadParameterErr;
  return WithLayer(handle, "GetNextPreorderLayer", [next](Layer& layer) {
    Layer* found = Docs().current()->NextPreorderLayer(layer);
    *next = found != nullptr ? found->handle() : nullptr;
    return kNoErr;
  });
}

AIErr GetLayerParent(AILayerHandle handle, AILayerHandle* parent) {
  if (!Out(parent, "GetLayerParent")) return kBadParameterErr;
  return WithLayer(handle, "GetLayerParent", [parent](Layer& layer) {
    Layer* found = Docs().current()->ParentLayer(layer);
    *parent = found != nullptr ? found->handle() : nullptr;
    return kNoErr;
  });
}

AIErr GetLayerTitle(AILayerHandle handle, AIUnicodeStringRef title) {
  return WithLayer(handle, "GetLayerTitle", [title](Layer& layer) {
    std::u16string* text = Host::Current().strings().Find(title, "GetLayerTitle");
    if (text == nullptr) return kStaleHandleErr;
    *text = *Utf8ToUtf16(layer.title);
    return kNoErr;
  });
}

AIErr SetLayerTitle(AILayerHandle handle, AIUnicodeStringRef title) {
  return WithLayer(handle, "SetLayerTitle", [title](Layer& layer) {
    if (Host::Current().strings().Find(title, "SetLayerTitle") == nullptr) return kStaleHandleErr;
    layer.title = Host::Current().strings().Utf8(title, "SetLayerTitle");
    Docs().MarkEdited();
    Docs().MarkLayersChanged();
    return kNoErr;
  });
}

template <bool Layer::*kFlag>
AIErr GetFlag(AILayerHandle handle, AIBoolean* value, const char* function) {
  if (!Out(value, function)) return kBadParameterErr;
  return WithLayer(handle, function, [value](Layer& layer) {
    *value = layer.*kFlag ? 1 : 0;
    return kNoErr;
  });
}

template <bool Layer::*kFlag>
AIErr SetFlag(AILayerHandle handle, AIBoolean value, const char* function) {
  return WithLayer(handle, function, [value](Layer& layer) {
    layer.*kFlag = value != 0;
    Docs().MarkEdited();
    return kNoErr;
  });
}

AIErr GetLayerVisible(AILayerHandle layer, AIBoolean* visible) {
  return GetFlag<&Layer::visible>(layer, visible, "GetLayerVisible");
}
AIErr SetLayerVisible(AILayerHandle layer, AIBoolean visible) {
  return SetFlag<&Layer::visible>(layer, visible, "SetLayerVisible");
}
AIErr GetLayerEditable(AILayerHandle layer, AIBoolean* editable) {
  return GetFlag<&Layer::editable>(layer, editable, "GetLayerEditable");
}
AIErr SetLayerEditable(AILayerHandle layer, AIBoolean editable) {
  return SetFlag<&Layer::editable>(layer, editable, "SetLayerEditable");
}

AIErr GetCurrentLayer(AILayerHandle* layer) {
  if (!Out(layer, "GetCurrentLayer")) return kBadParameterErr;
  Document* document = Docs().Require("GetCurrentLayer");
  if (document == nullptr) return kNoDocumentErr;
  Layer* current = document->currentLayer();
  *layer = current != nullptr ? current->handle() : nullptr;
  return kNoErr;
}

AIErr SetCurrentLayer(AILayerHandle handle) {
  return WithLayer(handle, "SetCurrentLayer", [](Layer& layer) {
    Docs().current()->SetCurrentLayer(layer);
    return kNoErr;
  });
}

AIErr LayerHasSelectedArt(AILayerHandle handle, AIBoolean* hasSelected) {
  if (!Out(hasSelected, "LayerHasSelectedArt")) return kBadParameterErr;
  return WithLayer(handle, "LayerHasSelectedArt", [hasSelected](Layer& layer) {
    *hasSelected = Docs().current()->LayerHasSelectedArt(layer) ? 1 : 0;
    return kNoErr;
  });
}

AIErr DeselectArtOnLayer(AILayerHandle handle) {
  return WithLayer(handle, "DeselectArtOnLayer", [](Layer& layer) {
    Docs().current()->DeselectArtOnLayer(layer);
    Docs().MarkEdited();
    return kNoErr;
  });
}

}  // namespace

const AILayerSuite* LayerSuite() {
  static const AILayerSuite suite = {
      HOST_FAULTABLE(CountLayers),       HOST_FAULTABLE(GetNthLayer),
      HOST_FAULTABLE(GetFirstLayer),     HOST_FAULTABLE(GetNextPreorderLayer),
      HOST_FAULTABLE(GetLayerParent),    HOST_FAULTABLE(GetLayerTitle),
      HOST_FAULTABLE(SetLayerTitle),     HOST_FAULTABLE(GetLayerVisible),
      HOST_FAULTABLE(SetLayerVisible),   HOST_FAULTABLE(GetLayerEditable),
      HOST_FAULTABLE(SetLayerEditable),  HOST_FAULTABLE(GetCurrentLayer),
      HOST_FAULTABLE(SetCurrentLayer),   HOST_FAULTABLE(LayerHasSelectedArt),
      HOST_FAULTABLE(DeselectArtOnLayer)};
  return &suite;
}

}  // namespace host::suites
