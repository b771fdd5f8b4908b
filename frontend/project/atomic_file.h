#pragma once
// Replacing a file only after its new content is completely on disk: the text
// goes to a temporary file in the same folder, is flushed and synced, and is
// then renamed over the old file.  On any failure the temporary file is
// removed, the old file is left untouched and EProjectWriteError is thrown.
#include <string>
#include <string_view>

namespace murena {

void writeFileAtomically(const std::string& path, std::string_view content);

}  // namespace murena
