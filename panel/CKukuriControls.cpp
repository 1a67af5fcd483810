#include "panel/CKukuriControls.h"

#include <string>
#include <string_view>

#include "frame/SuiteTables.h"
#include "panel/CKukuriPanel.h"
#include "panel/PanelTexts.h"
#include "panel/PreviewFraming.h"

namespace {

constexpr int kPreviewBoxWidth = 120;
constexpr int kPreviewBoxHeight = 24;

std::wstring Widen(std::string_view utf8) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
  if (size > 0) {
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
  }
  return wide;
}

void SetText(HWND window, const ai::UnicodeString& text) {
  const std::u16string wide = text.as_UTF16();
  SetWindowTextW(window, reinterpret_cast<const wchar_t*>(wide.c_str()));
}

UniqueWindow MakeChild(HWND parent, const wchar_t* windowClass, std::string_view text, int left,
                       int top, int width, int height, DWORD style) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  return UniqueWindow(CreateWindowExW(0, windowClass, Widen(text).c_str(),
                                      WS_CHILD | WS_VISIBLE | style, left, top, width, height,
                                      parent, nullptr, instance, nullptr));
}

// A picture of box's client size, white, with what paint draws on it.
template <typename Paint>
UniqueBitmap PaintPicture(HWND box, Paint&& paint) {
  RECT client{};
  GetClientRect(box, &client);
  const HDC screen = GetDC(box);
  const UniqueMemoryDC dc(CreateCompatibleDC(screen));
  UniqueBitmap picture(CreateCompatibleBitmap(screen, client.right, client.bottom));
  ReleaseDC(box, screen);
  // Selected only while painting: the box draws the picture from a context of its own.
  const SelectedObject selected(dc.get(), picture.get());
  FillRect(dc.get(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  paint(dc.get(), client);
  return picture;
}

// Gives box picture; answers the picture it had. A bitmap box sizes its window to its picture,
// which is made for its client area, inside the sunken edge: each new picture would shrink the
// box by the edge. The box keeps its place in the layout instead.
HBITMAP AssignPicture(HWND box, HBITMAP picture) {
  const auto previous = reinterpret_cast<HBITMAP>(
      SendMessageW(box, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
  SetWindowPos(box, nullptr, 0, 0, kPreviewBoxWidth, kPreviewBoxHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return previous;
}

bool CtrlIsDown() {
  return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

}  // namespace

CKukuriControls::CKukuriControls(CKukuriPanel& owner) : owner_(owner) {
  LOGFONTW font{};
  SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof font, &font, 0);
  font.lfWeight = FW_NORMAL;
  font_ = UniqueFont(CreateFontIndirectW(&font));
}

void CKukuriControls::Create(HWND parent, HMODULE module) {
  parent_ = parent;
  module_ = module;
  acquireButton_ = MakeChild(parent, L"BUTTON", kAcquireButtonText, 0, 0, 120, 24, BS_PUSHBUTTON);
  deleteButton_ = MakeChild(parent, L"BUTTON", kDeleteButtonText, 0, 24, 120, 24, BS_PUSHBUTTON);
  createButton_ = MakeChild(parent, L"BUTTON", kCreateButtonText, 0, 48, 120, 24, BS_PUSHBUTTON);
  previewBox_ = MakeChild(parent, L"STATIC", "", 0, 74, kPreviewBoxWidth, kPreviewBoxHeight,
                          SS_SUNKEN | SS_BITMAP);
  nameLabel_ = MakeChild(parent, L"STATIC", "", 0, 100, 120, 20, SS_LEFT);
  maxWidthLabel_ = MakeChild(parent, L"STATIC", "", 0, 122, 120, 20, SS_LEFT);
  for (const UniqueWindow* window :
       {&acquireButton_, &deleteButton_, &createButton_, &nameLabel_, &maxWidthLabel_}) {
    SendMessageW(window->get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
  ShowPlaceholder();
  EnableCommandButtons(false);
}

void CKukuriControls::ShowPlaceholder() {
  SetPreviewImage(PaintPicture(previewBox_.get(), [](HDC dc, const RECT& client) {
    const UniquePen pen(CreatePen(PS_SOLID, 3, RGB(255, 0, 0)));
    const SelectedObject selectedPen(dc, pen.get());
    MoveToEx(dc, client.right, client.top, nullptr);
    LineTo(dc, client.left, client.bottom);
  }));
}

void CKukuriControls::DrawPreview(const PreviewBitmap& preview) {
  SetPreviewImage(PaintPicture(previewBox_.get(), [&preview](HDC dc, const RECT& client) {
    const PreviewBitmap framed = FramePreview(preview, static_cast<std::uint32_t>(client.right),
                                              static_cast<std::uint32_t>(client.bottom));
    for (std::uint32_t y = 0; y < framed.Height(); ++y) {
      for (std::uint32_t x = 0; x < framed.Width(); ++x) {
        std::uint8_t red = 0, green = 0, blue = 0;
        framed.ReadPixel(x, y, red, green, blue);
        SetPixelV(dc, static_cast<int>(x), static_cast<int>(y), RGB(red, green, blue));
      }
    }
  }));
}

void CKukuriControls::SetPreviewImage(UniqueBitmap picture) {
  const HBITMAP previous = AssignPicture(previewBox_.get(), picture.get());
  // The box only ever holds pictures of ours; anything else it gives back is deleted too.
  if (previous != nullptr && previous != previewBitmap_.get()) DeleteObject(previous);
  previewBitmap_ = std::move(picture);
}

void CKukuriControls::EnableCommandButtons(bool enable) {
  for (const UniqueWindow* button : {&acquireButton_, &deleteButton_, &createButton_})
    EnableWindow(button->get(), enable);
}

void CKukuriControls::SetNameText(const ai::UnicodeString& text) {
  SetText(nameLabel_.get(), text);
}

void CKukuriControls::SetMaxWidthText(const ai::UnicodeString& text) {
  SetText(maxWidthLabel_.get(), text);
}

void CKukuriControls::ClearNameText() {
  SetWindowTextW(nameLabel_.get(), L"");
}

void CKukuriControls::ClearMaxWidthText() {
  SetWindowTextW(maxWidthLabel_.get(), L"");
}

bool CKukuriControls::HandleMessage(LRESULT* result, HWND, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_PAINT) {
    // The picture is given to the box again before the window paints; painting is not ours.
    if (previewBitmap_) AssignPicture(previewBox_.get(), previewBitmap_.get());
    return false;
  }
  if (message != WM_COMMAND) return false;
  const auto from = reinterpret_cast<HWND>(lParam);
  if (from == nullptr) return false;
  if (from == acquireButton_.get()) {
    owner_.AcquireFromPanel(CtrlIsDown());
  } else if (from == deleteButton_.get()) {
    owner_.DeleteFromPanel(CtrlIsDown());
  } else if (from == createButton_.get()) {
    owner_.CreateFromPanel();
  } else {
    return false;
  }
  // The keyboard goes back to the document, as after any command of the host.
  AIWindowRef appWindow = nullptr;
  if (sAIContext->GetPlatformAppWindow(&appWindow) == kNoErr && appWindow != nullptr)
    SetFocus(static_cast<HWND>(appWindow));
  *result = 0;
  return true;
}
