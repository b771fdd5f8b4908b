#include "frontend/views/ui/gl_window.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFunctions_1_1>
#include <QOpenGLVersionFunctionsFactory>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "frontend/results/ui/drawing_painter.h"
#include "frontend/views/ui/opengl_support.h"
#include "frontend/views/view_messages.h"

namespace murena::ui {

namespace {

// Display lists 1 to 6 are called every frame.
constexpr int kListCount = 6;
// The triad's labels: the bitmap font of old, Times New Roman at 12 pixels.
const draw::Font kLabelFont{draw::FontFamily::Serif, 12, false};
constexpr double kLabelGap = 8;

draw::Color drawColor(const views::Rgba& c) {
  return {views::colourByte(c.r), views::colourByte(c.g), views::colourByte(c.b), views::colourByte(c.a)};
}

}  // namespace

TglWindow::TglWindow(GlViewState& state, QWidget* parent) : QOpenGLWidget(parent), state_(state) {
  setFormat(viewSurfaceFormat());
  setFocusPolicy(Qt::StrongFocus);
  lists_[0].number = 1;
  lists_[1].number = 2;
  lists_[2].number = 5;
}

TglWindow::~TglWindow() {
  releaseLists();
  // The base class destroys the context: it must not call back into this part.
  if (context() != nullptr) disconnect(context(), nullptr, this, nullptr);
}

void TglWindow::releaseLists() {
  if (gl_ == nullptr || listBase_ == 0 || context() == nullptr) return;
  makeCurrent();
  gl_->glDeleteLists(listBase_, kListCount);
  listBase_ = 0;
  listsStale_ = true;
  doneCurrent();
}

void TglWindow::setScene(const views::Scene& scene) {
  lists_[0] = {scene.loading.number, scene.loading.blending, views::buildMesh(scene.loading)};
  lists_[1] = {scene.wall.number, scene.wall.blending, views::buildMesh(scene.wall)};
  lists_[2] = {scene.soil.number, scene.soil.blending, views::buildMesh(scene.soil)};
  listsStale_ = true;
  update();
}

void TglWindow::initializeGL() {
  gl_ = QOpenGLVersionFunctionsFactory::get<QOpenGLFunctions_1_1>(context());
  if (gl_ == nullptr || !gl_->initializeOpenGLFunctions()) {
    gl_ = nullptr;
    failed_ = true;
    emit contextFailedToInitialise();
    return;
  }
  // A new context (the first, or after the widget moved to another window)
  // has none of the old lists.
  listBase_ = 0;
  listsStale_ = true;
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TglWindow::releaseLists, Qt::UniqueConnection);
}

void TglWindow::emitMesh(const views::Mesh& mesh) {
  for (const views::MeshBatch& batch : mesh.batches) {
    // The soil blocks' faces neither hide what lies in them nor fight with
    // the faces they share (the water table at the excavation, the wall).
    gl_->glDepthMask(batch.depthWrite ? GL_TRUE : GL_FALSE);
    if (batch.depthWrite) {
      gl_->glDisable(GL_POLYGON_OFFSET_FILL);
    } else {
      gl_->glEnable(GL_POLYGON_OFFSET_FILL);
      gl_->glPolygonOffset(1, 1);
    }
    gl_->glBegin(batch.mode == views::MeshMode::Triangles ? GL_TRIANGLES : GL_LINES);
    bool first = true;
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    for (const views::MeshVertex& v : batch.vertices) {
      if (first || v.r != r || v.g != g || v.b != b || v.a != a) {
        first = false;
        r = v.r, g = v.g, b = v.b, a = v.a;
        gl_->glColor4ub(r, g, b, a);
      }
      gl_->glVertex3f(v.x, v.y, v.z);
    }
    gl_->glEnd();
  }
}

void TglWindow::compileLists() {
  if (listBase_ == 0) listBase_ = gl_->glGenLists(kListCount);
  if (listBase_ == 0) return;
  for (int n = 1; n <= kListCount; ++n) {
    gl_->glNewList(listBase_ + n - 1, GL_COMPILE);
    for (const ListMesh& list : lists_) {
      if (list.number != n) continue;
      if (list.blending) {
        gl_->glEnable(GL_BLEND);
        gl_->glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
      }
      emitMesh(list.mesh);
      gl_->glDepthMask(GL_TRUE);
      gl_->glDisable(GL_POLYGON_OFFSET_FILL);
      if (list.blending) gl_->glDisable(GL_BLEND);
    }
    gl_->glEndList();
  }
  listsStale_ = false;
}

