// Session commands for documents: open, save, export, select, change states, print.
#include <functional>

#include "host/core/DocumentPrinter.h"
#include "host/core/Session.h"
#include "host/document/DocumentJson.h"
#include "host/document/SvgExport.h"

namespace host {
namespace {

constexpr char kNoDocument[] = "no document is open";

bool OnOff(const std::string& word, bool* value) {
  if (word != "on" && word != "off") return false;
  *value = word == "on";
  return true;
}

// Runs an edit of the script on the open document; the host then notifies as after any edit.
std::string EditDocument(Host& host, const std::function<std::string(Document&)>& edit) {
  Document* document = host.documents().current();
  if (document == nullptr) return kNoDocument;
  std::string problem;
  try {
    problem = edit(*document);
  } catch (const DocumentError& error) {
    problem = error.what();
  }
  if (problem.empty()) host.SendEditNotifications();
  return problem;
}

void AddFileCommands(Session& session) {
  Host& host = session.host();
  session.Add("new", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    auto document = std::make_unique<Document>();
    document->NewLayer(nullptr, kPlaceAbove, "レイヤー 1");
    host.documents().Replace(std::move(document));
    host.transcript().Line("new document");
    host.SendEditNotifications();
    return "";
  });
  session.Add("open", "FILE", [&session, &host](const Words& a) -> std::string {
    if (a.size() != 1) return "one file expected";
    try {
      host.documents().Replace(ReadDocumentFile(session.Input(a[0])));
    } catch (const std::exception& error) {
      host.transcript().Line("open " + Quote(a[0]) + " refused: " + error.what());
      return "";
    }
    const Document& document = *host.documents().current();
    host.transcript().Line("opened " + Quote(a[0]) + ": " + std::to_string(document.CountLayers()) +
                           " layers, " + std::to_string(document.ArtCount()) + " art objects");
    host.SendEditNotifications();
    return "";
  });
  session.Add("close", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    if (host.documents().current() == nullptr) return kNoDocument;
    host.documents().Replace(nullptr);
    host.transcript().Line("document closed");
    host.SendEditNotifications();
    return "";
  });
  session.Add("save", "FILE", [&session, &host](const Words& a) -> std::string {
    if (a.size() != 1) return "one file expected";
    if (host.documents().current() == nullptr) return kNoDocument;
    try {
      WriteDocumentFile(*host.documents().current(), session.Output(a[0]));
    } catch (const std::exception& error) {
      return std::string("cannot save: ") + error.what();
    }
    host.transcript().Line("saved " + Quote(a[0]));
    return "";
  });
  session.Add("export-svg", "FILE [selection]", [&session, &host](const Words& a) -> std::string {
    if (a.empty() || a.size() > 2 || (a.size() == 2 && a[1] != "selection"))
      return "a file expected, then optionally the word selection";
    if (host.documents().current() == nullptr) return kNoDocument;
    try {
      ExportSvgFile(*host.documents().current(), session.Output(a[0]), a.size() == 2);
    } catch (const std::exception& error) {
      return std::string("cannot export: ") + error.what();
    }
    host.transcript().Line("exported " + Quote(a[0]));
    return "";
  });
  session.Add("print", "[ID]", [&host](const Words& a) -> std::string {
    if (a.size() > 1) return "at most one id expected";
    const Document* document = host.documents().current();
    if (document == nullptr) return kNoDocument;
    const auto lines = a.empty() ? DescribeDocument(*document) : DescribeObject(*document, a[0]);
    if (lines.empty()) return "no art or layer has the id " + Quote(a[0]);
    for (const std::string& line : lines) host.transcript().Line("| " + line);
    return "";
  });
}

void AddSelectionCommands(Session& session) {
  Host& host = session.host();
  session.Add("select", "ID...", [&host](const Words& a) -> std::string {
    if (a.empty()) return "at least one id expected";
    return EditDocument(host, [&a](Document& document) -> std::string {
      for (const std::string& id : a) {
        Art* art = document.FindArt(id);
        if (art == nullptr) return "no art has the id " + Quote(id);
        document.SetUserAttributes(*art, kArtSelected, kArtSelected);
      }
      return "";
    });
  });
  session.Add("deselect-all", "", [&host](const Words& a) -> std::string {
    if (!a.empty()) return "too many words";
    return EditDocument(host, [](Document& document) -> std::string {
      document.DeselectAll();
      return "";
    });
  });
  session.Add("select-anchors", "ID INDEX...", [&host](const Words& a) -> std::string {
    if (a.size() < 2) return "an id and anchor indices expected";
    return EditDocument(host, [&a](Document& document) -> std::string {
      Art* art = document.FindArt(a[0]);
      if (art == nullptr || art->type() != kPathArt) return "no path has the id " + Quote(a[0]);
      for (std::size_t i = 1; i < a.size(); ++i) {
        const std::string& word = a[i];
        if (word.empty() || word.size() > 5 ||
            word.find_first_not_of("0123456789") != std::string::npos) {
          return "anchor indices are numbers";
        }
        const int index = std::stoi(word);
        if (static_cast<std::size_t>(index) >= art->path().segments.size())
          return "anchor " + word + " does not exist";
        document.SetSegmentSelected(*art, index, true);
      }
      return "";
    });
  });
  session.Add("set", "ID selected|locked|hidden on|off", [&host](const Words& a) -> std::string {
    bool on = false;
    if (a.size() != 3 || !OnOff(a[2], &on)) return "an id, an attribute and on or off expected";
    AIArtUserAttr attribute = 0;
    if (a[1] == "selected") attribute = kArtSelected;
    if (a[1] == "locked") attribute = kArtLocked;
    if (a[1] == "hidden") attribute = kArtHidden;
    if (attribute == 0) return "the attribute is selected, locked or hidden";
    return EditDocument(host, [&](Document& document) -> std::string {
      Art* art = document.FindArt(a[0]);
      if (art == nullptr) return "no art has the id " + Quote(a[0]);
      document.SetUserAttributes(*art, attribute, on ? attribute : 0);
      return "";
    });
  });
}

