#include <gtest/gtest.h>

#include "host/core/SuiteRegistry.h"

namespace {

TEST(SuiteRegistry, NameAndVersionMustBothMatch) {
  host::Transcript transcript;
  host::SuiteRegistry registry(transcript);
  const int table = 7;
  registry.Register("AI Art Suite", 20, &table);
  const void* suite = nullptr;
  EXPECT_EQ(registry.Acquire("AI Art Suite", 19, &suite), kSPSuiteNotFoundError);
  EXPECT_EQ(registry.Acquire("AI Art suite", 20, &suite), kSPSuiteNotFoundError);
  EXPECT_EQ(suite, nullptr);
  EXPECT_EQ(registry.Acquire("AI Art Suite", 20, &suite), kNoErr);
  EXPECT_EQ(suite, &table);
  EXPECT_EQ(transcript.ViolationCount(), 0);
}

TEST(SuiteRegistry, CountsWhatIsHeldAndFlagsReleaseOfWhatIsNot) {
  host::Transcript transcript;
  host::SuiteRegistry registry(transcript);
  const int table = 0;
  registry.Register("A", 1, &table);
  registry.Register("B", 2, &table);
  const void* suite = nullptr;
  registry.Acquire("B", 2, &suite);
  registry.Acquire("A", 1, &suite);
  registry.Acquire("A", 1, &suite);
  EXPECT_EQ(registry.Release("A", 1), kNoErr);
  auto held = registry.HeldSuites();
  ASSERT_EQ(held.size(), 2u);
  EXPECT_EQ(held[0].name, "A");  // registration order
  EXPECT_EQ(held[0].count, 1);
  EXPECT_EQ(held[1].name, "B");
  EXPECT_EQ(registry.Release("B", 2), kNoErr);
  EXPECT_NE(registry.Release("B", 2), kNoErr);
  EXPECT_NE(registry.Release("C", 1), kNoErr);
  EXPECT_EQ(transcript.ViolationCount(), 2);
}

TEST(SuiteRegistry, OmittedSuiteIsNotFound) {
  host::Transcript transcript;
  host::SuiteRegistry registry(transcript);
  const int table = 0;
  registry.Register("A", 1, &table);
  registry.Omit("A");
  const void* suite = nullptr;
  EXPECT_EQ(registry.Acquire("A", 1, &suite), kSPSuiteNotFoundError);
  EXPECT_TRUE(registry.HeldSuites().empty());
}

// The windowing shell publishes its panel suite over the core's placeholder.
TEST(SuiteRegistry, ARegisteredAgainSuiteHandsOutTheNewTableAndKeepsItsPlace) {
  host::Transcript transcript;
  host::SuiteRegistry registry(transcript);
  const int placeholder = 0;
  const int table = 1;
  registry.Register("A", 1, &placeholder);
  registry.Register("B", 1, &placeholder);
  registry.Register("A", 1, &table);
  const void* suite = nullptr;
  EXPECT_EQ(registry.Acquire("B", 1, &suite), kNoErr);
  EXPECT_EQ(registry.Acquire("A", 1, &suite), kNoErr);
  EXPECT_EQ(suite, &table);
  const auto held = registry.HeldSuites();
  ASSERT_EQ(held.size(), 2u);
  EXPECT_EQ(held[0].name, "A");
}

}  // namespace
