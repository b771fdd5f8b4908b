#pragma once
// Starting the user's text editor on a file: the editor program is started
// directly with the file as its only argument (no shell, so a file name with
// blanks, quotes or ';' opens that file and runs nothing else).  Without an
// editor setting the desktop's default application opens the file.
#include <string>
#include <vector>

namespace murena {

inline constexpr const char* kEditorFailedMessage = "An error occurred in running the Word Processor";

struct EditorLaunch {
  bool desktopDefault = false;  // no editor set: the desktop opens the file
  std::string program;
  std::vector<std::string> arguments;
};

EditorLaunch editorLaunch(const std::string& editorPath, const std::string& file);

}  // namespace murena
