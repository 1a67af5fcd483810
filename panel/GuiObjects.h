// Owners of the windows, GDI objects and memory device contexts the panel makes: each releases
// what it holds when it goes, and counts what is alive, so that tests can see that nothing
// leaks (see GuiCounts.h). Non-copyable, movable.
#pragma once

#include <windows.h>

#include <utility>

#include "panel/GuiCounts.h"

// What every owner of the panel holds now (cursors are the tool's and are not counted here).
LaneWorksGuiCounts PanelGuiCounts();

namespace gui_detail {
enum class Kind { kWindow, kFont, kBitmap, kBrush, kPen, kDeviceContext };
void CountMade(Kind kind);
void CountReleased(Kind kind);
void Release(Kind kind, void* handle);
}  // namespace gui_detail

template <typename Handle, gui_detail::Kind kKind>
class GuiOwner {
 public:
  GuiOwner() = default;
  explicit GuiOwner(Handle handle) : handle_(handle) {
    if (handle_ != nullptr) gui_detail::CountMade(kKind);
  }
  GuiOwner(GuiOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GuiOwner& operator=(GuiOwner other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  ~GuiOwner() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset() {
    if (handle_ == nullptr) return;
    gui_detail::Release(kKind, handle_);
    gui_detail::CountReleased(kKind);
    handle_ = nullptr;
  }

 private:
  Handle handle_ = nullptr;
};

// A window is destroyed by its owner unless it is gone already (a child goes with its parent).
using UniqueWindow = GuiOwner<HWND, gui_detail::Kind::kWindow>;
using UniqueFont = GuiOwner<HFONT, gui_detail::Kind::kFont>;
using UniqueBitmap = GuiOwner<HBITMAP, gui_detail::Kind::kBitmap>;
using UniqueBrush = GuiOwner<HBRUSH, gui_detail::Kind::kBrush>;
using UniquePen = GuiOwner<HPEN, gui_detail::Kind::kPen>;
using UniqueMemoryDC = GuiOwner<HDC, gui_detail::Kind::kDeviceContext>;

// An object selected into a device context for the owner's lifetime; the one it replaced goes
// back into the context at the end, so that the context never holds a deleted object.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};
