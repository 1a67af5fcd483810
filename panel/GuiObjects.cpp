#include "panel/GuiObjects.h"

namespace gui_detail {
namespace {

LaneWorksGuiCounts gCounts{};

std::int32_t& Counter(Kind kind) {
  switch (kind) {
    case Kind::kWindow:
      return gCounts.windows;
    case Kind::kFont:
      return gCounts.fonts;
    case Kind::kBitmap:
      return gCounts.bitmaps;
    case Kind::kBrush:
      return gCounts.brushes;
    case Kind::kPen:
      return gCounts.pens;
    case Kind::kDeviceContext:
      break;
  }
  return gCounts.deviceContexts;
}

}  // namespace

void CountMade(Kind kind) {
  ++Counter(kind);
}

void CountReleased(Kind kind) {
  --Counter(kind);
}

void Release(Kind kind, void* handle) {
  switch (kind) {
    case Kind::kWindow:
      if (IsWindow(static_cast<HWND>(handle))) DestroyWindow(static_cast<HWND>(handle));
      return;
    case Kind::kDeviceContext:
      DeleteDC(static_cast<HDC>(handle));
      return;
    default:
      DeleteObject(static_cast<HGDIOBJ>(handle));
      return;
  }
}

}  // namespace gui_detail

LaneWorksGuiCounts PanelGuiCounts() {
  return gui_detail::gCounts;
}
