// The road panel's child windows: three command buttons, the preview box and two labels, laid
// out in fixed pixels of the panel window. Button clicks go to the panel.
#pragma once

#include <windows.h>

#include "engine/PreviewBitmap.h"
#include "hostapi/IAIUnicodeString.h"
#include "panel/GuiObjects.h"

class CKukuriPanel;

class CKukuriControls {
 public:
  // Makes the font the buttons and labels are written in.
  explicit CKukuriControls(CKukuriPanel& owner);
  CKukuriControls(const CKukuriControls&) = delete;
  CKukuriControls& operator=(const CKukuriControls&) = delete;

  // Makes the child windows of parent: buttons disabled, labels empty, a placeholder picture.
  void Create(HWND parent, HMODULE module);
  // The paint message and the buttons' commands; false for every other message.
  bool HandleMessage(LRESULT* result, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void EnableCommandButtons(bool enable);
  void SetNameText(const ai::UnicodeString& text);
  void SetMaxWidthText(const ai::UnicodeString& text);
  // Empty labels, for texts the host could not make; no host call.
  void ClearNameText();
  void ClearMaxWidthText();
  // Paints preview into the box, at its left and centred vertically, on white.
  void DrawPreview(const PreviewBitmap& preview);

 private:
  void ShowPlaceholder();
  // Gives the box picture and deletes the one it had.
  void SetPreviewImage(UniqueBitmap picture);

  CKukuriPanel& owner_;
  HWND parent_ = nullptr;
  HMODULE module_ = nullptr;
  // Declared before the windows, so that the windows that use them go first.
  UniqueFont font_;
  UniqueBitmap previewBitmap_;
  UniqueWindow acquireButton_;
  UniqueWindow deleteButton_;
  UniqueWindow createButton_;
  UniqueWindow previewBox_;
  UniqueWindow nameLabel_;
  UniqueWindow maxWidthLabel_;
};
