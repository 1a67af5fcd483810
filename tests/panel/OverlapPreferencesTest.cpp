// How the preferences dialog reads the number of recent settings typed into it.
#include <gtest/gtest.h>

#include "panel/OverlapPreferences.h"

namespace {

TEST(OverlapPreferencesTest, TheLeadingDecimalIntegerOrZero) {
  EXPECT_EQ(ReadMaxRecent("100"), 100);
  EXPECT_EQ(ReadMaxRecent("  7x"), 7);
  EXPECT_EQ(ReadMaxRecent("\t12"), 12);
  EXPECT_EQ(ReadMaxRecent("-5"), -5);
  EXPECT_EQ(ReadMaxRecent("+5"), 5);
  EXPECT_EQ(ReadMaxRecent("007"), 7);
  // Nothing of a number: 0, which the history takes as its length like any other.
  EXPECT_EQ(ReadMaxRecent(""), 0);
  EXPECT_EQ(ReadMaxRecent("abc"), 0);
  EXPECT_EQ(ReadMaxRecent("-"), 0);
  EXPECT_EQ(ReadMaxRecent("- 5"), 0);
  EXPECT_EQ(ReadMaxRecent("1.9"), 1);
  EXPECT_EQ(ReadMaxRecent("１"), 0);  // a full-width digit is not a digit
  // Longer texts than the dialog lets through stop at the 32-bit limits instead of wrapping.
  EXPECT_EQ(ReadMaxRecent("99999999999"), 2147483647);
  EXPECT_EQ(ReadMaxRecent("-99999999999"), -2147483647 - 1);
}

TEST(OverlapPreferencesTest, AnUntouchedEditKeepsTheStoredLengthExactly) {
  // Shown whole, though longer than a user can type; an empty edit when nothing could be shown.
  EXPECT_EQ(ConfirmedMaxRecent("1000", "1000", 1000), 1000);
  EXPECT_EQ(ConfirmedMaxRecent("-100", "-100", -100), -100);
  EXPECT_EQ(ConfirmedMaxRecent("", "", 12), 12);
  // A changed text is read as far as the edit goes.
  EXPECT_EQ(ConfirmedMaxRecent("100", "1000", 1000), 100);
  EXPECT_EQ(ConfirmedMaxRecent("1000", "10", 10), 100);
  EXPECT_EQ(ConfirmedMaxRecent("", "10", 10), 0);
  EXPECT_EQ(ConfirmedMaxRecent("7", "", 12), 7);
}

}  // namespace
