#include "tools/screens/screen_shooter.h"

namespace murena::screens {

void shootResults(ScreenShooter&) {}

}  // namespace murena::screens
