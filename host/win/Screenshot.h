// Pictures of windows as the X server shows them, and of cursors, written as PNG files.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

namespace host {

// Brings window to the top, lets it and its children paint, and writes the pixels of its
// rectangle on the screen to file. Answers an empty text, or what went wrong; *size gets the
// picture's size.
std::string WriteWindowPicture(HWND window, const std::filesystem::path& file, SIZE* size);

// Draws cursor on white, scale times its size, and writes it to file; as above.
std::string WriteCursorPicture(HCURSOR cursor, int scale, const std::filesystem::path& file,
                               SIZE* size);

}  // namespace host
