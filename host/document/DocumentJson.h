// Document files: JSON as described in README.md beside this file. Reading builds a new document
// and hands it over only when the whole file was read; anything malformed, of the wrong type, out
// of range or naming what does not exist is refused with a message that says what and where.
#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/document/Document.h"

namespace host {

// what() is "where: what", where a path such as layers[1].art[3].segments.
class DocumentFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::unique_ptr<Document> ReadDocument(std::string_view json);
std::unique_ptr<Document> ReadDocumentFile(const std::filesystem::path& file);

std::string WriteDocument(const Document& document);
void WriteDocumentFile(const Document& document, const std::filesystem::path& file);

}  // namespace host
