#include "frontend/views/ui/opengl_support.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <optional>

namespace murena::ui {

namespace {

std::function<bool()>& probeOverride() {
  static std::function<bool()> probe;
  return probe;
}

bool probeContext() {
  QOpenGLContext context;
  context.setFormat(viewSurfaceFormat());
  if (!context.create()) return false;
  QOffscreenSurface surface;
  surface.setFormat(context.format());
  surface.create();
  if (!surface.isValid() || !context.makeCurrent(&surface)) return false;
  auto* gl = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(&context);
  const bool usable = gl != nullptr && gl->initializeOpenGLFunctions();
  context.doneCurrent();
  return usable;
}

}  // namespace

QSurfaceFormat viewSurfaceFormat() {
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setRenderableType(QSurfaceFormat::OpenGL);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setVersion(2, 1);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  format.setRedBufferSize(8);
  format.setGreenBufferSize(8);
  format.setBlueBufferSize(8);
  format.setDepthBufferSize(24);
  return format;
}

bool openGLAvailable() {
  if (probeOverride()) return probeOverride()();
  static std::optional<bool> available;
  if (!available) available = probeContext();
  return *available;
}

void setOpenGLProbe(std::function<bool()> probe) { probeOverride() = std::move(probe); }

}  // namespace murena::ui
