#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

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

TEST(SessionScript, TimingsGoBesideTheTranscriptOneLinePerCommandRun) {
  host::Host host;
  host::Session session(
      host, [](const std::string&) { return nullptr; }, "");
  std::FILE* timings = std::tmpfile();
  ASSERT_NE(timings, nullptr);
  session.ReportTimings(timings);
  session.Run(
      "# a comment\n"
      "  status  \n"
      "frobnicate\n"
      "trace \"suites\" on\n");
  std::rewind(timings);
  std::string written;
  for (int c = std::fgetc(timings); c != EOF; c = std::fgetc(timings))
    written += static_cast<char>(c);
  std::fclose(timings);
  EXPECT_TRUE(std::regex_match(written, std::regex("timing: [0-9]+ ms  status\n"
                                                   "timing: [0-9]+ ms  trace \"suites\" on\n")))
      << written;
  EXPECT_EQ(host.transcript().Text().find("timing"), std::string::npos);
}

TEST(SessionScript, AnAnswererTakesTheAlertsTheScriptDidNotQueue) {
  host::Host host;
  host::Alerts& alerts = host.alerts();
  std::vector<std::string> asked;
  alerts.SetAnswerer([&](host::Alerts::Kind kind, const std::string& text) {
    asked.push_back(text);
    return kind == host::Alerts::Kind::kQuestion ? host::Alerts::Answer::kYes
                                                 : host::Alerts::Answer::kOk;
  });
  alerts.Expect(host::Alerts::Answer::kNo);  // a queued answer comes first
  EXPECT_EQ(alerts.Show(host::Alerts::Kind::kQuestion, "first"), host::Alerts::Answer::kNo);
  EXPECT_EQ(alerts.Show(host::Alerts::Kind::kQuestion, "second"), host::Alerts::Answer::kYes);
  EXPECT_EQ(alerts.Show(host::Alerts::Kind::kError, "third"), host::Alerts::Answer::kOk);
  EXPECT_EQ(asked, (std::vector<std::string>{"second", "third"}));
  EXPECT_EQ(host.transcript().Lines().back(), "alert error \"third\" -> ok");
  alerts.SetAnswerer(nullptr);
  alerts.Show(host::Alerts::Kind::kInformation, "unexpected");
  EXPECT_EQ(host.transcript().ViolationCount(), 1) << host.transcript().Text();
}

}  // namespace
