#include "host/win/DialogTemplates.h"

#include <cstring>

namespace host {
namespace {

// Reads the fields of an extended dialog template in order, refusing to run past its end.
class TemplateReader {
 public:
  TemplateReader(const BYTE* data, DWORD size) : at_(data), end_(data + size) {}

  bool Word(WORD& value) { return Take(&value, sizeof value); }
  bool Dword(DWORD& value) { return Take(&value, sizeof value); }
  bool Skip(std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - at_) < bytes) return false;
    at_ += bytes;
    return true;
  }
  // A string or an ordinal (0xFFFF then a word); the string is kept when text is given.
  bool StringOrOrdinal(std::wstring* text) {
    WORD first = 0;
    if (!Word(first)) return false;
    if (first == 0xFFFF) return Skip(sizeof(WORD));
    for (WORD c = first; c != 0;) {
      if (text != nullptr) text->push_back(static_cast<wchar_t>(c));
      if (!Word(c)) return false;
    }
    return true;
  }
  bool AlignToDword(const BYTE* start) {
    const auto offset = static_cast<std::size_t>(at_ - start);
    return Skip((4 - offset % 4) % 4);
  }

 private:
  bool Take(void* out, std::size_t bytes) {
    if (static_cast<std::size_t>(end_ - at_) < bytes) return false;
    std::memcpy(out, at_, bytes);
    at_ += bytes;
    return true;
  }

  const BYTE* at_;
  const BYTE* end_;
};

std::optional<DialogTemplate> ReadTemplate(const BYTE* data, DWORD size) {
  TemplateReader reader(data, size);
  WORD version = 0, signature = 0, count = 0;
  DWORD helpId = 0;
  DialogTemplate result{};
  if (!reader.Word(version) || !reader.Word(signature) || version != 1 || signature != 0xFFFF)
    return std::nullopt;
  if (!reader.Dword(helpId) || !reader.Dword(result.exStyle) || !reader.Dword(result.style) ||
      !reader.Word(count) || !reader.Skip(4 * sizeof(WORD)) || !reader.StringOrOrdinal(nullptr) ||
      !reader.StringOrOrdinal(nullptr) || !reader.StringOrOrdinal(&result.title)) {
    return std::nullopt;
  }
  if ((result.style & (DS_SETFONT | DS_SHELLFONT)) != 0) {
    std::wstring face;
    if (!reader.Skip(sizeof(WORD) * 2 + 2) || !reader.StringOrOrdinal(&face)) return std::nullopt;
  }
  for (WORD i = 0; i < count; ++i) {
    TemplateControl control{};
    DWORD id = 0;
    WORD extra = 0;
    if (!reader.AlignToDword(data) || !reader.Dword(helpId) || !reader.Dword(control.exStyle) ||
        !reader.Dword(control.style) || !reader.Skip(4 * sizeof(WORD)) || !reader.Dword(id) ||
        !reader.StringOrOrdinal(nullptr) || !reader.StringOrOrdinal(nullptr) ||
        !reader.Word(extra) || !reader.Skip(extra)) {
      return std::nullopt;
    }
    control.id = static_cast<int>(id);
    result.controls.push_back(control);
  }
  return result;
}

struct Search {
  const std::wstring* title;
  std::optional<DialogTemplate> found;
};

BOOL CALLBACK Visit(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  const HRSRC resource = FindResourceW(module, name, type);
  const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
  const auto* data = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (data == nullptr) return TRUE;
  std::optional<DialogTemplate> read = ReadTemplate(data, SizeofResource(module, resource));
  if (read && read->title == *search.title) {
    search.found = std::move(read);
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::optional<DialogTemplate> FindDialogTemplate(HMODULE module, const std::wstring& title) {
  Search search{&title, std::nullopt};
  EnumResourceNamesW(module, reinterpret_cast<LPCWSTR>(RT_DIALOG), &Visit,
                     reinterpret_cast<LONG_PTR>(&search));
  return search.found;
}

}  // namespace host
