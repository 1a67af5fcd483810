#include "host/win/Screenshot.h"

#include <wincodec.h>

#include <cstdint>

#include "host/win/Owners.h"

namespace host {
namespace {

// Time for the window system to map, expose and paint what was just raised.
constexpr DWORD kSettleMilliseconds = 200;

void LetWindowsPaint() {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    GdiFlush();
    Sleep(10);
  } while (GetTickCount() - start < kSettleMilliseconds);
}

std::string Failed(const char* step, HRESULT result) {
  char code[16];
  wsprintfA(code, "%08lx", static_cast<unsigned long>(result));
  return std::string(step) + " failed (" + code + ")";
}

// Writes 32-bit BGRA pixels, rows top to bottom, as a PNG file through the imaging component.
std::string WritePng(const std::filesystem::path& file, UINT width, UINT height,
                     std::uint8_t* pixels) {
  ComScope com;
  if (!com.usable()) return "COM is not available";
  ComOwner<IWICImagingFactory> factory;
  HRESULT result = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_IWICImagingFactory, factory.outVoid());
  if (FAILED(result)) return Failed("making the imaging factory", result);
  ComOwner<IWICStream> stream;
  if (FAILED(result = factory->CreateStream(stream.out())) ||
      FAILED(result = stream->InitializeFromFilename(file.wstring().c_str(), GENERIC_WRITE)))
    return Failed("opening the file", result);
  ComOwner<IWICBitmapEncoder> encoder;
  if (FAILED(result = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(result = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)))
    return Failed("making the PNG encoder", result);
  ComOwner<IWICBitmapFrameEncode> frame;
  if (FAILED(result = encoder->CreateNewFrame(frame.out(), nullptr)) ||
      FAILED(result = frame->Initialize(nullptr)) || FAILED(result = frame->SetSize(width, height)))
    return Failed("making the frame", result);
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  if (FAILED(result = frame->SetPixelFormat(&format)) ||
      !IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA))
    return Failed("choosing 32-bit pixels", result);
  const UINT stride = width * 4;
  if (FAILED(result = frame->WritePixels(height, stride, stride * height, pixels)) ||
      FAILED(result = frame->Commit()) || FAILED(result = encoder->Commit()))
    return Failed("writing the pixels", result);
  return "";
}

// Makes a width × height picture over the screen, lets draw paint it through a memory DC (it
// answers an empty text, or what went wrong), makes it opaque and writes it to file.
template <typename Draw>
std::string WritePicture(LONG width, LONG height, const std::filesystem::path& file, SIZE* size,
                         Draw draw) {
  BITMAPINFO info = TopDownRgb32(width, height);
  void* bits = nullptr;
  ScreenDC screen;
  GdiOwner<HBITMAP> bitmap(
      CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap.get() == nullptr || bits == nullptr) return "no memory for the picture";
  {
    MemoryDC memory(screen.get(), bitmap.get());
    const std::string problem = draw(screen.get(), memory.get());
    if (!problem.empty()) return problem;
    GdiFlush();
  }
  // GDI leaves alpha 0, which would make the picture transparent.
  auto* pixels = static_cast<std::uint8_t*>(bits);
  for (LONG i = 0; i < width * height; ++i) pixels[i * 4 + 3] = 0xFF;
  *size = {width, height};
  return WritePng(file, static_cast<UINT>(width), static_cast<UINT>(height), pixels);
}

}  // namespace

std::string WriteWindowPicture(HWND window, const std::filesystem::path& file, SIZE* size) {
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  LetWindowsPaint();

  RECT rect;
  if (!GetWindowRect(window, &rect)) return "the window is gone";
  const LONG width = rect.right - rect.left;
  const LONG height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return "the window has no area";
  return WritePicture(width, height, file, size, [&](HDC screen, HDC memory) -> std::string {
    if (!BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY))
      return "reading the screen failed";
    return "";
  });
}

std::string WriteCursorPicture(HCURSOR cursor, int scale, const std::filesystem::path& file,
                               SIZE* size) {
  const LONG width = GetSystemMetrics(SM_CXCURSOR) * scale;
  const LONG height = GetSystemMetrics(SM_CYCURSOR) * scale;
  return WritePicture(width, height, file, size, [&](HDC, HDC memory) -> std::string {
    if (!PatBlt(memory, 0, 0, width, height, WHITENESS) ||
        !DrawIconEx(memory, 0, 0, cursor, width, height, 0, nullptr, DI_NORMAL))
      return "drawing the cursor failed";
    return "";
  });
}

}  // namespace host
