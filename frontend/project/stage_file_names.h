#pragma once
// Names of the stage files of a staged project: the data file's path with its
// extension replaced by ".st" and the stage number (Wall.mr5d -> Wall.st1).
#include <filesystem>
#include <string>

namespace murena {

inline std::string stageFileName(const std::string& dataFile, int stage) {
  std::filesystem::path p(dataFile);
  p.replace_extension(".st" + std::to_string(stage));
  return p.string();
}

// The data file's path with another extension (".mr5o", ".mr5p", ".mr5r").
inline std::string withExtension(const std::string& dataFile, const std::string& extension) {
  std::filesystem::path p(dataFile);
  p.replace_extension(extension);
  return p.string();
}

}  // namespace murena
