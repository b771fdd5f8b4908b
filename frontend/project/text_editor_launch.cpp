#include "frontend/project/text_editor_launch.h"

namespace murena {

EditorLaunch editorLaunch(const std::string& editorPath, const std::string& file) {
  const size_t first = editorPath.find_first_not_of(" \t");
  EditorLaunch launch;
  if (first == std::string::npos) {
    launch.desktopDefault = true;
    launch.arguments = {file};
    return launch;
  }
  const size_t last = editorPath.find_last_not_of(" \t");
  launch.program = editorPath.substr(first, last - first + 1);
  launch.arguments = {file};
  return launch;
}

}  // namespace murena
