// SVG pictures of documents, to look at in a browser or an SVG editor. Layers become layer groups
// as SVG editors mark them, with their hidden and locked states; every fill and stroke of an
// appearance is drawn, back to front. Gradients, patterns, text and placed images are approximated.
#pragma once

#include <filesystem>
#include <string>

#include "host/document/Document.h"

namespace host {

// With selection, the selected paths are outlined on top in the selection colour, with their
// anchors as small squares, as the host's window shows them.
std::string ExportSvg(const Document& document, bool selection = false);
void ExportSvgFile(const Document& document, const std::filesystem::path& file,
                   bool selection = false);

}  // namespace host
