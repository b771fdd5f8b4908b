#include "frontend/project/run_control_file.h"

#include "common/data_file_layout.h"
#include "frontend/project/atomic_file.h"
#include "frontend/project/crlf_text.h"
#include "frontend/project/stage_file_names.h"

namespace murena {

std::string runControlText(const std::string& dataFile) {
  return joinCrLfLines({layout::kVersionText, "", "", "0", dataFile, withExtension(dataFile, ".mr5o"),
                        withExtension(dataFile, ".mr5p"), withExtension(dataFile, ".mr5r")});
}

void writeRunControlFile(const std::filesystem::path& folder, const std::string& dataFile) {
  writeFileAtomically((folder / kRunControlFileName).string(), runControlText(dataFile));
}

}  // namespace murena
