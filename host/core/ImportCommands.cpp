// The session command that imports road maps from GeoJSON.
#include "host/core/GeoJsonImport.h"
#include "host/core/Session.h"
#include "host/document/DocumentJson.h"
#include "host/document/JsonFields.h"

namespace host {

void AddImportCommands(Session& session) {
  Host& host = session.host();
  session.Add("import-geojson", "FILE STYLE", [&session, &host](const Words& a) -> std::string {
    if (a.size() != 2) return "a GeoJSON file and a style file expected";
    const std::string refused = "import-geojson " + Quote(a[0]) + " refused: ";
    RoadStyle style;
    try {
      style = ReadRoadStyle(json_fields::ReadFileText(session.Input(a[1])));
    } catch (const DocumentFileError& error) {
      host.transcript().Line(refused + "style " + Quote(a[1]) + ": " + error.what());
      return "";
    }
    // With no document open the map goes into a new one, made only once the import succeeds.
    std::unique_ptr<Document> made;
    Document* document = host.documents().current();
    if (document == nullptr) {
      made = std::make_unique<Document>();
      document = made.get();
    }
    ImportSummary summary;
    try {
      summary = ImportGeoJson(*document, json_fields::ReadFileText(session.Input(a[0])), style);
    } catch (const DocumentFileError& error) {
      host.transcript().Line(refused + error.what());
      return "";
    }
    if (made) {
      host.documents().Replace(std::move(made));
    } else {
      host.documents().MarkEdited();
      if (summary.layersMade > 0) host.documents().MarkLayersChanged();
    }
    host.transcript().Line("imported " + Quote(a[0]) + ": " + std::to_string(summary.features) +
                           " features as " + std::to_string(summary.stacks) + " stacks of " +
                           std::to_string(summary.paths) + " paths, " +
                           std::to_string(summary.leftOut) + " left out, " +
                           std::to_string(summary.layersMade) + " layers made");
    host.SendEditNotifications();
    return "";
  });
}

}  // namespace host
