#pragma once
// The OpenGL context of the 3D view: a compatibility-profile context whose
// OpenGL 1.1 fixed-function calls (display lists, immediate mode, blending,
// depth test, culling) are reached through Qt's versioned function objects.
#include <QSurfaceFormat>
#include <functional>

namespace murena::ui {

// Double buffered RGBA with a depth buffer, compatibility profile.
QSurfaceFormat viewSurfaceFormat();

// Whether a context with the OpenGL 1.1 functions can be made on this
// display.  Probed once; tests may replace the probe.
bool openGLAvailable();
void setOpenGLProbe(std::function<bool()> probe);  // empty: the real probe

}  // namespace murena::ui
