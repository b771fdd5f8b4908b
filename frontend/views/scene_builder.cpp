#include "frontend/views/scene_builder.h"

#include <algorithm>
#include <cmath>

#include "common/data_file_layout.h"
#include "frontend/project/program_data.h"
#include "frontend/project/project_tables.h"
#include "frontend/results/graph_plot.h"
#include "frontend/views/deformed_shape.h"

namespace murena::views {

namespace {

constexpr int kPointLoad = 1;
constexpr int kLineLoad = 2;
constexpr int kStripLoad = 3;
constexpr int kSpecifyDeflection = 1;
constexpr int kSpecifySlope = 2;
// Water-table signs stand on their plane in a 5 x 5 grid.
constexpr int kSignGrid = 5;
// Tieback copies on each side of the middle, at most.
constexpr int kMaxTiebackCopies = 100;

const Vec3 kAxisX{1, 0, 0};
const Vec3 kAxisY{0, 1, 0};
const Vec3 kAxisZ{0, 0, 1};

double sign(double v) { return v > 0 ? 1 : -1; }

void add(SceneList& list, Part part, SceneItem item, int row = -1) {
  list.items.push_back(TaggedItem{part, std::move(item), row});
}

// A box given as edges in the full colour and faces at an opacity.
void addBox(SceneList& list, Part part, const Vec3& lo, const Vec3& hi, const Rgba& edge, const Rgba& face,
            int row = -1) {
  add(list, part, BoxItem{lo, hi, edge, Style::Edges}, row);
  add(list, part, BoxItem{lo, hi, face, Style::Faces}, row);
}

void addBrick(SceneList& list, Part part, const std::array<Vec3, 8>& corners, const Rgba& edge, const Rgba& face,
              int row = -1) {
  add(list, part, BrickItem{corners, edge, Style::Edges}, row);
  add(list, part, BrickItem{corners, face, Style::Faces}, row);
}

// A brick of square section `thickness` from `start` along `direction`
// (a unit vector in the x-z plane) for `length`.
std::array<Vec3, 8> rodCorners(const Vec3& start, const Vec3& direction, double length, double thickness) {
  const Vec3 across = normalized(cross(kAxisY, direction)) * (thickness / 2);
  const Vec3 along = kAxisY * (thickness / 2);
  const Vec3 end = start + direction * length;
  return {start - across - along, start + across - along, start + across + along, start - across + along,
          end - across - along,   end + across - along,   end + across + along,   end - across + along};
}

// Nodes of one row of a table with a line mode: from its from-node to its
// to-node, or, interpolated, to the next row's to-node (the next row is then
// consumed).  Values at a node are interpolated linearly over that range.
struct NodeRange {
  int from = 0, to = 0;
  int row = 0, nextRow = -1;
  double fraction(int node) const { return to > from ? double(node - from) / (to - from) : 0; }
};

std::vector<NodeRange> nodeRanges(const GridTable& t, int modeColumn, int fromColumn, int toColumn, int nodeCount) {
  std::vector<NodeRange> out;
  for (int r = 0; r < t.rowCount(); ++r) {
    NodeRange range;
    range.row = r;
    range.from = t.integer(fromColumn, r);
    range.to = t.integer(toColumn, r);
    if (t.integer(modeColumn, r) == layout::kInterpolateLine && r + 1 < t.rowCount()) {
      range.nextRow = r + 1;
      range.to = t.integer(toColumn, r + 1);
      ++r;
    }
    range.from = std::clamp(range.from, 0, nodeCount);
    range.to = std::clamp(range.to, 0, nodeCount);
    if (range.from <= range.to) out.push_back(range);
  }
  return out;
}

double rangeValue(const GridTable& t, int column, const NodeRange& range, int node) {
  const double v = t.real(column, range.row);
  if (range.nextRow < 0) return v;
  return v + (t.real(column, range.nextRow) - v) * range.fraction(node);
}

// One downward water-table sign plane with its grid of pyramids.
void addWaterTable(SceneList& list, double xFrom, double xTo, double depth, double signOpacity,
                   const ModelDimensions& m) {
  const double z = -depth, y0 = -2 * m.b, y1 = 2 * m.b;
  const std::array<Vec3, 4> corners{Vec3{xFrom, y0, z}, Vec3{xTo, y0, z}, Vec3{xTo, y1, z}, Vec3{xFrom, y1, z}};
  add(list, Part::WaterTable, PlaneItem{corners, kBlue, Style::Edges});
  add(list, Part::WaterTable, PlaneItem{corners, kBlue.withOpacity(kWaterPlaneOpacity), Style::Faces});
  const double size = 4 * m.h;
  for (int i = 0; i < kSignGrid; ++i)
    for (int j = 0; j < kSignGrid; ++j) {
      const Vec3 apex{xFrom + (xTo - xFrom) * (i + 0.5) / kSignGrid, y0 + (y1 - y0) * (j + 0.5) / kSignGrid, z};
      add(list, Part::WaterSign, PyramidItem{apex, size, kBlue, Style::Edges});
      add(list, Part::WaterSign, PyramidItem{apex, size, kBlue.withOpacity(signOpacity), Style::Faces});
    }
}

// Node j of the displaced centre line (x, z) and the unit normal of the line
// there, pointing to the excavation side.
struct CentreLine {
  std::vector<Vec3> points;
  std::vector<Vec3> normals;
};

CentreLine deformedCentreLine(const TLine& curve, double factor, const ModelDimensions& m, int nodeCount) {
  CentreLine c;
  for (int j = 0; j <= nodeCount; ++j)
    c.points.push_back(Vec3{deflectionAtNode(curve, j) * factor, 0, -j * m.h});
  for (int j = 0; j <= nodeCount; ++j) {
    Vec3 tangent;
    if (j > 0) tangent = tangent + normalized(c.points[j] - c.points[j - 1]);
    if (j < nodeCount) tangent = tangent + normalized(c.points[j + 1] - c.points[j]);
    tangent = normalized(tangent);
    // Perpendicular in the x-z plane; the tangent points down the wall.
    Vec3 normal{-tangent.z, 0, tangent.x};
    if (length(normal) == 0) normal = kAxisX;
    c.normals.push_back(normalized(normal));
  }
  return c;
}

}  // namespace

void addSoilLayers(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const GridTable& soil = in.tables.NewSoil;
  const double left = -2 * m.d, right = 2 * m.d, wallLeft = -m.t / 2, wallRight = m.t / 2;
  const double y0 = -2 * m.b, y1 = 2 * m.b;
  double top = 0;
  for (int k = 0; k < soil.rowCount(); ++k) {
    const double bottom = soil.real(col::kSoilDepth, k);
    const Rgba color = layerColor(k);
    const Rgba face = color.withOpacity(kSoilFaceOpacity);
    // A slab of the layer between two depths (empty slabs are left out).
    auto slab = [&](double x0, double x1, double from, double to) {
      if (to > from) addBox(list, Part::SoilLayer, {x0, y0, -to}, {x1, y1, -from}, color, face, k);
    };
    const double aboveExcavation = std::min({bottom, m.H, m.L});
    const double belowExcavation = std::max(top, std::min(m.H, m.L));
    const double aboveTip = std::min(bottom, m.L);
    slab(left, wallLeft, top, aboveExcavation);
    slab(left, wallLeft, belowExcavation, aboveTip);
    slab(wallRight, right, belowExcavation, aboveTip);
    slab(left, right, std::max(top, m.L), bottom);
    top = std::max(top, bottom);
  }
}

void addWaterTables(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const double u = modelUnits(in.data.UnitSystem).wall;
  addWaterTable(list, -2 * m.d, 0, in.data.WaterDepthBackfill * u, kBackfillSignOpacity, m);
  addWaterTable(list, 0, 2 * m.d, in.data.WaterDepthExcavation * u, kExcavationSignOpacity, m);
}

void addWall(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const int nodes = in.data.NodeCount;
  const bool deformed = in.deformed.show && in.deflection != nullptr;
  for (int p = 0; p < kPanelCount; ++p) {
    const double yc = panelCentre(m, p), y0 = yc - m.w / 2, y1 = yc + m.w / 2;
    if (!deformed || in.deformed.undeformed) {
      const Vec3 lo{-m.t / 2, y0, -m.L}, hi{m.t / 2, y1, 0};
      if (deformed) {
        add(list, Part::UndeformedWall, BoxItem{lo, hi, kUndeformedEdge, Style::Edges});
      } else {
        addBox(list, Part::Wall, lo, hi, kWallEdge, kWallFace);
        const std::array<Vec3, 4> cap{Vec3{lo.x, y0, 0}, Vec3{hi.x, y0, 0}, Vec3{hi.x, y1, 0}, Vec3{lo.x, y1, 0}};
        add(list, Part::WallCap, PlaneItem{cap, kCapEdge, Style::Edges});
        add(list, Part::WallCap, PlaneItem{cap, kCapFace, Style::Faces});
      }
    }
  }
  if (!deformed) return;
  list.items.reserve(list.items.size() + std::size_t(2) * kPanelCount * (nodes + 1));
  const CentreLine line = deformedCentreLine(*in.deflection, in.deformed.factor, m, nodes);
  const double half = m.t / 2;
  for (int p = 0; p < kPanelCount; ++p) {
    const double yc = panelCentre(m, p), y0 = yc - m.w / 2, y1 = yc + m.w / 2;
    // The section at node j: retained face and excavation face at both ends of the panel.
    auto section = [&](int j, double y) {
      const Vec3 c = line.points[static_cast<size_t>(j)] + Vec3{0, y, 0};
      const Vec3 n = line.normals[static_cast<size_t>(j)] * half;
      return std::pair<Vec3, Vec3>{c - n, c + n};
    };
    for (int i = 1; i <= nodes; ++i) {
      // Bottom face at node i (deeper), top face at node i-1.
      const auto [b0, b1] = section(i, y0);
      const auto [b3, b2] = section(i, y1);
      const auto [t0, t1] = section(i - 1, y0);
      const auto [t3, t2] = section(i - 1, y1);
      addBrick(list, Part::Wall, {b0, b1, b2, b3, t0, t1, t2, t3}, kWallEdge, kWallFace);
    }
    const auto [c0, c1] = section(0, y0);
    const auto [c3, c2] = section(0, y1);
    add(list, Part::WallCap, PlaneItem{{c0, c1, c2, c3}, kCapEdge, Style::Edges});
    add(list, Part::WallCap, PlaneItem{{c0, c1, c2, c3}, kCapFace, Style::Faces});
  }
}

void addSprings(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const GridTable& t = in.tables.SoilStrength;
  for (const NodeRange& range :
       nodeRanges(t, col::kSpringMode, col::kSpringFrom, col::kSpringTo, in.data.NodeCount))
    for (int n = range.from; n <= range.to; ++n) {
      const double z = -n * m.h;
      for (int p = 0; p < kPanelCount; ++p) {
        const double yc = panelCentre(m, p);
        addBox(list, Part::Spring, {-m.d / 2, yc - m.t / 2, z - m.h / 4}, {0, yc + m.t / 2, z + m.h / 4}, kOrange,
               kSpringFace, range.row);
      }
    }
}

void addConcentratedLoads(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const GridTable& t = in.tables.BoundCond;
  const double arrow = 4.0 / 3 * m.w, moment = 4 * m.w;
  for (const NodeRange& range : nodeRanges(t, col::kLoadMode, col::kLoadFrom, col::kLoadTo, in.data.NodeCount))
    for (int n = range.from; n <= range.to; ++n) {
      const double lateral = rangeValue(t, col::kLoadLateral, range, n);
      const double turning = rangeValue(t, col::kLoadMoment, range, n);
      const double axial = rangeValue(t, col::kLoadAxial, range, n);
      const double z = -n * m.h;
      for (int p = 0; p < kPanelCount; ++p) {
        const double yc = panelCentre(m, p);
        if (lateral != 0)
          add(list, Part::Load, ArrowItem{{-sign(lateral) * m.t / 2, yc, z}, kAxisX * sign(lateral), arrow, kRed},
              range.row);
        if (turning != 0)
          add(list, Part::Load, RotationItem{{0, yc, z}, kAxisY, moment, turning > 0 ? 1 : -1, kGreen}, range.row);
        if (axial != 0)
          add(list, Part::Load, ArrowItem{{0, yc, z}, kAxisZ * -sign(axial), arrow, kBlue}, range.row);
      }
    }
}

void addRestraints(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const GridTable& t = in.tables.SoilLayer;
  for (int r = 0; r < t.rowCount(); ++r) {
    const int node = t.integer(col::kRestraintNode, r);
    if (node < 0 || node > in.data.NodeCount) continue;
    const int kind = t.integer(col::kRestraintCase, r);
    const double deflection = t.real(col::kRestraintDeflection, r), slope = t.real(col::kRestraintSlope, r);
    const double z = -node * m.h;
    for (int p = 0; p < kPanelCount; ++p) {
      const double yc = panelCentre(m, p);
      if (kind == kSpecifyDeflection && deflection != 0)
        add(list, Part::Restraint,
            ArrowItem{{-sign(deflection) * m.t / 2, yc, z}, kAxisX * sign(deflection), 2.0 / 3 * m.w, kRed}, r);
      if (kind == kSpecifySlope && slope != 0)
        add(list, Part::Restraint, RotationItem{{0, yc, z}, kAxisY, 2 * m.w, slope > 0 ? 1 : -1, kGreen}, r);
    }
  }
}

void addTiebacks(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const GridTable& t = in.tables.TiebackTable1;
  const double small = modelUnits(in.data.UnitSystem).small;
  for (int r = 0; r < t.rowCount(); ++r) {
    const double depth = t.real(col::kTiebackDepth, r);
    const double rod = std::sqrt(std::max(0.0, t.real(col::kTiebackArea, r))) * small;
    const double unbonded = t.real(col::kTiebackUnbonded, r);
    const double angle = radians(t.real(col::kTiebackAngle, r));
    const double spacing = t.real(col::kTiebackSpacing, r);
    const Vec3 direction{-std::cos(angle), 0, -std::sin(angle)};
    std::vector<double> ys;
    const long copies = spacing > 0 ? std::lround(std::min(10 * m.w / spacing, double(kMaxTiebackCopies))) : 0;
    for (long c = 0; c < copies; ++c) {
      ys.push_back(spacing * (c + 0.5));
      ys.push_back(-spacing * (c + 0.5));
    }
    if (ys.empty()) ys.push_back(0);
    for (double y : ys) {
      const Vec3 start{-m.t / 2, y, -depth};
      addBrick(list, Part::Tieback, rodCorners(start, direction, unbonded, rod), kOrange, kTiebackFace, r);
      addBrick(list, Part::Tieback, rodCorners(start + direction * unbonded, direction, unbonded / 8, 4 * rod),
               kOrange, kTiebackFace, r);
    }
  }
}

void addSurcharges(const SceneInput& in, const ModelDimensions& m, SceneList& list) {
  const GridTable& t = in.tables.SurchargeTable;
  const double small = modelUnits(in.data.UnitSystem).small;
  const double yFirst = -kPanelCount / 2.0 * m.w, yLast = kPanelCount / 2.0 * m.w;
  for (int r = 0; r < t.rowCount(); ++r) {
    const double load = t.real(col::kSurchargeMagnitude, r);
    if (load == 0) continue;
    const double x = -t.real(col::kSurchargeDistance, r) * small;
    const double width = t.real(col::kSurchargeWidth, r) * small;
    // A downward load ends at the ground; an upward one starts there.
    const Vec3 down = kAxisZ * -sign(load);
    auto arrow = [&](double ax, double y, double size, const Rgba& color) {
      const Vec3 tip{ax, y, load > 0 ? 0 : size};
      add(list, Part::Surcharge, ArrowItem{tip, down, size, color}, r);
    };
    switch (t.integer(col::kSurchargeType, r)) {
      case kPointLoad:
        for (int p = 0; p < kPanelCount; ++p) arrow(x, panelCentre(m, p), 4.0 / 3 * m.w, kRed);
        break;
      case kLineLoad:
        for (int p = 0; p <= kPanelCount; ++p) arrow(x, yFirst + p * m.w, m.w, kGreen);
        add(list, Part::Surcharge, LineItem{{x, yFirst, 0}, {x, yLast, 0}, kGreen}, r);
        add(list, Part::Surcharge, LineItem{{x, yFirst, m.w}, {x, yLast, m.w}, kGreen}, r);
        break;
      case kStripLoad: {
        for (int p = 0; p < kPanelCount; ++p)
          for (double ax : {x + width / 2, x, x - width / 2}) arrow(ax, panelCentre(m, p), 2.0 / 3 * m.w, kBlue);
        addBox(list, Part::Surcharge, {x - width / 2, -2 * m.b, 0}, {x + width / 2, 2 * m.b, m.w / 16}, kBlue,
               kBlue.withOpacity(kStripFaceOpacity), r);
        break;
      }
      default: break;
    }
  }
}

Scene buildScene(const SceneInput& in) {
  Scene scene;
  const ModelDimensions m = modelDimensions(in.data, in.tables);
  if (!m.valid()) return scene;
  const DisplayOptions& o = in.options;
  const TProgramData& d = in.data;
  if (d.GeneratePYCurves) {
    if (o.soilLayers) addSoilLayers(in, m, scene.soil);
    if (o.waterLevel) addWaterTables(in, m, scene.soil);
  }
  // Translucent symbol surfaces (the strip-load box above all) blend too.
  scene.wall.blending = true;
  if (o.wall) addWall(in, m, scene.wall);
  if (o.springs && d.ApplySprings) addSprings(in, m, scene.wall);
  if (o.loads && d.ApplyConcentratedLoads) addConcentratedLoads(in, m, scene.wall);
  if (o.boundaryConditions && d.ApplyRestraints) addRestraints(in, m, scene.wall);
  if (o.tiebacks && d.ApplyTiebacks) addTiebacks(in, m, scene.wall);
  if (o.surcharge) addSurcharges(in, m, scene.wall);
  return scene;
}

}  // namespace murena::views
