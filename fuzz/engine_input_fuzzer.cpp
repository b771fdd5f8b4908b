// libFuzzer harness: every input is taken as the engine's input data file.
// A scratch folder is made once per fuzzing process under /tmp and becomes the
// current directory; its "NAMES.dat" names the data file and the three output
// files in the same folder, so one whole run is one call of runAnalysis().
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include "engine/run_analysis.h"

namespace {

std::filesystem::path scratchFolder;
std::filesystem::path dataFile;

void removeScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(scratchFolder, ignored);
}

bool writeFile(const std::filesystem::path& path, const void* bytes, std::size_t size) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = size == 0 || std::fwrite(bytes, 1, size, file) == size;
  return std::fclose(file) == 0 && written;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/murena-fuzz-XXXXXX";
  if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0) {
    std::perror("murena fuzzer: scratch folder");
    std::abort();
  }
  scratchFolder = pattern;
  dataFile = scratchFolder / "input.mr5d";
  std::atexit(removeScratchFolder);
  std::string names = "2015.5.12\n\n\n0\n" + dataFile.string() + "\n" + (scratchFolder / "input.mr5o").string() +
                      "\n" + (scratchFolder / "input.mr5p").string() + "\n" +
                      (scratchFolder / "input.mr5r").string() + "\n";
  if (!writeFile(scratchFolder / "NAMES.dat", names.data(), names.size())) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!writeFile(dataFile, data, size)) std::abort();
  murena::runAnalysis();
  return 0;
}
