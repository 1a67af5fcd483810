#include "host/win/CursorProbe.h"

#include <windows.h>

#include <vector>

#include "host/win/WideText.h"

namespace host {
namespace {

constexpr int kPluginCursors[] = {134, 135, 136};

// The pictures of a cursor: its hot spot and the bits of its masks.
struct CursorPicture {
  DWORD hotX = 0;
  DWORD hotY = 0;
  std::vector<unsigned char> mask;
  std::vector<unsigned char> color;

  bool operator==(const CursorPicture&) const = default;
};

std::vector<unsigned char> Bits(HBITMAP bitmap) {
  std::vector<unsigned char> bits;
  if (bitmap == nullptr) return bits;
  BITMAP info{};
  if (GetObjectW(bitmap, sizeof info, &info) == 0) return bits;
  bits.resize(static_cast<std::size_t>(info.bmWidthBytes) *
              static_cast<std::size_t>(info.bmHeight));
  GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
  return bits;
}

bool Picture(HCURSOR cursor, CursorPicture* picture) {
  ICONINFO info{};
  if (!GetIconInfo(cursor, &info)) return false;
  picture->hotX = info.xHotspot;
  picture->hotY = info.yHotspot;
  picture->mask = Bits(info.hbmMask);
  picture->color = Bits(info.hbmColor);
  // GetIconInfo hands out copies of the bitmaps.
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  return true;
}

// A cursor loaded for the comparison and destroyed after it.
class LoadedCursor {
 public:
  LoadedCursor(HMODULE module, int id)
      : cursor_(static_cast<HCURSOR>(
            LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR))) {}
  LoadedCursor(const LoadedCursor&) = delete;
  LoadedCursor& operator=(const LoadedCursor&) = delete;
  ~LoadedCursor() {
    if (cursor_ != nullptr) DestroyCursor(cursor_);
  }
  HCURSOR get() const { return cursor_; }

 private:
  HCURSOR cursor_;
};

}  // namespace

std::string DescribeCurrentCursor(const std::string& pluginFile) {
  HCURSOR current = GetCursor();
  if (current == nullptr) return "none";
  HMODULE module = GetModuleHandleW(Widen(pluginFile).c_str());
  if (module == nullptr) return "no module";
  CursorPicture shown;
  if (!Picture(current, &shown)) return "other";
  for (int id : kPluginCursors) {
    LoadedCursor resource(module, id);
    CursorPicture expected;
    if (resource.get() != nullptr && Picture(resource.get(), &expected) && expected == shown) {
      return std::to_string(id);
    }
  }
  return "other";
}

}  // namespace host
