// Malformed document files: the reader refuses them with a message naming the place, or reads
// what writes back and reads again unchanged; "open" of a refused file keeps the open document.
#include <gtest/gtest.h>

#include "host/core/Host.h"
#include "host/core/Session.h"
#include "host/document/DocumentEquality.h"
#include "host/document/DocumentJson.h"
#include "tests/fuzz/Corpus.h"
#include "tests/fuzz/FuzzLoop.h"
#include "tests/testplugin/InProcessModule.h"

namespace {

using fuzz::Random;

std::vector<std::string> DocumentCorpus() {
  std::vector<std::string> corpus = {fuzz::ReadFile(fuzz::SourceFile("examples/sample-map.json"))};
  // The thousand-road map is left out: mutating it costs far more than it finds.
  for (const auto& file : fuzz::SourceFiles("tests/e2e", ".json")) {
    if (file.filename() != "scissors-thousand.json") corpus.push_back(fuzz::ReadFile(file));
  }
  for (const auto& file : fuzz::SourceFiles("tests/e2e/maps", ".json")) {
    corpus.push_back(fuzz::ReadFile(file));
  }
  return corpus;
}

const std::vector<std::string> kDocumentWords = {
    "format",       "version",    "layers",       "art",
    "type",         "layer",      "path",         "group",
    "compoundPath", "text",       "placed",       "raster",
    "id",           "title",      "visible",      "editable",
    "segments",     "p",          "in",           "out",
    "corner",       "selected",   "locked",       "hidden",
    "closed",       "appearance", "paint",        "kind",
    "fill",         "stroke",     "color",        "gray",
    "rgb",          "cmyk",       "custom",       "pattern",
    "gradient",     "none",       "swatch",       "swatches",
    "customColors", "patterns",   "gradients",    "stops",
    "rampPoint",    "midPoint",   "currentLayer", "view",
    "zoom",         "snapping",   "width",        "dash",
    "dashOffset",   "miterLimit", "bounds",       "anchor",
    "fontSize",     "matrix",     "transform",    "tint",
    "evenOdd",      "clip",       "resolution",   "laneworks-document"};

// A valid document whose one path sits depth containers deep: groups, or sublayers.
std::string NestedDocument(std::size_t depth, bool sublayers) {
  const std::string open =
      sublayers ? R"({"type": "layer", "art": [)" : R"({"type": "group", "art": [)";
  std::string art = R"({"type": "path", "segments": [{"p": [0, 0]}, {"p": [10, 0]}]})";
  std::string text = R"({"format": "laneworks-document", "version": 1, "layers": [{"art": [)";
  for (std::size_t i = 0; i < depth; ++i) text += open;
  text += art;
  for (std::size_t i = 0; i < depth; ++i) text += "]}";
  return text + "]}]}";
}

// The reader's answer to text on its own: empty when sound.
std::string CheckReader(const std::string& text) {
  std::unique_ptr<host::Document> document;
  try {
    document = host::ReadDocument(text);
  } catch (const host::DocumentFileError& error) {
    if (!fuzz::IsClearMessage(error.what())) return "unclear refusal: " + std::string(error.what());
    return "";
  }
  const std::string written = host::WriteDocument(*document);
  std::unique_ptr<host::Document> again;
  try {
    again = host::ReadDocument(written);
  } catch (const host::DocumentFileError& error) {
    return std::string("accepted, but what it wrote is refused: ") + error.what();
  }
  const std::string difference = host::FirstDifference(*document, *again);
  if (!difference.empty()) return "written and read back, it differs: " + difference;
  return "";
}

class OpenCommand {
 public:
  OpenCommand() : folder_("document") {
    session_.SetFolders(folder_.path(), folder_.path());
    OpenSample();
  }

  // Opens text as a file in the session: a refusal keeps the open document as it was.
  std::string Check(const std::string& text) {
    fuzz::WriteFile(folder_.path() / "mutant.json", text);
    host::Document* before = host_.documents().current();
    const std::size_t lines = host_.transcript().Lines().size();
    session_.RunLine("open mutant.json");
    const auto& transcript = host_.transcript().Lines();
    if (transcript.size() < lines + 2) return "open wrote no answer";
    const std::string& answer = transcript[lines + 1];
    if (answer.rfind("opened \"mutant.json\": ", 0) == 0) {
      OpenSample();
      return "";
    }
    const std::string refused = "open \"mutant.json\" refused: ";
    if (answer.rfind(refused, 0) != 0) return "open answered: " + answer;
    if (!fuzz::IsClearMessage(answer.substr(refused.size()))) return "unclear refusal: " + answer;
    if (host_.documents().current() != before) return "a refused open replaced the document";
    const std::string now = host::FirstDifference(*before, *sample_);
    if (!now.empty()) return "a refused open changed the document: " + now;
    if (host_.transcript().ViolationCount() != 0) return "violations: " + host_.transcript().Text();
    return "";
  }

 private:
  void OpenSample() {
    session_.RunLine("open " + fuzz::SourceFile("examples/sample-map.json").string());
    sample_ = host::ReadDocumentFile(fuzz::SourceFile("examples/sample-map.json"));
  }

  fuzz::ScratchFolder folder_;
  host::Host host_;
  host::Session session_{
      host_,
      [](const std::string&) { return std::make_unique<testing_support::InProcessModule>(); },
      "FrameTest.aip"};
  std::unique_ptr<host::Document> sample_;
};

TEST(Fuzz, DocumentReader) {
  const fuzz::Mutator mutator(DocumentCorpus(), kDocumentWords);
  OpenCommand open;
  fuzz::Run({"DocumentReader", 150,
             [&](Random& random) {
               if (fuzz::OneIn(random, 16)) {
                 const std::size_t depth = fuzz::OneIn(random, 8) ? fuzz::Below(random, 100000)
                                                                  : fuzz::Below(random, 300);
                 return NestedDocument(depth, fuzz::OneIn(random, 2));
               }
               return mutator.Next(random);
             },
             [&](const std::string& text) {
               std::string problem = CheckReader(text);
               return problem.empty() ? open.Check(text) : problem;
             }});
}

}  // namespace
