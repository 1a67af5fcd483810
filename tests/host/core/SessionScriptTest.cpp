#include <gtest/gtest.h>

#include "host/core/Session.h"

namespace {

TEST(SessionScript, SplitsQuotedWords) {
  host::Words words;
  ASSERT_TRUE(host::SplitWords("send \"AI Menu\"  \"AI Go\" item 3", &words));
  EXPECT_EQ(words, (host::Words{"send", "AI Menu", "AI Go", "item", "3"}));
  ASSERT_TRUE(host::SplitWords(R"(note "say \"yes\" \\ ok" "")", &words));
  EXPECT_EQ(words, (host::Words{"note", "say \"yes\" \\ ok", ""}));
  EXPECT_FALSE(host::SplitWords("send \"AI Menu", &words));
}

TEST(SessionScript, BadLinesAreViolationsNotCrashes) {
  host::Host host;
  host::Session session(
      host, [](const std::string&) { return nullptr; }, "");
  const int violations = session.Run(
      "# a comment\n"
      "\n"
      "frobnicate\n"
      "answer maybe\n"
      "send \"AI Menu\"\n"
      "send \"AI Menu\" \"AI Go\" item 12345678901234\n"
      "trace everything on\n"
      "send \"x\n");
  EXPECT_EQ(violations, 6) << host.transcript().Text();
  EXPECT_EQ(host.transcript().Lines().front(), "> frobnicate");
}

}  // namespace
