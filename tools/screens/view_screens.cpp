#include "tools/screens/screen_shooter.h"

namespace murena::screens {

void shootViews(ScreenShooter&) {}

}  // namespace murena::screens
