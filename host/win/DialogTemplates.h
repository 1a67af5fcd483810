// The dialog templates of a module, read from its resources: what a dialog was made from, before
// the dialog manager changed anything at run time (the default button moves with the focus, an
// edit's border becomes a client edge).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace host {

struct TemplateControl {
  int id;
  DWORD style;
  DWORD exStyle;
};

struct DialogTemplate {
  DWORD style;
  DWORD exStyle;
  std::wstring title;
  std::vector<TemplateControl> controls;
};

// The extended dialog template of module whose title is title; none when there is none, or when
// a template cannot be read.
std::optional<DialogTemplate> FindDialogTemplate(HMODULE module, const std::wstring& title);

}  // namespace host
