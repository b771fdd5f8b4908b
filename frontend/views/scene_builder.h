#pragma once
// Builds the 3D model of the project as display-list data: the soil layers
// and water tables (list 5) and the wall with its symbols (list 2).
#include "frontend/views/model_dimensions.h"
#include "frontend/views/scene_model.h"
#include "frontend/views/view_options.h"

namespace murena {
struct TProgramData;
class TProjectTables;
struct TLine;
}  // namespace murena

namespace murena::views {

struct SceneInput {
  const TProgramData& data;
  const TProjectTables& tables;
  // The deflection curve of the deformed shape (deformedShapeCurve), or null.
  const TLine* deflection = nullptr;
  DisplayOptions options;
  DeformedShapeSettings deformed;
};

// An empty scene when the project has no wall to draw.
Scene buildScene(const SceneInput& input);

// The parts of the scene on their own (buildScene calls them in turn).
void addSoilLayers(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addWaterTables(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addWall(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addSprings(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addConcentratedLoads(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addRestraints(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addTiebacks(const SceneInput& input, const ModelDimensions& dims, SceneList& list);
void addSurcharges(const SceneInput& input, const ModelDimensions& dims, SceneList& list);

}  // namespace murena::views
