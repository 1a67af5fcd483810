// What the plug-in put into a panel's platform window, described for transcripts, and the
// controls a user reaches there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace host {

// Every descendant of parent, parents before their children, siblings in z order (the order of
// creation unless the plug-in reordered them).
std::vector<HWND> Descendants(HWND parent);
// One line per descendant of parent, children indented under their parent: class, text,
// rectangle in parent's client coordinates, style bits, enabled state and font weight.
std::vector<std::string> DescribeControls(HWND parent);
// The push buttons among parent's descendants, in that order.
std::vector<HWND> PushButtons(HWND parent);
// The preview box: the first static control showing a bitmap; null when there is none.
HWND FindPreviewBox(HWND parent);
// The size of bitmap ("WxH") and then its pixels, one line per run of equal rows, each row as
// runs of equal colours ("0-3: 120*ffffff", "4: 3*ffffff 2*ff0000 115*ffffff"); a single line
// saying why when the pixels cannot be read.
std::vector<std::string> DescribeBitmap(HBITMAP bitmap);

}  // namespace host
