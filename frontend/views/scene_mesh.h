#pragma once
// The items of a display list turned into coloured triangles and line
// segments, in the order they are drawn: what the OpenGL layer emits between
// glBegin and glEnd.  Faces are wound counter-clockwise seen from outside,
// so back-face culling leaves the far sides out; planes are two-sided.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frontend/views/scene_model.h"

namespace murena::views {

// A position and a colour of 8 bits a channel (opacity 0.5 is 128).
struct MeshVertex {
  float x, y, z;
  std::uint8_t r, g, b, a;
};
std::uint8_t colourByte(double channel);

enum class MeshMode { Triangles, Lines };

// Consecutive primitives of one kind.  The faces of the soil blocks are
// drawn without writing depth, so that the water tables and the wall inside
// and behind them show through.
struct MeshBatch {
  MeshMode mode = MeshMode::Triangles;
  bool depthWrite = true;
  std::vector<MeshVertex> vertices;
};

struct Mesh {
  std::vector<MeshBatch> batches;
  std::size_t triangleCount() const;
  std::size_t lineCount() const;
};

// Segments around the circles of arrows and rotation symbols.
inline constexpr int kArrowSegments = 40;

// The items in three passes: edges and lines first, then the other faces and
// symbols, the soil blocks' faces last (they enclose the rest), each pass in
// the list's order and given as a batch of lines and a batch of triangles.
Mesh buildMesh(const SceneList& list);

}  // namespace murena::views
