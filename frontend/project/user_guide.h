#pragma once
// Help, Contents: the user's guide ("user-guide.html", else "user-guide.md")
// is looked for in the given folders in turn (the program's folder and its
// docs/ folder, then the source tree's docs/).
#include <string>
#include <vector>

namespace murena {

// The first guide found, empty when there is none.
std::string findUserGuide(const std::vector<std::string>& folders);

std::string userGuideMissingMessage(const std::vector<std::string>& folders);

}  // namespace murena
