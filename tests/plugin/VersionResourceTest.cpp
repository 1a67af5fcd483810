// The file properties Windows and the host show for LaneWorks.aip: the project's version, in a
// Japanese and an English string table.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

class VersionResourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const wchar_t* file = L"" LANEWORKS_PLUGIN_FILE;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    ASSERT_GT(size, 0u) << "no version resource, error " << GetLastError();
    data_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(file, 0, size, data_.data()));
  }

  // The value at path, or nothing.
  const void* Query(const std::wstring& path, UINT* length) {
    void* value = nullptr;
    *length = 0;
    if (!VerQueryValueW(data_.data(), path.c_str(), &value, length)) return nullptr;
    return value;
  }

  std::wstring String(const std::wstring& table, const std::wstring& name) {
    UINT length = 0;
    const auto* text =
        static_cast<const wchar_t*>(Query(L"\\StringFileInfo\\" + table + L"\\" + name, &length));
    return text != nullptr ? std::wstring(text) : L"(missing)";
  }

  std::vector<char> data_;
};

TEST_F(VersionResourceTest, NumbersAreTheProjectVersion) {
  UINT length = 0;
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", &length));
  ASSERT_NE(fixed, nullptr);
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  const std::string version = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                              std::to_string(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(version, LANEWORKS_PROJECT_VERSION);
  EXPECT_EQ(LOWORD(fixed->dwFileVersionLS), 0);
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
  EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "no debug or pre-release flags";
}

TEST_F(VersionResourceTest, JapaneseAndEnglishTablesAreListedAndFilled) {
  UINT length = 0;
  const auto* translations =
      static_cast<const WORD*>(Query(L"\\VarFileInfo\\Translation", &length));
  ASSERT_NE(translations, nullptr);
  ASSERT_EQ(length, 8u);
  EXPECT_EQ(translations[0], 0x0411);
  EXPECT_EQ(translations[1], 1200);
  EXPECT_EQ(translations[2], 0x0409);
  EXPECT_EQ(translations[3], 1200);

  const std::wstring version = L"" LANEWORKS_PROJECT_VERSION;
  for (const std::wstring table : {L"041104B0", L"040904B0"}) {
    SCOPED_TRACE(std::string(table.begin(), table.end()));
    EXPECT_EQ(String(table, L"FileVersion"), version);
    EXPECT_EQ(String(table, L"ProductVersion"), version);
    EXPECT_EQ(String(table, L"ProductName"), L"Mivor-LaneWorks" LANEWORKS_MAJOR_MINOR);
    EXPECT_EQ(String(table, L"CompanyName"), L"Mivor");
    EXPECT_EQ(String(table, L"OriginalFilename"), L"LaneWorks.aip");
    EXPECT_EQ(String(table, L"InternalName"), L"LaneWorks");
    EXPECT_EQ(String(table, L"LegalCopyright"), L"\u00A9 2026 Mivor");
  }
  // Each table in its own language, read as UTF-16 from the UTF-8 script.
  EXPECT_EQ(String(L"041104B0", L"FileDescription"),
            L"\u91CD\u306D\u7DDA\u30FB\u91CD\u306A\u308A\u30D1\u30B9\u5207\u65AD\u30FB"
            L"\u7DDA\u5E45\u306E\u5897\u6E1B\u30D7\u30E9\u30B0\u30A4\u30F3");
  EXPECT_EQ(String(L"040904B0", L"FileDescription"),
            L"Overlap lines, multi-path scissors and stroke widths plug-in");
}

}  // namespace
