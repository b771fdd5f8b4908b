#include "frontend/project/staged_file_text.h"

#include "common/data_file_layout.h"
#include "frontend/project/file_errors.h"
#include "frontend/project/stage_file_names.h"
#include "frontend/entry/text_lines.h"
#include "frontend/project/crlf_text.h"

namespace murena {

std::vector<std::vector<std::string>> splitStagedLines(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> stages;
  for (size_t i = 0; i < lines.size(); ++i) {
    const bool starts = i == 0 || lines[i].find(kStageMarker) != std::string::npos;
    if (starts && stages.size() < static_cast<size_t>(layout::kMaxStages)) stages.emplace_back();
    stages.back().push_back(lines[i]);
  }
  return stages;
}

std::string assembleStagedFile(const std::string& dataFile, int stageCount) {
  std::string out;
  for (int k = 1; k <= stageCount; ++k) out += joinCrLfLines(splitTextLines(readStageFile(stageFileName(dataFile, k))));
  return out;
}

std::string readStageFile(const std::string& path) {
  std::string text;
  if (!readWholeFile(path, text)) throw EProjectWriteError("Stage file " + path + " could not be read.");
  return text;
}

}  // namespace murena
