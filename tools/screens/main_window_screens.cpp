#include "tools/screens/screen_shooter.h"

namespace murena::screens {

void shootMainWindow(ScreenShooter&) {}

}  // namespace murena::screens
