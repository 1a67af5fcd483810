#include "host/win/PanelReading.h"

#include <cstdint>
#include <cstdio>
#include <functional>

#include "host/core/Transcript.h"
#include "host/win/Owners.h"
#include "host/win/WideText.h"

namespace host {
namespace {

void Walk(HWND parent, int depth, const std::function<void(HWND, int)>& visit) {
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    visit(child, depth);
    Walk(child, depth + 1, visit);
  }
}

std::string Hex(std::uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*x", digits, static_cast<unsigned>(value));
  return text;
}

std::string FontWeight(HWND control) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
  if (font == nullptr) return "none";
  // A control left with a font the plug-in has deleted shows the system font instead.
  LOGFONTW logFont = {};
  if (GetObjectType(font) != OBJ_FONT || GetObjectW(font, sizeof logFont, &logFont) == 0)
    return "deleted";
  return std::to_string(logFont.lfWeight);
}

// One row of pixels as runs of equal colours.
std::string Runs(const std::uint32_t* row, LONG width) {
  std::string text;
  for (LONG x = 0; x < width;) {
    LONG end = x + 1;
    while (end < width && row[end] == row[x]) ++end;
    text += " " + std::to_string(end - x) + "*" + Hex(row[x] & 0xFFFFFF, 6);
    x = end;
  }
  return text;
}

}  // namespace

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> windows;
  Walk(parent, 0, [&windows](HWND window, int) { windows.push_back(window); });
  return windows;
}

std::vector<std::string> DescribeControls(HWND parent) {
  std::vector<std::string> lines;
  Walk(parent, 0, [&lines, parent](HWND control, int depth) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    lines.push_back(
        "| " + std::string(static_cast<std::size_t>(depth) * 2, ' ') + ClassName(control) + " " +
        Quote(WindowText(control)) + " " + std::to_string(rect.left) + "," +
        std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) + "x" +
        std::to_string(rect.bottom - rect.top) + " style " +
        Hex(static_cast<std::uint32_t>(GetWindowLongW(control, GWL_STYLE)), 8) +
        (IsWindowEnabled(control) ? " enabled" : " disabled") + " font " + FontWeight(control));
  });
  return lines;
}

std::vector<HWND> PushButtons(HWND parent) {
  std::vector<HWND> buttons;
  for (HWND window : Descendants(parent)) {
    const LONG type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    if (CompareStringOrdinal(Widen(ClassName(window)).c_str(), -1, L"Button", -1, TRUE) ==
            CSTR_EQUAL &&
        (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
      buttons.push_back(window);
    }
  }
  return buttons;
}

HWND FindPreviewBox(HWND parent) {
  for (HWND window : Descendants(parent)) {
    if (CompareStringOrdinal(Widen(ClassName(window)).c_str(), -1, L"Static", -1, TRUE) ==
            CSTR_EQUAL &&
        (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
      return window;
    }
  }
  return nullptr;
}

std::vector<std::string> DescribeBitmap(HBITMAP bitmap) {
  BITMAP info = {};
  if (bitmap == nullptr || GetObjectType(bitmap) != OBJ_BITMAP ||
      GetObjectW(bitmap, sizeof info, &info) == 0) {
    return {"no bitmap"};
  }
  const LONG width = info.bmWidth;
  const LONG height = info.bmHeight;
  BITMAPINFO format = TopDownRgb32(width, height);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  ScreenDC screen;
  if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &format,
                DIB_RGB_COLORS) != height) {
    return {std::to_string(width) + "x" + std::to_string(height) + ", pixels unreadable"};
  }
  std::vector<std::string> lines = {std::to_string(width) + "x" + std::to_string(height)};
  for (LONG y = 0; y < height;) {
    const std::string runs = Runs(&pixels[static_cast<std::size_t>(y) * width], width);
    LONG end = y + 1;
    while (end < height && Runs(&pixels[static_cast<std::size_t>(end) * width], width) == runs)
      ++end;
    lines.push_back("| " + std::to_string(y) + (end - y > 1 ? "-" + std::to_string(end - 1) : "") +
                    ":" + runs);
    y = end;
  }
  return lines;
}

}  // namespace host
