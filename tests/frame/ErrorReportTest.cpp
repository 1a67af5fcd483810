// The error report's ignore list and duplicate filter, with a clock the test controls.
#include <gtest/gtest.h>

#include "tests/testplugin/FrameTestPlugin.h"

namespace {

std::int64_t gNow = 0;
std::int64_t TestClock() {
  return gNow;
}

class ErrorReportTest : public ::testing::Test {
 protected:
  ErrorReportTest() : plugin_(nullptr) { plugin_.SetClock(&TestClock); }
  void Report(ASErr code, std::int64_t at) {
    gNow = at;
    plugin_.ReportError(code, "AI Menu", "AI Go", nullptr);
  }
  FrameTestPlugin plugin_;
};

TEST_F(ErrorReportTest, SameCodeWithinFiveSecondsIsRecordedOnce) {
  const ASErr code = FourCharCode("FAIL");
  Report(code, 100);
  EXPECT_EQ(plugin_.LastReportTime(), 100);
  Report(code, 104);  // a duplicate: dropped
  EXPECT_EQ(plugin_.LastReportTime(), 100);
  Report(code, 105);  // the interval has passed
  EXPECT_EQ(plugin_.LastReportTime(), 105);
}

TEST_F(ErrorReportTest, DifferentCodeIsAlwaysRecorded) {
  Report(FourCharCode("FAIL"), 100);
  Report(FourCharCode("OOPS"), 101);
  EXPECT_EQ(plugin_.LastReportedError(), FourCharCode("OOPS"));
  EXPECT_EQ(plugin_.LastReportTime(), 101);
  Report(FourCharCode("FAIL"), 102);
  EXPECT_EQ(plugin_.LastReportedError(), FourCharCode("FAIL"));
}

TEST_F(ErrorReportTest, IgnoredCodesAreDroppedAtOnce) {
  Report(FourCharCode("FAIL"), 100);
  const char ignored[][5] = {"STOP", "S!Fd", "pFls", "FMT?", "DONE", "CHIT"};
  for (const auto& code : ignored) Report(FourCharCode(code), 200);
  Report(361, 200);
  EXPECT_EQ(plugin_.LastReportedError(), FourCharCode("FAIL"));
  EXPECT_EQ(plugin_.LastReportTime(), 100);
  Report(362, 200);  // its neighbour is not ignored
  EXPECT_EQ(plugin_.LastReportedError(), 362);
}

}  // namespace
