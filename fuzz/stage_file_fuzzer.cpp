// libFuzzer harness: every input is a staged data file.  It is split into
// its stage blocks (which must together hold every line in order, at most
// five of them), each block is read with the stage reader, and the file is
// opened as a project in a scratch folder: split into stage files, every
// stage switched to (stored and loaded again) and saved, which assembles the
// data file from the stage files.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "common/data_file_layout.h"
#include "frontend/entry/text_lines.h"
#include "frontend/project/crlf_text.h"
#include "frontend/project/data_file_reader.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/project.h"
#include "frontend/project/staged_file_text.h"

namespace {

using namespace murena;
namespace fs = std::filesystem;

fs::path scratchFolder;

void removeScratchFolder() {
  std::error_code ignored;
  fs::remove_all(scratchFolder, ignored);
}

TProjectTables& tables() {
  static TProjectTables instance;
  return instance;
}

[[noreturn]] void fault(const char* what) {
  std::fprintf(stderr, "stage files: %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Stage files are synced on every store: a memory file system keeps that quick.
  std::error_code ec;
  const fs::path base = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
  std::string pattern = (base / "murena-stage-fuzz-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::perror("stage fuzzer: scratch folder");
    std::abort();
  }
  scratchFolder = pattern;
  std::atexit(removeScratchFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = splitTextLines(text);
  const auto stages = splitStagedLines(lines);
  if (stages.size() > static_cast<size_t>(layout::kMaxStages)) fault("more than five stage blocks");
  std::vector<std::string> joined;
  for (const auto& stage : stages) joined.insert(joined.end(), stage.begin(), stage.end());
  if (joined != lines) fault("the stage blocks do not hold the file's lines in order");

  TProject project(tables());
  for (const auto& stage : stages) {
    project.newProject();
    readProjectText(joinCrLfLines(stage), project.data(), tables(), kLayoutCurrent);
  }

  const std::string path = (scratchFolder / "Wall.mr5d").string();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
  }
  project.open(path, kLayoutCurrent);
  const int count = project.data().StageCount;
  try {
    for (int k = count; k >= 1; --k) project.switchToStage(k);
    project.save(WriteProtectedFile::kReplace);
  } catch (const EProjectWriteError&) {
    // A stage file the split did not make (fewer blocks than stages).
  }
  project.newProject();
  return 0;
}
