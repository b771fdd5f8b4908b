#include "tools/screens/screen_shooter.h"

namespace murena::screens {

void shootDataEntry(ScreenShooter&) {}

}  // namespace murena::screens
