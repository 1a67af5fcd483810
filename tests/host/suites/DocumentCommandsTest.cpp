// Documents through session commands: open, change, save, reopen, print.
#include <gtest/gtest.h>

#include <filesystem>

#include "host/core/Session.h"

namespace {

class DocumentCommandsTest : public ::testing::Test {
 protected:
  DocumentCommandsTest() {
    output_ = std::filesystem::temp_directory_path() / "laneworks-document-commands";
    std::filesystem::create_directories(output_);
    session_.SetFolders(LANEWORKS_SOURCE_DIR "/examples", output_);
  }
  std::string Text() { return host_.transcript().Text(); }
  bool Has(const std::string& line) {
    const auto& lines = host_.transcript().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  host::Host host_;
  host::Session session_{host_, [](const std::string&) { return nullptr; }, ""};
  std::filesystem::path output_;
};

TEST_F(DocumentCommandsTest, EditsSurviveSaveAndReopen) {
  session_.RunLine("open sample-map.json");
  session_.RunLine("deselect-all");
  session_.RunLine("select main-1-casing");
  session_.RunLine("select-anchors main-1-fill 0 4");
  session_.RunLine("set town-name hidden on");
  session_.RunLine("save edited.json");
  session_.RunLine("print main-1-fill");
  const auto printed = host_.transcript().Lines().size();
  session_.RunLine("open " + (output_ / "edited.json").string());
  session_.RunLine("print main-1-fill");
  const auto& lines = host_.transcript().Lines();
  // The second print, after reopening, equals the first. Selection runs front to back.
  ASSERT_GT(lines.size(), printed);
  std::vector<std::string> first, second;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].rfind("| ", 0) != 0) continue;
    (i < printed ? first : second).push_back(lines[i]);
  }
  EXPECT_EQ(first, second);
  EXPECT_NE(first.front().find("anchors selected: 0 4"), std::string::npos) << Text();
  session_.RunLine("print");
  EXPECT_TRUE(Has("| selection: main-1-fill main-1-casing")) << Text();
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
}

TEST_F(DocumentCommandsTest, BadFilesAndIdsAreReportedNotFatal) {
  session_.RunLine("open no-such-file.json");
  session_.RunLine("print");
  session_.RunLine("open sample-map.json");
  session_.RunLine("select no-such-art");
  session_.RunLine("delete-swatch road-orange");
  session_.RunLine("delete-swatch road-orange");
  EXPECT_NE(Text().find("open \"no-such-file.json\" refused:"), std::string::npos) << Text();
  // print without a document, an unknown id, a swatch deleted twice.
  EXPECT_EQ(host_.transcript().ViolationCount(), 3) << Text();
}

}  // namespace
