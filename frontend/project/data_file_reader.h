#pragma once
// Reading a data file or a stage file into a freshly created project, in the
// current layout (".mr5d") or one of the three older ones (".mr4d", ".mrd"
// 3.0 and 2.0), with the inverse of the writer's unit conversions.  A reading
// failure keeps everything read up to it; the tables are then filled up to
// their minimum rows in every case.
#include <string>
#include <string_view>

#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"

namespace murena {

// Layouts by the filter index of the open dialog.
enum DataFileLayout : int {
  kLayoutCurrent = 1,   // ".mr5d"
  kLayout2013 = 2,      // ".mr4d": no tieback count, no Wa on the wall line
  kLayout30 = 3,        // ".mrd" 3.0: also no moment-EI count, 2-item p-y set headers, no surcharge table
  kLayout20 = 4,        // ".mrd" 2.0: also no stage count, layer thicknesses, no long-term marker
};

inline constexpr const char* kOpenDialogFilter =
    "Murena 2015 (*.mr5d)|*.mr5d|Murena 2013 (*.mr4d)|*.mr4d|Murena 3.0 (*.mrd)|*.mrd|"
    "Murena 2.0 (*.mrd)|*.mrd|All Files (*.*)|*.*";

// Filter index 1..5 of the open dialog to a layout ("All Files" reads 2.0).
int layoutForFilterIndex(int filterIndex);
// Layout of a file opened from the recent-file list or the command line.
int layoutForExtension(const std::string& path);

// Reads `text` into the project.  Returns the reader's message when reading
// stopped early ("This file either invalid or incomplete.", "Error on Line n
// Item m" + line break + what was expected), else an empty text.
std::string readProjectText(std::string_view text, TProgramData& data, TProjectTables& tables, int layout);

// The message for a data file that cannot be opened.
std::string cannotOpenFileMessage(const std::string& path);

// Reads a file; a file that cannot be opened gives its message.
std::string readProjectFile(const std::string& path, TProgramData& data, TProjectTables& tables, int layout);

}  // namespace murena
