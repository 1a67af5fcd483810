// SVG pictures of documents, to look at in a browser or an SVG editor. Layers become layer groups
// as SVG editors mark them, with their hidden and locked states; every fill and stroke of an
// appearance is drawn, back to front. Gradients, patterns, text and placed images are approximated.
#pragma once

#include <filesystem>
#include <string>

#include "host/document/Document.h"

namespace host {

std::string ExportSvg(const Document& document);
void ExportSvgFile(const Document& document, const std::filesystem::path& file);

}  // namespace host
