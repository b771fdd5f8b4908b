#include "frontend/views/ui/model_views.h"

#include <QWidget>

#include "frontend/project/ui/main_window_host.h"

namespace murena {

ModelViews::ModelViews(MainWindowHost& host, QObject* parent) : QObject(parent), host_(host) {}
ModelViews::~ModelViews() = default;

void ModelViews::showSideView() {}
void ModelViews::show3DView() {}
void ModelViews::resultsChanged() {}

void ModelViews::closeAll() {
  if (sideView_) sideView_->close();
  if (view3D_) view3D_->close();
}

}  // namespace murena
