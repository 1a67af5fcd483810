// The host's string suite as the plug-in uses it: texts kept exactly, bad handles refused.
#include <gtest/gtest.h>

#include "host/core/Host.h"
#include "host/core/Utf.h"

namespace {

class StringSuiteTest : public ::testing::Test {
 protected:
  AIUnicodeStringRef Make(const char* text) {
    AIUnicodeStringRef string = nullptr;
    EXPECT_EQ(suite_->Create(text, -1, &string), kNoErr);
    return string;
  }
  std::string Utf8(AIUnicodeStringRef string) {
    std::int32_t needed = 0;
    EXPECT_EQ(suite_->GetUTF8(string, nullptr, 0, &needed), kNoErr);
    std::string text(static_cast<std::size_t>(needed) + 1, '\0');
    EXPECT_EQ(suite_->GetUTF8(string, text.data(), needed + 1, &needed), kNoErr);
    text.resize(static_cast<std::size_t>(needed));
    return text;
  }
  host::Host host_;
  const AIUnicodeStringSuite* suite_ = host::Strings::Suite();
};

TEST_F(StringSuiteTest, JapaneseTextSurvivesAppendAndCompare) {
  AIUnicodeStringRef layer = Make("道路_縁");
  AIUnicodeStringRef tail = Make("^地図𠮷");
  EXPECT_EQ(suite_->Append(layer, tail), kNoErr);
  EXPECT_EQ(Utf8(layer), "道路_縁^地図𠮷");
  std::int32_t length = 0;
  EXPECT_EQ(suite_->Length(layer, &length), kNoErr);
  EXPECT_EQ(length, 9);  // the last character takes two UTF-16 units
  std::int32_t order = 0;
  EXPECT_EQ(suite_->Compare(tail, layer, &order), kNoErr);
  EXPECT_LT(order, 0);                              // '^' sorts before the ideographs
  EXPECT_EQ(suite_->Append(layer, layer), kNoErr);  // appending a string to itself
  EXPECT_EQ(Utf8(layer), "道路_縁^地図𠮷道路_縁^地図𠮷");
  suite_->Dispose(layer);
  suite_->Dispose(tail);
  EXPECT_EQ(host_.strings().LiveCount(), 0u);
  EXPECT_EQ(host_.transcript().ViolationCount(), 0);
}

TEST_F(StringSuiteTest, BadHandlesAndInputAreRefusedAndRecorded) {
  AIUnicodeStringRef string = Make("a");
  EXPECT_EQ(suite_->Dispose(string), kNoErr);
  EXPECT_EQ(suite_->Dispose(string), kStaleHandleErr);  // disposed twice
  std::int32_t length = 0;
  EXPECT_EQ(suite_->Length(string, &length), kStaleHandleErr);
  EXPECT_EQ(suite_->Length(reinterpret_cast<AIUnicodeStringRef>(0x1234), &length), kStaleHandleErr);
  AIUnicodeStringRef bad = nullptr;
  EXPECT_EQ(suite_->Create("\xC3\x28", -1, &bad), kBadParameterErr);  // malformed UTF-8
  EXPECT_EQ(suite_->Create("abc", -2, &bad), kBadParameterErr);
  EXPECT_EQ(bad, nullptr);
  AIUnicodeStringRef small = Make("長い名前");
  char buffer[4];
  std::int32_t needed = 0;
  EXPECT_EQ(suite_->GetUTF8(small, buffer, sizeof buffer, &needed), kBadParameterErr);
  EXPECT_EQ(needed, 12);
  suite_->Dispose(small);
  EXPECT_EQ(host_.transcript().ViolationCount(), 5) << host_.transcript().Text();
}

TEST(Utf, RejectsOverlongSurrogatesAndTruncation) {
  EXPECT_FALSE(host::Utf8ToUtf16("\xC0\xAF"));          // overlong '/'
  EXPECT_FALSE(host::Utf8ToUtf16("\xED\xA0\x80"));      // a surrogate
  EXPECT_FALSE(host::Utf8ToUtf16("\xE9\x81"));          // truncated
  EXPECT_FALSE(host::Utf8ToUtf16("\xF4\x90\x80\x80"));  // beyond U+10FFFF
  EXPECT_EQ(host::Utf16ToUtf8(*host::Utf8ToUtf16("重ね線")), "重ね線");
}

}  // namespace
