// Documents through session commands: open, change, save, reopen, print.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

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

TEST_F(DocumentCommandsTest, HandEditsMoveAnAnchorPasteACopyAndDeleteArt) {
  session_.RunLine("open sample-map.json");
  session_.RunLine("move-anchor local-1-fill 1 2.5 -1");
  session_.RunLine("paste-in-front local-1-casing roads-local-fill");
  session_.RunLine("delete local-1-casing");
  session_.RunLine("export-svg selected.svg selection");
  EXPECT_EQ(host_.transcript().ViolationCount(), 0) << Text();
  host::Document& document = *host_.documents().current();
  const host::Segment& moved = document.FindArt("local-1-fill")->path().segments[1];
  EXPECT_EQ(moved.p.h, 102.5);
  EXPECT_EQ(moved.p.v, 599);
  EXPECT_EQ(document.FindArt("local-1-casing"), nullptr);
  // The copy is the front-most art of the fill layer, with the casing's geometry and style.
  const host::Art* copy = document.FindLayer("roads-local-fill")->group().firstChild();
  EXPECT_TRUE(Has("pasted \"local-1-casing\" as \"" + copy->id() +
                  "\" in front of "
                  "\"roads-local-fill\""))
      << Text();
  EXPECT_EQ(document.PathStyle(*copy).stroke.width, 6);

  // Only the selection is drawn in the selection colour, and only when asked for.
  session_.RunLine("deselect-all");
  session_.RunLine("select local-1-fill");
  session_.RunLine("export-svg selected.svg selection");
  session_.RunLine("export-svg plain.svg");
  const auto read = [&](const char* name) {
    std::ifstream stream(output_ / name);
    return std::string(std::istreambuf_iterator<char>(stream), {});
  };
  const std::string selected = read("selected.svg");
  const auto group = selected.find("<g id=\"selection\"");
  ASSERT_NE(group, std::string::npos);
  EXPECT_NE(selected.find("<path d=\"M 100 -303 L 102.5 -599\"/>", group), std::string::npos);
  EXPECT_EQ(std::count(selected.begin() + static_cast<long>(group), selected.end(), '\n'),
            2 + 1 + 2 + 1);  // the group, one outline, two anchors, then the end of the picture
  EXPECT_EQ(read("plain.svg").find("selection"), std::string::npos);

  session_.RunLine("move-anchor local-1-fill 2 0 0");
  session_.RunLine("paste-in-front local-1-fill no-such-layer");
  session_.RunLine("export-svg plain.svg everything");
  EXPECT_EQ(host_.transcript().ViolationCount(), 3) << Text();
}

}  // namespace
