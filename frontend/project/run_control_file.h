#pragma once
// The run-control file the engine reads from its current directory: the
// version text, three reserved lines, and the paths of the data file, the
// report (".mr5o"), the plot data file (".mr5p") and the run-notes file
// (".mr5r"), all beside the data file; lines end with CR LF.
#include <filesystem>
#include <string>

namespace murena {

// The engine opens the file under this name.
inline constexpr const char* kRunControlFileName = "NAMES.dat";

std::string runControlText(const std::string& dataFile);

// Writes the file into `folder` (EProjectWriteError on failure).
void writeRunControlFile(const std::filesystem::path& folder, const std::string& dataFile);

}  // namespace murena
