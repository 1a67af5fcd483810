#include "panel/OverlapPreferencesDialog.h"

#include <windows.h>

#include <string>

#include "frame/ResourceModule.h"
#include "frame/SuiteTables.h"
#include "hostapi/IAIUnicodeString.h"
#include "panel/HostCallGuard.h"
#include "resources/resource.h"

namespace {

constexpr int kMaxRecentLength = 3;

// What the dialog edits, and the history length as it showed it.
struct DialogState {
  OverlapPreferenceValues* values;
  std::string shownMaxRecent;
};

// The edit's text as ASCII, anything else as '?': only ASCII digits are digits. A text the
// dialog put there may be longer than the three characters a user can type.
std::string MaxRecentText(HWND dialog) {
  wchar_t wide[64] = {};
  const int length = GetDlgItemTextW(dialog, IDC_MAX_RECENT_EDIT, wide, 64);
  std::string text;
  for (int i = 0; i < length; ++i) text += wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';
  return text;
}

void Initialize(HWND dialog, DialogState& state) {
  const OverlapPreferenceValues& values = *state.values;
  CheckDlgButton(dialog,
                 values.reserveTopmost != 0 ? IDC_KEEP_FRONTMOST_RADIO : IDC_KEEP_BACKMOST_RADIO,
                 BST_CHECKED);
  if (values.processSinglePath != 0)
    CheckDlgButton(dialog, IDC_PROCESS_SINGLE_PATH_CHECK, BST_CHECKED);
  SendDlgItemMessageW(dialog, IDC_MAX_RECENT_EDIT, EM_LIMITTEXT, kMaxRecentLength, 0);
  ai::UnicodeString number;
  ai::check(sAIUser->IUAIRealToString(values.maxRecent, 0, number.handle()));
  const std::u16string wide = number.as_UTF16();
  SetDlgItemTextW(dialog, IDC_MAX_RECENT_EDIT, reinterpret_cast<const wchar_t*>(wide.c_str()));
  state.shownMaxRecent = MaxRecentText(dialog);
}

void Confirm(HWND dialog, DialogState& state) {
  OverlapPreferenceValues& values = *state.values;
  values.processSinglePath =
      IsDlgButtonChecked(dialog, IDC_PROCESS_SINGLE_PATH_CHECK) == BST_CHECKED ? 1 : 0;
  values.reserveTopmost =
      IsDlgButtonChecked(dialog, IDC_KEEP_FRONTMOST_RADIO) == BST_CHECKED ? 1 : 0;
  values.maxRecent =
      ConfirmedMaxRecent(MaxRecentText(dialog), state.shownMaxRecent, values.maxRecent);
}

// The values live in the dialog's user data while it is open, not in a global.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* state = reinterpret_cast<DialogState*>(lParam);
    // A number the host cannot format leaves the edit empty, which then keeps the stored value.
    GuardedCall([&] {
      Initialize(dialog, *state);
      return kNoErr;
    });
    return TRUE;  // the system sets the focus
  }
  if (message != WM_COMMAND) return FALSE;
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (LOWORD(wParam)) {
    case IDOK:
      Confirm(dialog, *state);
      EndDialog(dialog, kNoErr);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, kCanceledErr);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

ASErr ShowOverlapPreferencesDialog(SPPluginRef plugin, OverlapPreferenceValues& values) {
  AIWindowRef owner = nullptr;
  if (ASErr error = sAIContext->GetPlatformAppWindow(&owner)) return error;
  HMODULE module = nullptr;
  if (ASErr error = FindPluginModule(plugin, &module)) return error;
  if (module == nullptr) return kNoErr;
  // The dialog edits a copy; the caller's values change only after OK.
  OverlapPreferenceValues edited = values;
  DialogState state{&edited, {}};
  const INT_PTR result =
      DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_OVERLAP_PREFERENCES), static_cast<HWND>(owner),
                      &DialogProc, reinterpret_cast<LPARAM>(&state));
  if (result == kNoErr) values = edited;
  return static_cast<ASErr>(result);
}
