// Owners of the Win32 handles and COM objects the host's windows and programs use, each released
// on every way out of the scope that made it.
#pragma once

#include <windows.h>

#include <utility>

namespace host {

// A window the host made and destroys (with its children).
class WindowOwner {
 public:
  WindowOwner() = default;
  explicit WindowOwner(HWND window) : window_(window) {}
  WindowOwner(WindowOwner&& other) noexcept : window_(other.release()) {}
  WindowOwner& operator=(WindowOwner&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~WindowOwner() { reset(); }

  HWND get() const { return window_; }
  HWND release() { return std::exchange(window_, nullptr); }
  void reset(HWND window = nullptr) {
    if (HWND old = std::exchange(window_, window); old != nullptr) DestroyWindow(old);
  }

 private:
  HWND window_ = nullptr;
};

// The screen's device context, for reading what the X server shows.
// The format of a 32-bit picture of width x height pixels, rows top to bottom.
inline BITMAPINFO TopDownRgb32(LONG width, LONG height) {
  BITMAPINFO format = {};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  ~ScreenDC() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context compatible with the screen, with one bitmap selected into it for its
// lifetime.
class MemoryDC {
 public:
  MemoryDC(HDC compatible, HBITMAP bitmap)
      : dc_(CreateCompatibleDC(compatible)),
        old_(dc_ != nullptr && bitmap != nullptr ? SelectObject(dc_, bitmap) : nullptr) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (old_ != nullptr) SelectObject(dc_, old_);
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A GDI object the host made and deletes.
template <typename Handle>
class GdiOwner {
 public:
  explicit GdiOwner(Handle handle) : handle_(handle) {}
  GdiOwner(const GdiOwner&) = delete;
  GdiOwner& operator=(const GdiOwner&) = delete;
  ~GdiOwner() {
    if (handle_ != nullptr) DeleteObject(handle_);
  }
  Handle get() const { return handle_; }

 private:
  Handle handle_;
};

// A COM interface pointer, released once.
template <typename Interface>
class ComOwner {
 public:
  ComOwner() = default;
  ComOwner(const ComOwner&) = delete;
  ComOwner& operator=(const ComOwner&) = delete;
  ~ComOwner() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface* get() const { return pointer_; }
  // For functions that hand out a new reference.
  Interface** out() { return &pointer_; }
  void** outVoid() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// A kernel object handle (file, snapshot, process); null and INVALID_HANDLE_VALUE are none.
class HandleOwner {
 public:
  explicit HandleOwner(HANDLE handle) : handle_(handle) {}
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;
  ~HandleOwner() {
    if (valid()) CloseHandle(handle_);
  }
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

// An open registry key.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_ != nullptr) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }
  // For functions that open a key.
  HKEY* out() { return &key_; }

 private:
  HKEY key_ = nullptr;
};

// COM on this thread for the scope, when it was not on already in a way that needs undoing.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  // False only when COM cannot be used at all on this thread.
  bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

}  // namespace host
