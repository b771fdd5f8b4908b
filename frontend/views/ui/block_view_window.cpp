#include "frontend/views/ui/block_view_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QTimer>
#include <QVBoxLayout>

#include "frontend/entry/ui/prompts.h"
#include "frontend/project/project.h"
#include "frontend/project/ui/main_window_host.h"
#include "frontend/results/result_graphs.h"
#include "frontend/views/deformed_shape.h"
#include "frontend/views/scene_builder.h"
#include "frontend/views/ui/deformed_shape_dialog.h"
#include "frontend/views/ui/window_activation.h"
#include "frontend/views/view_messages.h"

// Resources of a static library are registered by name, outside any namespace.
static void registerViewIcons() { Q_INIT_RESOURCE(view_icons); }

namespace murena::ui {

namespace {
QIcon viewIcon(const char* name) { return QIcon(QStringLiteral(":/views/icons/%1.svg").arg(QLatin1String(name))); }
}  // namespace

TDlgBlock::TDlgBlock(MainWindowHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  registerViewIcons();
  setWindowTitle(QString::fromUtf8(views::k3DViewTitle));
  gl_ = new TglWindow(state_, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(gl_);
  buildActions();
  connect(gl_, &TglWindow::openGLError, this, &TDlgBlock::reportOpenGLError);
  connect(gl_, &TglWindow::contextFailedToInitialise, this, [this] {
    // After the paint that found out: the rest of the program goes on.
    QTimer::singleShot(0, this, [this] {
      showMessage(host_.hostWindow(), MessageKind::Error, QString::fromUtf8(views::kNoOpenGLMessage));
      close();
    });
  });
  resultsChanged();
}

TDlgBlock::~TDlgBlock() = default;

TDlgDeformedShape* TDlgBlock::deformedShapeDialog() const { return dialog_.data(); }

QAction* TDlgBlock::addOption(const QString& text, bool views::DisplayOptions::*option) {
  QAction* a = menu_->addAction(text);
  a->setCheckable(true);
  a->setChecked(options_.*option);
  connect(a, &QAction::toggled, this, [this, option](bool on) {
    options_.*option = on;
    RedrawComplete();
  });
  return a;
}

void TDlgBlock::buildActions() {
  menu_ = new QMenu(tr("Show &3DView"), this);
  addOption(tr("&Wall"), &views::DisplayOptions::wall);
  addOption(tr("&Soil Layers"), &views::DisplayOptions::soilLayers);
  addOption(tr("Water &Level"), &views::DisplayOptions::waterLevel);
  addOption(tr("&Additional Surcharge"), &views::DisplayOptions::surcharge);
  addOption(tr("&Concentrated Loads"), &views::DisplayOptions::loads);
  addOption(tr("&Tie Backs"), &views::DisplayOptions::tiebacks);
  addOption(tr("&Boundary Conditions"), &views::DisplayOptions::boundaryConditions);
  addOption(tr("Lateral S&prings"), &views::DisplayOptions::springs);
  menu_->addSeparator();
  deformedAction_ = menu_->addAction(viewIcon("deformed_shape"), tr("&Deformed Shape"));
  deformedAction_->setCheckable(true);
  // The menu shows its check mark; the icon is for the tool button.
  deformedAction_->setIconVisibleInMenu(false);
  connect(deformedAction_, &QAction::triggered, this, [this] {
    // The check mark shows the setting; the dialog changes it.
    deformedAction_->setChecked(deformed_.show);
    DeformedShapeWindow();
  });
  menu_->addSeparator();
  QAction* save = menu_->addAction(tr("Save &Picture..."));
  connect(save, &QAction::triggered, this, &TDlgBlock::savePictureClick);

  auto* modes = new QActionGroup(this);
  auto mode = [&](const char* icon, const QString& text, views::MouseMode m) {
    QAction* a = new QAction(viewIcon(icon), text, this);
    a->setCheckable(true);
    a->setChecked(state_.navigator.mode == m);
    modes->addAction(a);
    connect(a, &QAction::triggered, this, [this, m] { state_.navigator.mode = m; });
    return a;
  };
  auto button = [&](const char* icon, const QString& text, auto slot) {
    QAction* a = new QAction(viewIcon(icon), text, this);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QAction* panning = mode("pan", tr("Panning"), views::MouseMode::Pan);
  QAction* zoomWindow = new QAction(viewIcon("zoom_window"), tr("Zoom Window"), this);
  zoomWindow->setCheckable(true);
  connect(zoomWindow, &QAction::toggled, this, [this](bool on) { state_.navigator.zoomWindow = on; });
  QAction* zooming = mode("zooming", tr("Zooming"), views::MouseMode::Zoom);
  QAction* rotating = mode("rotating", tr("Rotating"), views::MouseMode::Rotate);
  toolActions_ = {panning,
                  zoomWindow,
                  zooming,
                  rotating,
                  button("zoom_in", tr("Zoom In"), [this] { Zooming(true); }),
                  button("zoom_out", tr("Zoom Out"), [this] { Zooming(false); }),
                  button("restart_view", tr("Restart View"), [this] { RestartViewButtonClick(); }),
                  deformedAction_};
}

QAction* TDlgBlock::action(const QString& text) const {
  QList<QAction*> all = menu_->actions();
  all += toolActions_;
  for (QAction* a : all)
    if (QString(a->text()).remove(QLatin1Char('&')) == text) return a;
  return nullptr;
}

void TDlgBlock::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The model follows the project each time the window is activated.
  followActivation(this, watchedFrame_, [this] { RedrawComplete(); });
  RedrawComplete();
}

void TDlgBlock::RedrawComplete() {
  TProject& project = host_.project();
  // The extents are fitted once, when there is first a model to fit.
  const views::ModelDimensions dims = views::modelDimensions(project.data(), project.tables());
  if (!fitted_) {
    if (dims.valid()) {
      state_.fit = views::fitView(dims);
      state_.view.fitted = false;
      fitted_ = true;
      fitUnits_ = project.data().UnitSystem;
      fitLength_ = dims.L;
    }
  } else if (project.data().UnitSystem != fitUnits_ && dims.valid()) {
    // The same wall in other units keeps its picture.
    views::rescaleView(state_.fit, state_.view, dims.L / fitLength_);
    fitUnits_ = project.data().UnitSystem;
    fitLength_ = dims.L;
  }
  const TLine* deflection = host_.resultsLoaded() ? views::deformedShapeCurve(host_.graphs().pltDef) : nullptr;
  scene_ = views::buildScene(views::SceneInput{project.data(), project.tables(), deflection, options_, deformed_});
  gl_->setScene(scene_);
  state_.showAxes = options_.axes;
  deformedAction_->setChecked(deformed_.show);
}

void TDlgBlock::resultsChanged() {
  deformedAction_->setEnabled(host_.resultsLoaded() && hasDrawableCurve(host_.graphs().pltDef));
  if (!deformedAction_->isEnabled() && dialog_) dialog_->close();
  RedrawComplete();
}

void TDlgBlock::DeformedShapeWindow() {
  if (!deformedAction_->isEnabled()) return;
  if (!dialog_) dialog_ = new TDlgDeformedShape(deformed_, [this] { RedrawComplete(); }, this);
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

void TDlgBlock::Zooming(bool in) {
  if (in)
    state_.view.zoomIn();
  else
    state_.view.zoomOut();
  gl_->update();
}

void TDlgBlock::RestartViewButtonClick() {
  state_.view.restart();
  gl_->update();
}

bool TDlgBlock::savePicture(const QString& path) { return gl_->grabFramebuffer().save(path, "PNG"); }

void TDlgBlock::savePictureClick() {
  const QString folder = QFileInfo(QString::fromStdString(host_.project().data().FileName)).absolutePath();
  const auto choice = askSaveFile(this, tr("Save 3-D View"), folder + QStringLiteral("/3DView.png"),
                                  QStringLiteral("PNG Image (*.png)|*.png"), QStringLiteral("png"));
  if (choice && !savePicture(choice->path))
    showMessage(this, MessageKind::Error, tr("The picture could not be saved to %1.").arg(choice->path));
}

void TDlgBlock::reportOpenGLError(const QString& message) { showMessage(this, MessageKind::Error, message); }

void TDlgBlock::closeEvent(QCloseEvent* event) {
  if (dialog_) dialog_->close();
  host_.setViewControls(nullptr, {});
  QWidget::closeEvent(event);
}

}  // namespace murena::ui
