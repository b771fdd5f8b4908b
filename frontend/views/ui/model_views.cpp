#include "frontend/views/ui/model_views.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/views/ui/block_view_window.h"
#include "frontend/views/ui/opengl_support.h"
#include "frontend/views/ui/side_view_window.h"
#include "frontend/views/view_messages.h"

namespace murena {

namespace {

// The size of the windows when they open.
constexpr QSize kSideViewSize(580, 431);
constexpr QSize k3DViewSize(870, 640);

// Brings an existing child window to the front of the multiple-document area.
void bringUp(QWidget* child) {
  QWidget* frame = child->parentWidget() ? child->parentWidget() : child;
  frame->show();
  frame->raise();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(frame); sub && sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
  child->update();
}

}  // namespace

ModelViews::ModelViews(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
ModelViews::~ModelViews() = default;

void ModelViews::showSideView() {
  if (sideView_) {
    bringUp(sideView_);
    return;
  }
  auto* view = new ui::TDlgSideView(host_);
  sideView_ = view;
  if (QMdiSubWindow* sub = host_.addChildWindow(view)) sub->resize(kSideViewSize);
}

void ModelViews::show3DView() {
  if (view3D_) {
    bringUp(view3D_);
    return;
  }
  if (!ui::openGLAvailable()) {
    ui::showMessage(host_.hostWindow(), ui::MessageKind::Error, QString::fromUtf8(views::kNoOpenGLMessage));
    return;
  }
  auto* view = new ui::TDlgBlock(host_);
  view3D_ = view;
  host_.setViewControls(view->optionMenu(), view->toolActions());
  if (QMdiSubWindow* sub = host_.addChildWindow(view)) sub->resize(k3DViewSize);
}

void ModelViews::resultsChanged() {
  if (auto* view = qobject_cast<ui::TDlgBlock*>(view3D_.data())) view->resultsChanged();
  if (sideView_) sideView_->update();
}

void ModelViews::projectReloaded() {
  if (auto* view = qobject_cast<ui::TDlgBlock*>(view3D_.data())) view->RedrawComplete();
  if (sideView_) sideView_->update();
}

void ModelViews::closeAll() {
  if (sideView_) sideView_->close();
  if (view3D_) view3D_->close();
}

}  // namespace murena
