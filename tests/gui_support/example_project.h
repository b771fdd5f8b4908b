#pragma once
// Example projects for the window tests: a private copy of an example data
// file together with its stored plot data file, so that results are loaded
// when it is opened.
#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace murena::testing_support {

class ExampleProject {
 public:
  // `name` without extension, e.g. "cantilever_sand_english".
  explicit ExampleProject(const std::string& name, bool withResults = true) : folder_("murena_gui") {
    const std::filesystem::path source = MURENA_SOURCE_DIR;
    dataFile_ = folder_.path() / (name + ".mr5d");
    std::filesystem::copy_file(source / "examples" / (name + ".mr5d"), dataFile_);
    if (withResults)
      std::filesystem::copy_file(source / "tests/integration/golden" / (name + ".mr5p"),
                                 folder_.path() / (name + ".mr5p"));
  }
  std::string dataFile() const { return dataFile_.string(); }
  const std::filesystem::path& folder() const { return folder_.path(); }

 private:
  ScratchFolder folder_;
  std::filesystem::path dataFile_;
};

}  // namespace murena::testing_support
