// libFuzzer harness: every input is read as a project data file in each of
// the four layouts the front end opens (".mr5d", ".mr4d", ".mrd" 3.0 and
// 2.0).  What was read is written again in the current layout and read back:
// a file the program writes must always open without a reader's message.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frontend/project/data_file_reader.h"
#include "frontend/project/data_file_writer.h"
#include "frontend/project/project.h"

namespace {

using namespace murena;

TProjectTables& tables() {
  static TProjectTables instance;
  return instance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TProject project(tables());
  for (const int layout : {kLayoutCurrent, kLayout2013, kLayout30, kLayout20}) {
    project.newProject();
    readProjectText(text, project.data(), tables(), layout);
    const std::string written = dataFileText(project.data(), tables());
    project.newProject();
    const std::string message = readProjectText(written, project.data(), tables(), kLayoutCurrent);
    if (!message.empty()) {
      std::fprintf(stderr, "A file written from layout %d does not read back: %s\n--- written ---\n%s\n", layout,
                   message.c_str(), written.c_str());
      std::abort();
    }
  }
  return 0;
}