void AddLayerCommands(Session& session) {
  Host& host = session.host();
  session.Add("layer", "ID visible|editable on|off", [&host](const Words& a) -> std::string {
    bool on = false;
    if (a.size() != 3 || !OnOff(a[2], &on) || (a[1] != "visible" && a[1] != "editable")) {
      return "a layer id, visible or editable, and on or off expected";
    }
    return EditDocument(host, [&](Document& document) -> std::string {
      Layer* layer = document.FindLayer(a[0]);
      if (layer == nullptr) return "no layer has the id " + Quote(a[0]);
      (a[1] == "visible" ? layer->visible : layer->editable) = on;
      return "";
    });
  });
  session.Add("current-layer", "ID", [&host](const Words& a) -> std::string {
    if (a.size() != 1) return "one layer id expected";
    return EditDocument(host, [&](Document& document) -> std::string {
      Layer* layer = document.FindLayer(a[0]);
      if (layer == nullptr) return "no layer has the id " + Quote(a[0]);
      document.SetCurrentLayer(*layer);
      return "";
    });
  });
  session.Add("delete-swatch", "ID", [&host](const Words& a) -> std::string {
    if (a.size() != 1) return "one swatch id expected";
    return EditDocument(host, [&](Document& document) -> std::string {
      SwatchLibrary& swatches = document.swatches();
      if (auto handle = swatches.patterns.FindById(a[0])) {
        document.DeletePattern(handle);
      } else if (auto custom = swatches.customColors.FindById(a[0])) {
        document.DeleteCustomColor(custom);
      } else if (auto gradient = swatches.gradients.FindById(a[0])) {
        document.DeleteGradient(gradient);
      } else {
        return "no swatch has the id " + Quote(a[0]);
      }
      return "";
    });
  });
}

// Edits a user makes by hand, which break overlap lines: dragging one anchor of one copy,
// pasting a copy in front of a layer's art, deleting art.
void AddArtEditCommands(Session& session) {
  Host& host = session.host();
  session.Add("move-anchor", "ID INDEX DX DY", [&host](const Words& a) -> std::string {
    AIReal dx = 0, dy = 0, index = 0;
    if (a.size() != 4 || !ParseNumber(a[1], &index) || !ParseNumber(a[2], &dx) ||
        !ParseNumber(a[3], &dy)) {
      return "a path id, an anchor index and a move expected";
    }
    return EditDocument(host, [&](Document& document) -> std::string {
      Art* art = document.FindArt(a[0]);
      if (art == nullptr || art->type() != kPathArt) return "no path has the id " + Quote(a[0]);
      auto& segments = art->path().segments;
      if (index < 0 || index >= static_cast<AIReal>(segments.size()) || index != int(index))
        return "anchor " + a[1] + " does not exist";
      // The anchor moves with its handles, as a drag with the direct selection tool moves it.
      Segment& segment = segments[static_cast<std::size_t>(index)];
      for (AIRealPoint* point : {&segment.p, &segment.in, &segment.out}) {
        point->h += dx;
        point->v += dy;
      }
      return "";
    });
  });
  session.Add("paste-in-front", "ID LAYER", [&host](const Words& a) -> std::string {
    if (a.size() != 2) return "an art id and a layer id expected";
    return EditDocument(host, [&](Document& document) -> std::string {
      Art* art = document.FindArt(a[0]);
      if (art == nullptr) return "no art has the id " + Quote(a[0]);
      Layer* layer = document.FindLayer(a[1]);
      if (layer == nullptr) return "no layer has the id " + Quote(a[1]);
      const Art& copy = document.DuplicateArt(*art, kPlaceInsideOnTop, layer->group());
      host.transcript().Line("pasted " + Quote(a[0]) + " as " + Quote(copy.id()) + " in front of " +
                             Quote(a[1]));
      return "";
    });
  });
  session.Add("delete", "ID", [&host](const Words& a) -> std::string {
    if (a.size() != 1) return "one art id expected";
    return EditDocument(host, [&](Document& document) -> std::string {
      Art* art = document.FindArt(a[0]);
      if (art == nullptr) return "no art has the id " + Quote(a[0]);
      document.DisposeArt(*art);
      return "";
    });
  });
}

}  // namespace

void AddDocumentCommands(Session& session) {
  AddFileCommands(session);
  AddSelectionCommands(session);
  AddLayerCommands(session);
  AddArtEditCommands(session);
}

}  // namespace host
