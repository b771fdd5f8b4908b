#pragma once
// The sizes of the 3D model derived from the project, in feet for English
// projects and metres for SI (the project's own length for other units):
// wall length, increment, panel width, wall thickness, ground reach across
// and along the wall, deepest level and free height; and the fit of the
// model into the window.
namespace murena {
struct TProgramData;
class TProjectTables;
}  // namespace murena

namespace murena::views {

// Factors from the project's lengths to model lengths: `wall` for the wall
// lengths held in the file's unit (inches in English projects), `small` for
// the small length unit of the surcharge and tieback columns (inches or
// millimetres).  Lengths held in feet or metres need no factor.
struct ModelUnits {
  double wall = 1;
  double small = 1;
};
ModelUnits modelUnits(int unitSystem);

struct ModelDimensions {
  double L = 0;  // wall length
  double h = 0;  // increment
  double w = 0;  // panel width
  double t = 0;  // wall thickness
  double d = 0;  // ground reach across the wall (blocks run 2d to each side)
  double b = 0;  // ground reach along the wall (blocks span y from -2b to 2b)
  double D = 0;  // deepest level: the wall tip or the bottom of the last soil layer
  double H = 0;  // free height (the excavation level)
  // Something to draw: a wall with length.
  bool valid() const { return L > 0 && w > 0; }
};

// The ground reach of the surcharge rows: 0.9 x the largest distance X (plus
// half the strip width for strip loads), in model units; 0 when surcharges
// are not applied.
double surchargeReach(const TProgramData& data, const TProjectTables& tables);
ModelDimensions modelDimensions(const TProgramData& data, const TProjectTables& tables);

// The wall and what is attached to it repeat over this many panels along y.
inline constexpr int kPanelCount = 20;
// Centre of panel p (0..19) along y: -w(9.5) .. w(9.5).
double panelCentre(const ModelDimensions& dims, int p);

// Extents of the model for fitting it into the window, fixed at the first
// activation of the view.
struct ViewFit {
  double widthExtent = 0;   // 2d
  double heightExtent = 0;  // 2D, or a larger extent of the others
  double lengthExtent = 0;  // 2b
  double centring = 0;      // the model is moved up by D/2
};
ViewFit fitView(const ModelDimensions& dims);
// The scale (pixels per model unit) that fits the extents into the client
// area with about 25 pixels to spare on each side; 1 without extents.
double baseScale(const ViewFit& fit, int clientWidth, int clientHeight);

}  // namespace murena::views
