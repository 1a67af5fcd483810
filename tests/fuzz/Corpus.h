// Valid inputs of the project, read from the source tree, as the seeds of mutation.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace fuzz {

std::filesystem::path SourceFile(const std::string& relative);
std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, const std::string& text);
// The files of folder (relative to the source tree) whose names end in suffix, sorted.
std::vector<std::filesystem::path> SourceFiles(const std::string& folder,
                                               const std::string& suffix);

// A folder of its own in the temporary folder, removed with everything in it at the end.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& name);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace fuzz
