#include "tools/WidthModifierDialog.h"

#include <windows.h>

#include <string>

#include "frame/ResourceModule.h"
#include "frame/SuiteTables.h"
#include "hostapi/AIError.h"
#include "hostapi/IAIUnicodeString.h"
#include "resources/resource.h"
#include "tools/WidthModifierInput.h"

namespace {

void SetItemText(HWND dialog, int id, const ai::UnicodeString& text) {
  const std::u16string wide = text.as_UTF16();
  SetDlgItemTextW(dialog, id, reinterpret_cast<const wchar_t*>(wide.c_str()));
}

// The first kWidthModifierTextLimit characters of a control's text, as UTF-8.
std::string ItemText(HWND dialog, int id) {
  wchar_t wide[kWidthModifierTextLimit + 1] = {};
  const int length =
      static_cast<int>(GetDlgItemTextW(dialog, id, wide, kWidthModifierTextLimit + 1));
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, length, text.data(), size, nullptr, nullptr);
  return text;
}

bool AddModeChecked(HWND dialog) {
  return IsDlgButtonChecked(dialog, IDC_ADD_WIDTH_RADIO) == BST_CHECKED;
}

// Only the edit of the chosen mode can be typed into.
void EnableEdits(HWND dialog) {
  const bool adding = AddModeChecked(dialog);
  EnableWindow(GetDlgItem(dialog, IDC_ADDING_WIDTH_EDIT), adding);
  EnableWindow(GetDlgItem(dialog, IDC_SCALE_EDIT), !adding);
}

// The settings the dialog edits, and the texts its edits showed for them at start-up.
struct DialogState {
  WidthModifierSettings& settings;
  std::string shownAddingWidth;
  std::string shownScale;
};

void Initialize(HWND dialog, DialogState& state) {
  const WidthModifierSettings& settings = state.settings;
  CheckDlgButton(dialog, settings.type == kAddWidth ? IDC_ADD_WIDTH_RADIO : IDC_SCALE_WIDTH_RADIO,
                 BST_CHECKED);
  const ai::UnicodeString addingWidth = AddingWidthDisplayText(settings.addingWidth);
  const ai::UnicodeString scale = ScaleDisplayText(settings.scale);
  SetItemText(dialog, IDC_ADDING_WIDTH_EDIT, addingWidth);
  SetItemText(dialog, IDC_SCALE_EDIT, scale);
  state.shownAddingWidth = addingWidth.as_UTF8();
  state.shownScale = scale.as_UTF8();
  EnableEdits(dialog);
}

// Reads and checks the values; false, after telling the user, when the adding width is out of
// range (in either mode: the edit is read while disabled too).
bool Confirm(HWND dialog, DialogState& state) {
  WidthModifierSettings& settings = state.settings;
  const std::int32_t type = AddModeChecked(dialog) ? kAddWidth : kScaleWidth;
  const std::optional<double> width = ConfirmedAddingWidth(
      ItemText(dialog, IDC_ADDING_WIDTH_EDIT), state.shownAddingWidth, settings.addingWidth, type);
  if (!width) {
    sAIUser->MessageAlert(ai::UnicodeString(kInvalidValueMessage).handle());
    return false;
  }
  settings.type = type;
  settings.addingWidth = *width;
  settings.scale =
      ConfirmedScale(ItemText(dialog, IDC_SCALE_EDIT), state.shownScale, settings.scale);
  return true;
}

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    Initialize(dialog, *reinterpret_cast<DialogState*>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (LOWORD(wParam)) {
    case IDC_ADD_WIDTH_RADIO:
    case IDC_SCALE_WIDTH_RADIO:
      EnableEdits(dialog);
      return TRUE;
    case IDOK:
      if (Confirm(dialog, *state)) EndDialog(dialog, kNoErr);
      return TRUE;
    case IDCANCEL:  // also the close box and Escape
      EndDialog(dialog, kCanceledErr);
      return TRUE;
    default:
      return FALSE;
  }
}

// No exception may cross the system's frames: a failure of the host ends the dialog with its
// code instead.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandleMessage(dialog, message, wParam, lParam);
  } catch (const ai::Error& error) {
    EndDialog(dialog, error.code());
  } catch (...) {
    EndDialog(dialog, kCantHappenErr);
  }
  return TRUE;
}

}  // namespace

ASErr ShowWidthModifierDialog(SPPluginRef plugin, WidthModifierSettings& settings) {
  // A module that cannot be found (the host cannot say where the plug-in's file is, or has no
  // main window to own the dialog) means no dialog: the command goes on with the values read.
  HMODULE module = nullptr;
  if (FindPluginModule(plugin, &module) != kNoErr || module == nullptr) return kNoErr;
  AIWindowRef owner = nullptr;
  if (sAIContext->GetPlatformAppWindow(&owner) != kNoErr) return kNoErr;
  DialogState state{settings, {}, {}};
  const INT_PTR result =
      DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_PATH_WIDTH_MODIFIER), static_cast<HWND>(owner),
                      &DialogProc, reinterpret_cast<LPARAM>(&state));
  return static_cast<ASErr>(result);
}
