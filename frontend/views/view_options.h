#pragma once
// What the 3D view shows: the display options of its "Show 3DView" menu
// (all on when a view opens) and the deformed-shape settings of the
// Deformed Shape dialog.
namespace murena::views {

struct DisplayOptions {
  bool waterLevel = true;
  bool soilLayers = true;
  bool wall = true;
  bool surcharge = true;
  bool springs = true;
  bool tiebacks = true;
  bool loads = true;
  bool boundaryConditions = true;
  bool axes = true;
  bool operator==(const DisplayOptions&) const = default;
};

struct DeformedShapeSettings {
  bool show = false;
  bool undeformed = false;
  double factor = 1;
  bool operator==(const DeformedShapeSettings&) const = default;
};

}  // namespace murena::views
