// What the host keeps on the plug-in's behalf: memory blocks it lends, alerts answered from the
// script, failures a test arms, handles and application contexts.
#include <gtest/gtest.h>

#include <algorithm>

#include "host/core/Alerts.h"
#include "host/core/Blocks.h"
#include "host/core/Contexts.h"
#include "host/core/Faults.h"
#include "host/core/HandleTable.h"
#include "host/core/Host.h"
#include "tests/frame/SessionFixture.h"

namespace {

bool HasLine(const host::Transcript& transcript, const std::string& line) {
  const auto& lines = transcript.Lines();
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The raster suite trusts Containing to keep a tile inside the block the plug-in lent it.
TEST(Blocks, EveryByteOfALiveBlockIsFoundAndNothingElse) {
  host::Transcript transcript;
  host::Blocks blocks(transcript);
  auto* first = static_cast<std::uint8_t*>(blocks.Allocate(16));
  auto* second = static_cast<std::uint8_t*>(blocks.Allocate(1));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first[15], 0);  // lent zeroed

  const std::uint8_t* start = nullptr;
  EXPECT_EQ(blocks.Containing(first, &start), 16u);
  EXPECT_EQ(start, first);
  EXPECT_EQ(blocks.Containing(first + 15, &start), 16u);
  EXPECT_EQ(start, first);
  EXPECT_EQ(blocks.Containing(second, &start), 1u);
  EXPECT_EQ(start, second);
  if (first + 16 != second) {
    EXPECT_EQ(blocks.Containing(first + 16, &start), 0u);  // just past the end
  }
  int elsewhere = 0;
  EXPECT_EQ(blocks.Containing(&elsewhere, &start), 0u);

  EXPECT_TRUE(blocks.Dispose(first));
  EXPECT_FALSE(blocks.Dispose(first));  // twice
  EXPECT_FALSE(blocks.Dispose(&elsewhere));
  EXPECT_EQ(blocks.LiveCount(), 1u);
  EXPECT_EQ(blocks.Allocate(0), nullptr);
  EXPECT_EQ(blocks.Allocate(std::uint64_t{1} << 40), nullptr);  // beyond what the host lends
  EXPECT_EQ(blocks.LiveCount(), 1u);

  blocks.CheckAllReleased("at the end");
  EXPECT_EQ(transcript.ViolationCount(), 1);
  EXPECT_EQ(blocks.LiveCount(), 0u);
}

TEST(Blocks, TheSuiteRefusesWhatThePluginGetsWrong) {
  host::Host host;
  const AIBlockSuite& suite = *host::Blocks::Suite();
  void* block = nullptr;
  EXPECT_EQ(suite.AllocateBlock(8, nullptr), kBadParameterErr);
  EXPECT_EQ(suite.AllocateBlock(0, &block), kBadParameterErr);
  EXPECT_EQ(block, nullptr);
  EXPECT_EQ(host.transcript().ViolationCount(), 2);

  ASSERT_EQ(suite.AllocateBlock(8, &block), kNoErr);
  EXPECT_EQ(host.blocks().LiveCount(), 1u);
  EXPECT_EQ(suite.DisposeBlock(block), kNoErr);
  EXPECT_EQ(suite.DisposeBlock(block), kBadParameterErr);
  EXPECT_EQ(host.transcript().ViolationCount(), 3);
  EXPECT_EQ(host.blocks().LiveCount(), 0u);
}

TEST(Alerts, AnswersInOrderAndGivesTheSafeAnswerToWhatTheScriptDidNotForesee) {
  using Kind = host::Alerts::Kind;
  using Answer = host::Alerts::Answer;
  host::Transcript transcript;
  host::Alerts alerts(transcript);
  alerts.Expect(Answer::kYes);
  alerts.Expect(Answer::kOk);
  alerts.Expect(Answer::kOk);
  EXPECT_EQ(alerts.Show(Kind::kQuestion, "作成しますか？"), Answer::kYes);
  EXPECT_EQ(alerts.Show(Kind::kError, "失敗しました"), Answer::kOk);
  EXPECT_EQ(transcript.ViolationCount(), 0);
  EXPECT_TRUE(HasLine(transcript, "alert question \"作成しますか？\" -> yes"));

  // Ok is no answer to a question: the question gets No, which changes nothing.
  EXPECT_EQ(alerts.Show(Kind::kQuestion, "削除しますか？"), Answer::kNo);
  EXPECT_EQ(transcript.ViolationCount(), 1);
  // Nothing queued: a question gets No, a one-button alert Ok.
  EXPECT_EQ(alerts.Show(Kind::kQuestion, "表示しますか？"), Answer::kNo);
  EXPECT_EQ(alerts.Show(Kind::kInformation, "完了"), Answer::kOk);
  EXPECT_EQ(transcript.ViolationCount(), 3);
  EXPECT_TRUE(HasLine(transcript, "alert information \"完了\""));

  alerts.Expect(Answer::kNo);
  alerts.CheckAllAnswered();
  EXPECT_EQ(transcript.ViolationCount(), 4);
  alerts.CheckAllAnswered();  // the queue was cleared
  EXPECT_EQ(transcript.ViolationCount(), 4);
}

TEST(Faults, EachArmedFailureFiresOnceAtItsCallAndOnlyForItsFunction) {
  host::Transcript transcript;
  host::Faults faults(transcript);
  faults.Arm("GetArtType", 1, FourCharCode("AAAA"));
  faults.Arm("GetArtType", 1, FourCharCode("BBBB"));
  faults.Arm("GetArtType", 2, FourCharCode("CCCC"));
  faults.Arm("DisposeArt", 1, FourCharCode("DDDD"));

  // Two failures armed for one call both fire there; the first armed gives the code.
  EXPECT_EQ(faults.Take("GetArtType"), FourCharCode("AAAA"));
  EXPECT_EQ(faults.Take("GetArtType"), FourCharCode("CCCC"));
  EXPECT_EQ(faults.Take("GetArtType"), kNoErr);
  EXPECT_TRUE(HasLine(transcript, "fault: GetArtType -> 'AAAA'"));
  EXPECT_EQ(std::count_if(transcript.Lines().begin(), transcript.Lines().end(),
                          [](const std::string& line) { return line.starts_with("fault:"); }),
            2);

  faults.CheckAllFired();  // DisposeArt was never called
  EXPECT_EQ(transcript.ViolationCount(), 1);
  EXPECT_EQ(faults.Take("DisposeArt"), kNoErr);
}

TEST(Faults, AFailureArmedForEveryCallFiresUntilClearedAndIsNeverReported) {
  host::Transcript transcript;
  host::Faults faults(transcript);
  faults.ArmEvery("GetPathSegments", FourCharCode("EVER"));
  faults.ArmEvery("DisposeArt", FourCharCode("NEVR"));
  faults.Arm("GetPathSegments", 2, FourCharCode("ONCE"));

  EXPECT_EQ(faults.Take("GetPathSegments"), FourCharCode("EVER"));
  EXPECT_EQ(faults.Take("GetArtType"), kNoErr);
  EXPECT_EQ(faults.Take("GetPathSegments"), FourCharCode("EVER"));  // first armed, first code
  EXPECT_EQ(faults.Take("GetPathSegments"), FourCharCode("EVER"));

  faults.CheckAllFired();  // DisposeArt never came: no claim was made that it would
  EXPECT_EQ(transcript.ViolationCount(), 0);
  EXPECT_EQ(faults.Take("GetPathSegments"), kNoErr);

  // With a period, every third call fails.
  faults.ArmEvery("GetPathClosed", FourCharCode("EVER"), 3);
  std::string pattern;
  for (int i = 0; i < 7; ++i) pattern += faults.Take("GetPathClosed") == kNoErr ? '-' : 'F';
  EXPECT_EQ(pattern, "--F--F-");
  faults.CheckAllFired();
  EXPECT_EQ(transcript.ViolationCount(), 0);
}

TEST(Faults, ScriptsArmFailuresByCallNumberAndCode) {
  host::Host host;
  host::Session session(host, nullptr, "");
  session.RunLine("fail GetArtType 2 'ABCD'");
  session.RunLine("fail DisposeArt 1 -50");
  session.RunLine("fail SetArtName");
  EXPECT_EQ(host.faults().Take("GetArtType"), kNoErr);
  EXPECT_EQ(host.faults().Take("GetArtType"), FourCharCode("ABCD"));
  EXPECT_EQ(host.faults().Take("DisposeArt"), -50);
  EXPECT_EQ(host.faults().Take("SetArtName"), FourCharCode("FAIL"));
  EXPECT_EQ(host.transcript().ViolationCount(), 0);
  for (const char* bad :
       {"fail", "fail X 0", "fail X two", "fail X 1 0", "fail X 1 AB", "fail X 1 ABCD 3"}) {
    session.RunLine(bad);
  }
  EXPECT_EQ(host.transcript().ViolationCount(), 6) << host.transcript().Text();
  host.faults().CheckAllFired();  // nothing bad was armed
  EXPECT_EQ(host.transcript().ViolationCount(), 6);
}

TEST(HandleTable, AStaleHandleOrOneOfAnotherKindNeverNamesAnObject) {
  host::HandleTable<std::string, AIArtSetHandle, host::kArtSetHandle> sets;
  host::HandleTable<std::string, AIArtSetHandle, host::kParserHandle> parsers;
  const AIArtSetHandle set = sets.Add("set");
  const AIArtSetHandle parser = parsers.Add("parser");  // the same serial number
  ASSERT_NE(sets.Find(set), nullptr);
  EXPECT_EQ(*sets.Find(set), "set");
  EXPECT_EQ(sets.Find(parser), nullptr);
  EXPECT_EQ(parsers.Find(set), nullptr);
  EXPECT_EQ(sets.Find(nullptr), nullptr);

  EXPECT_TRUE(sets.Remove(set));
  EXPECT_FALSE(sets.Remove(set));
  const AIArtSetHandle next = sets.Add("next");
  EXPECT_NE(next, set);  // serials are not reused
  EXPECT_EQ(sets.Find(set), nullptr);
  EXPECT_EQ(sets.Count(), 1u);
}

class ContextsTest : public SessionTest {
 protected:
  void SetUp() override { RunLines("answer ok ok\nstart"); }
  int Violations() { return host_.transcript().ViolationCount(); }
};

TEST_F(ContextsTest, ContextsNestAndMustBePoppedInnermostFirst) {
  host::Contexts& contexts = host_.contexts();
  AIAppContextHandle outer = nullptr, inner = nullptr;
  ASSERT_EQ(contexts.Push(host_.PluginRef(), &outer), kNoErr);
  ASSERT_EQ(contexts.Push(host_.PluginRef(), &inner), kNoErr);
  EXPECT_EQ(contexts.Depth(), 2);
  EXPECT_EQ(contexts.Pop(outer), kBadParameterErr);  // not the innermost
  EXPECT_EQ(contexts.Depth(), 2);
  EXPECT_EQ(contexts.Pop(inner), kNoErr);
  EXPECT_EQ(contexts.Pop(inner), kBadParameterErr);  // twice
  EXPECT_EQ(contexts.Pop(outer), kNoErr);
  EXPECT_EQ(contexts.Push(nullptr, &outer), kBadParameterErr);
  EXPECT_EQ(Violations(), 3);

  ASSERT_EQ(contexts.Push(host_.PluginRef(), &outer), kNoErr);
  contexts.CheckBalanced("at the end");  // left open
  EXPECT_EQ(Violations(), 4);
  EXPECT_EQ(contexts.Depth(), 0);
}

}  // namespace
