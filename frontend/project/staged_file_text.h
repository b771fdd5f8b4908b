#pragma once
// The staged data file is the concatenation of its stage files; opening it
// splits it back: stage 1 starts at the first line, every later stage at a
// line that contains " Stage No :".
#include <string>
#include <vector>

namespace murena {

inline constexpr const char* kStageTitlePrefix = " Stage No : ";
inline constexpr const char* kStageMarker = " Stage No :";

// Lines of each stage block, at most kMaxStages blocks: lines after a sixth
// marker stay with the fifth block so that nothing is dropped.
std::vector<std::vector<std::string>> splitStagedLines(const std::vector<std::string>& lines);

// Text of the staged data file from stage files 1..stageCount of dataFile,
// each copied whole, line by line, with CR LF.  A missing or unreadable stage
// file throws EProjectWriteError (the data file is then not touched).
std::string assembleStagedFile(const std::string& dataFile, int stageCount);

// The whole text of one stage file (EProjectWriteError when it cannot be read).
std::string readStageFile(const std::string& path);

}  // namespace murena
