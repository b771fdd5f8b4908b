#pragma once
// The 3D model as data: what each display list of the view holds, item by
// item, with colours and opacities.  The scene builder fills it from the
// project; the mesh builder turns it into triangles and lines; the OpenGL
// layer compiles those into its display lists.
//
// Model coordinates: x across the wall (retained side negative), y along the
// wall, z up; the top of the wall is z = 0.
#include <array>
#include <variant>
#include <vector>

#include "frontend/views/vector_math.h"
#include "frontend/views/view_colors.h"

namespace murena::views {

// A solid is drawn as its edges (lines) or its faces (filled polygons); the
// soil blocks and most symbols are given twice, edges first.
enum class Style { Edges, Faces };

// An axis-aligned box.
struct BoxItem {
  Vec3 min, max;
  Rgba color;
  Style style = Style::Faces;
};
// A hexahedron with arbitrary corners: bottom face 0-3 and top face 4-7, each
// counter-clockwise seen from outside below and above (corner i+4 above i).
struct BrickItem {
  std::array<Vec3, 8> corners;
  Rgba color;
  Style style = Style::Faces;
};
// A flat quadrilateral, visible from both sides.
struct PlaneItem {
  std::array<Vec3, 4> corners;
  Rgba color;
  Style style = Style::Faces;
};
// An arrow whose tip lies at `tip`, pointing along `direction` (a unit
// vector), `size` long: a round shaft 3/4 of the size long and size/8 in
// radius, a cone head size/4 long and 3/8 of the size in radius.  Rims in
// the colour, surfaces at the symbol opacity.
struct ArrowItem {
  Vec3 tip;
  Vec3 direction;
  double size = 0;
  Rgba color;
};
// A half-torus arrow about `axis` through `centre` with a cone head whose
// sense follows the right-hand rule (`sense` +1) or opposes it (-1).
struct RotationItem {
  Vec3 centre;
  Vec3 axis;
  double size = 0;
  int sense = 1;
  Rgba color;
};
// A square pyramid standing on its apex (the water-table sign): apex at
// `apex`, base `size` wide and `size` above it.
struct PyramidItem {
  Vec3 apex;
  double size = 0;
  Rgba color;
  Style style = Style::Faces;
};
struct LineItem {
  Vec3 from, to;
  Rgba color;
};

using SceneItem = std::variant<BoxItem, BrickItem, PlaneItem, ArrowItem, RotationItem, PyramidItem, LineItem>;

// What the items of a list are: the soil and water blocks, the wall panels,
// a symbol kind.  Tests and the mesh statistics look items up by it.
enum class Part {
  SoilLayer,
  WaterTable,
  WaterSign,
  Wall,
  WallCap,
  UndeformedWall,
  Spring,
  Load,
  Restraint,
  Tieback,
  Surcharge,
};

struct TaggedItem {
  Part part;
  SceneItem item;
  int row = -1;  // the table row the item stands for, where there is one
};

// One display list: its number, whether it is drawn with blending, its items.
struct SceneList {
  int number = 0;
  bool blending = false;
  std::vector<TaggedItem> items;

  template <class T>
  std::vector<T> itemsOf(Part part) const {
    std::vector<T> out;
    for (const TaggedItem& t : items)
      if (t.part == part)
        if (const T* item = std::get_if<T>(&t.item)) out.push_back(*item);
    return out;
  }
  int count(Part part) const {
    int n = 0;
    for (const TaggedItem& t : items) n += t.part == part ? 1 : 0;
    return n;
  }
};

// The display lists of the view: 1 (loading, empty), 2 (wall and symbols),
// 5 (soil layers and water tables).  A frame calls lists 1 to 6 in order.
struct Scene {
  SceneList loading{1, false, {}};
  SceneList wall{2, false, {}};
  SceneList soil{5, true, {}};
};

}  // namespace murena::views
