#include "plugin/AboutBox.h"

#include <windows.h>

#include "frame/ResourceModule.h"
#include "frame/SuiteTables.h"
#include "resources/resource.h"

namespace {

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message != WM_COMMAND) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_OPEN_WEB_SITE:
      // The browser is the user's: the shell starts whatever opens web addresses.
      ShellExecuteW(dialog, L"open", kLaneWorksWebSite, nullptr, nullptr, SW_SHOWNORMAL);
      return TRUE;
    case IDOK:
    case IDCANCEL:
      EndDialog(dialog, kNoErr);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

ASErr ShowAboutBox(SPPluginRef plugin) {
  AIWindowRef owner = nullptr;
  if (ASErr error = sAIContext->GetPlatformAppWindow(&owner)) return error;
  HMODULE module = nullptr;
  if (ASErr error = FindPluginModule(plugin, &module)) return error;
  if (module == nullptr) return kNoErr;
  return static_cast<ASErr>(DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_ABOUT),
                                            static_cast<HWND>(owner), &AboutProc, 0));
}