void TglWindow::drawFrame() {
  const int w = width(), h = height();
  const qreal ratio = devicePixelRatioF();
  gl_->glViewport(0, 0, GLsizei(std::lround(w * ratio)), GLsizei(std::lround(h * ratio)));
  gl_->glClearColor(1, 1, 1, 1);
  gl_->glDepthMask(GL_TRUE);
  gl_->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  gl_->glShadeModel(GL_SMOOTH);
  gl_->glDisable(GL_LIGHTING);
  gl_->glDisable(GL_TEXTURE_2D);
  gl_->glDisable(GL_BLEND);
  gl_->glEnable(GL_DEPTH_TEST);
  gl_->glDepthFunc(GL_LESS);
  gl_->glEnable(GL_CULL_FACE);
  gl_->glCullFace(GL_BACK);
  gl_->glFrontFace(GL_CCW);
  gl_->glLineWidth(1);

  gl_->glMatrixMode(GL_PROJECTION);
  gl_->glLoadMatrixd(views::projectionMatrix(state_.fit, w, h).m.data());
  gl_->glMatrixMode(GL_MODELVIEW);
  gl_->glLoadMatrixd(views::modelViewMatrix(state_.view, state_.fit).m.data());
  for (int n = 0; n < kListCount && listBase_ != 0; ++n) gl_->glCallList(listBase_ + n);

  gl_->glDisable(GL_DEPTH_TEST);
  gl_->glDisable(GL_CULL_FACE);
  drawOverlay();
  // Blending wrote opacities into the alpha channel: the picture itself is opaque.
  gl_->glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE);
  gl_->glClear(GL_COLOR_BUFFER_BIT);
  gl_->glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

// The axes triad and the zoom window, in window pixels.
void TglWindow::drawOverlay() {
  const int w = width(), h = height();
  gl_->glMatrixMode(GL_PROJECTION);
  gl_->glLoadIdentity();
  gl_->glOrtho(0, w, h, 0, -1, 1);
  gl_->glMatrixMode(GL_MODELVIEW);
  gl_->glLoadIdentity();
  if (state_.showAxes) {
    gl_->glBegin(GL_LINES);
    for (const views::TriadAxis& axis : views::axesTriad(state_.view, state_.fit, w, h)) {
      gl_->glColor4d(axis.color.r, axis.color.g, axis.color.b, 1);
      gl_->glVertex2d(axis.from.x, axis.from.y);
      gl_->glVertex2d(axis.to.x, axis.to.y);
    }
    gl_->glEnd();
  }
  if (state_.navigator.showsZoomRect()) {
    const views::ZoomRect r = state_.navigator.zoomRect();
    gl_->glColor4d(views::kMagenta.r, views::kMagenta.g, views::kMagenta.b, 1);
    gl_->glBegin(GL_LINE_LOOP);
    gl_->glVertex2d(r.left, r.top);
    gl_->glVertex2d(r.right, r.top);
    gl_->glVertex2d(r.right, r.bottom);
    gl_->glVertex2d(r.left, r.bottom);
    gl_->glEnd();
  }
}

void TglWindow::paintGL() {
  if (gl_ == nullptr) return;
  // Fitted on the first paint on the screen: a new control can be painted
  // before it is shown, at its default size, when it joins the window.
  if (!state_.view.fitted && isVisible()) {
    state_.view.baseScale = views::baseScale(state_.fit, width(), height());
    state_.view.fitted = true;
  }
  // The painter writes the labels over the picture; the OpenGL calls run as
  // its native painting, which leaves the fixed-function pipeline to them.
  QPainter painter(this);
  const bool labels = painter.isActive();
  if (labels) painter.beginNativePainting();
  if (listsStale_) compileLists();
  drawFrame();
  bool invalidOperation = false;
  for (GLenum error = gl_->glGetError(); error != GL_NO_ERROR; error = gl_->glGetError())
    invalidOperation = invalidOperation || error == GL_INVALID_OPERATION;
  if (labels) {
    painter.endNativePainting();
    drawLabels(painter);
  }
  ++frames_;
  if (invalidOperation && !errorReported_) {
    errorReported_ = true;
    emit openGLError(QString::fromUtf8(views::kOpenGLOperationMessage));
  }
}

// "X", "Y" and "D" just beyond the ends of the triad's lines.
void TglWindow::drawLabels(QPainter& painter) {
  if (!state_.showAxes) return;
  draw::Drawing text(width(), height(), 96, 96);
  for (const views::TriadAxis& axis : views::axesTriad(state_.view, state_.fit, width(), height())) {
    const double dx = axis.to.x - axis.from.x, dy = axis.to.y - axis.from.y;
    const double n = std::max(std::hypot(dx, dy), 1e-9);
    text.text({axis.to.x + kLabelGap * dx / n, axis.to.y + kLabelGap * dy / n}, axis.label, kLabelFont,
              drawColor(axis.color), draw::Anchor::Center);
  }
  paintDrawing(painter, text);
}

void TglWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  state_.navigator.press(state_.view, event->position().x(), event->position().y());
  update();
}

void TglWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton) || !state_.navigator.dragging()) return;
  state_.navigator.move(state_.view, event->position().x(), event->position().y(),
                        event->modifiers() & Qt::ShiftModifier, width(), height());
  update();
  emit viewChanged();
}

void TglWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  state_.navigator.release(state_.view, event->position().x(), event->position().y(), width(), height());
  update();
  emit viewChanged();
}

void TglWindow::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches == 0) return;
  // Half a zoom step a notch, about the cursor.
  views::zoomAbout(state_.view, std::pow(views::kZoomStep, notches / 2), event->position().x(),
                   event->position().y(), width(), height());
  update();
  emit viewChanged();
  event->accept();
}

}  // namespace murena::ui
