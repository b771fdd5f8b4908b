#include "frontend/views/scene_mesh.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace murena::views {

namespace {

// Segments of the half-torus along its arc and around its tube.
constexpr int kTorusArcSegments = 24;
constexpr int kTorusTubeSegments = 12;

// Collects the lines and triangles of one pass; flush() hands them to the
// mesh as one batch of lines and one of triangles.
class MeshWriter {
 public:
  explicit MeshWriter(Mesh& mesh) : mesh_(mesh) {}

  void line(const Vec3& a, const Vec3& b, const Rgba& c) {
    lines_.push_back(vertex(a, c));
    lines_.push_back(vertex(b, c));
  }
  // A triangle wound so that its normal points away from `inside`.
  void triangle(const Vec3& a, const Vec3& b, const Vec3& c, const Rgba& color, const Vec3& inside) {
    const Vec3 normal = cross(b - a, c - a);
    const Vec3 centre = (a + b + c) / 3;
    if (dot(normal, centre - inside) < 0)
      raw(a, c, b, color);
    else
      raw(a, b, c, color);
  }
  void raw(const Vec3& a, const Vec3& b, const Vec3& c, const Rgba& color) {
    triangles_.push_back(vertex(a, color));
    triangles_.push_back(vertex(b, color));
    triangles_.push_back(vertex(c, color));
  }
  void quad(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d, const Rgba& color, const Vec3& inside) {
    triangle(a, b, c, color, inside);
    triangle(a, c, d, color, inside);
  }
  void reserve(std::size_t lines, std::size_t triangles) {
    lines_.reserve(lines);
    triangles_.reserve(triangles);
  }
  // Lines before faces, as the edges of a solid come before its faces.
  void flush(bool depthWrite) {
    if (!lines_.empty()) mesh_.batches.push_back(MeshBatch{MeshMode::Lines, depthWrite, std::move(lines_)});
    if (!triangles_.empty())
      mesh_.batches.push_back(MeshBatch{MeshMode::Triangles, depthWrite, std::move(triangles_)});
    lines_ = {};
    triangles_ = {};
  }

 private:
  MeshVertex vertex(const Vec3& p, const Rgba& c) {
    // Solids come in one colour: convert it once.
    if (!(c == colour_)) {
      colour_ = c;
      bytes_ = {colourByte(c.r), colourByte(c.g), colourByte(c.b), colourByte(c.a)};
    }
    return {float(p.x), float(p.y), float(p.z), bytes_[0], bytes_[1], bytes_[2], bytes_[3]};
  }
  Mesh& mesh_;
  Rgba colour_{-1, -1, -1, -1};
  std::array<std::uint8_t, 4> bytes_{};
  std::vector<MeshVertex> lines_, triangles_;
};

using Corners = std::array<Vec3, 8>;

Corners boxCorners(const Vec3& lo, const Vec3& hi) {
  return {Vec3{lo.x, lo.y, lo.z}, Vec3{hi.x, lo.y, lo.z}, Vec3{hi.x, hi.y, lo.z}, Vec3{lo.x, hi.y, lo.z},
          Vec3{lo.x, lo.y, hi.z}, Vec3{hi.x, lo.y, hi.z}, Vec3{hi.x, hi.y, hi.z}, Vec3{lo.x, hi.y, hi.z}};
}

void hexahedron(MeshWriter& w, const Corners& c, const Rgba& color, Style style) {
  if (style == Style::Edges) {
    for (int i = 0; i < 4; ++i) {
      w.line(c[i], c[(i + 1) % 4], color);
      w.line(c[i + 4], c[(i + 1) % 4 + 4], color);
      w.line(c[i], c[i + 4], color);
    }
    return;
  }
  Vec3 centre;
  for (const Vec3& p : c) centre = centre + p;
  centre = centre / 8;
  w.quad(c[0], c[1], c[2], c[3], color, centre);
  w.quad(c[4], c[5], c[6], c[7], color, centre);
  for (int i = 0; i < 4; ++i) {
    const int j = (i + 1) % 4;
    w.quad(c[i], c[j], c[j + 4], c[i + 4], color, centre);
  }
}

void plane(MeshWriter& w, const std::array<Vec3, 4>& c, const Rgba& color, Style style) {
  if (style == Style::Edges) {
    for (int i = 0; i < 4; ++i) w.line(c[i], c[(i + 1) % 4], color);
    return;
  }
  w.raw(c[0], c[1], c[2], color);
  w.raw(c[0], c[2], c[3], color);
  w.raw(c[0], c[2], c[1], color);
  w.raw(c[0], c[3], c[2], color);
}

void pyramid(MeshWriter& w, const PyramidItem& p, const Rgba& color, Style style) {
  const double s = p.size / 2;
  const double z = p.apex.z + p.size;
  const std::array<Vec3, 4> base{Vec3{p.apex.x - s, p.apex.y - s, z}, Vec3{p.apex.x + s, p.apex.y - s, z},
                                 Vec3{p.apex.x + s, p.apex.y + s, z}, Vec3{p.apex.x - s, p.apex.y + s, z}};
  if (style == Style::Edges) {
    for (int i = 0; i < 4; ++i) {
      w.line(base[i], base[(i + 1) % 4], color);
      w.line(base[i], p.apex, color);
    }
    return;
  }
  const Vec3 inside{p.apex.x, p.apex.y, p.apex.z + p.size * 0.6};
  w.quad(base[0], base[1], base[2], base[3], color, inside);
  for (int i = 0; i < 4; ++i) w.triangle(base[i], base[(i + 1) % 4], p.apex, color, inside);
}

// Two unit vectors perpendicular to `axis` and to each other.
void frame(const Vec3& axis, Vec3& u, Vec3& v) {
  const Vec3 a = normalized(axis);
  const Vec3 helper = std::abs(a.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
  u = normalized(cross(helper, a));
  v = cross(a, u);
}

// Cosine and sine of the arrows' circle points, computed once.
struct UnitCircle {
  std::array<double, kArrowSegments + 1> c, s;
  UnitCircle() {
    for (int i = 0; i <= kArrowSegments; ++i) {
      c[i] = std::cos(2 * kPi * i / kArrowSegments);
      s[i] = std::sin(2 * kPi * i / kArrowSegments);
    }
  }
};
const UnitCircle kCircle;

Vec3 onCircle(const Vec3& centre, const Vec3& u, const Vec3& v, double radius, int i, int segments) {
  if (segments == kArrowSegments) return centre + u * (radius * kCircle.c[i]) + v * (radius * kCircle.s[i]);
  const double a = 2 * kPi * i / segments;
  return centre + u * (radius * std::cos(a)) + v * (radius * std::sin(a));
}

// A cone from a base circle to an apex, with its base disc and rim.
void cone(MeshWriter& w, const Vec3& base, const Vec3& apex, double radius, const Rgba& color, int segments) {
  Vec3 u, v;
  frame(apex - base, u, v);
  const Rgba surface = color.withOpacity(kSymbolSurfaceOpacity);
  const Vec3 inside = base + (apex - base) * 0.25;
  for (int i = 0; i < segments; ++i) {
    const Vec3 p0 = onCircle(base, u, v, radius, i, segments), p1 = onCircle(base, u, v, radius, i + 1, segments);
    w.triangle(p0, p1, apex, surface, inside);
    w.triangle(p0, p1, base, surface, apex);
  }
  for (int i = 0; i < segments; ++i)
    w.line(onCircle(base, u, v, radius, i, segments), onCircle(base, u, v, radius, i + 1, segments), color);
}

// A closed cylinder with rims at both ends.
void cylinder(MeshWriter& w, const Vec3& from, const Vec3& to, double radius, const Rgba& color, int segments) {
  Vec3 u, v;
  frame(to - from, u, v);
  const Rgba surface = color.withOpacity(kSymbolSurfaceOpacity);
  const Vec3 middle = (from + to) / 2;
  for (int i = 0; i < segments; ++i) {
    const Vec3 a0 = onCircle(from, u, v, radius, i, segments), a1 = onCircle(from, u, v, radius, i + 1, segments);
    const Vec3 b0 = onCircle(to, u, v, radius, i, segments), b1 = onCircle(to, u, v, radius, i + 1, segments);
    w.quad(a0, a1, b1, b0, surface, middle);
    w.triangle(a0, a1, from, surface, middle);
    w.triangle(b0, b1, to, surface, middle);
  }
  for (int i = 0; i < segments; ++i) {
    w.line(onCircle(from, u, v, radius, i, segments), onCircle(from, u, v, radius, i + 1, segments), color);
    w.line(onCircle(to, u, v, radius, i, segments), onCircle(to, u, v, radius, i + 1, segments), color);
  }
}

void arrow(MeshWriter& w, const ArrowItem& a) {
  const Vec3 d = normalized(a.direction);
  const Vec3 tail = a.tip - d * a.size;
  const Vec3 neck = a.tip - d * (a.size / 4);
  cylinder(w, tail, neck, a.size / 8, a.color, kArrowSegments);
  cone(w, neck, a.tip, 3 * a.size / 8, a.color, kArrowSegments);
}

// Half a torus about the axis, from -90 to +90 degrees measured from the
// frame's first direction, with a cone head at the end the sense turns to.
void rotation(MeshWriter& w, const RotationItem& r) {
  const Vec3 axis = normalized(r.axis);
  // The arc stands over the centre: it starts on one side, passes above and
  // ends on the other (for a horizontal axis).
  const Vec3 up = std::abs(axis.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
  const Vec3 u = normalized(up - axis * dot(up, axis));
  const Vec3 v = cross(axis, u);
  const double R = r.size / 4, tube = r.size / 40;
  const Rgba surface = r.color.withOpacity(kSymbolSurfaceOpacity);
  auto arcPoint = [&](double phi) { return r.centre + u * (R * std::cos(phi)) + v * (R * std::sin(phi)); };
  auto arcTangent = [&](double phi) { return normalized(u * -std::sin(phi) + v * std::cos(phi)); };
  const double start = -kPi / 2, end = kPi / 2;
  for (int i = 0; i < kTorusArcSegments; ++i) {
    const double p0 = start + (end - start) * i / kTorusArcSegments;
    const double p1 = start + (end - start) * (i + 1) / kTorusArcSegments;
    const Vec3 c0 = arcPoint(p0), c1 = arcPoint(p1);
    const Vec3 n0 = normalized(c0 - r.centre), n1 = normalized(c1 - r.centre);
    for (int j = 0; j < kTorusTubeSegments; ++j) {
      const double a0 = 2 * kPi * j / kTorusTubeSegments, a1 = 2 * kPi * (j + 1) / kTorusTubeSegments;
      auto ring = [&](const Vec3& c, const Vec3& n, double a) {
        return c + n * (tube * std::cos(a)) + axis * (tube * std::sin(a));
      };
      w.quad(ring(c0, n0, a0), ring(c0, n0, a1), ring(c1, n1, a1), ring(c1, n1, a0), surface, (c0 + c1) / 2);
    }
    w.line(c0, c1, r.color);
  }
  // The head continues the arc at the end the sense points to.
  const double at = r.sense >= 0 ? end : start;
  const Vec3 direction = arcTangent(at) * (r.sense >= 0 ? 1.0 : -1.0);
  const Vec3 base = arcPoint(at);
  cone(w, base, base + direction * (r.size / 8), r.size / 16, r.color, kArrowSegments);
}

}  // namespace

std::uint8_t colourByte(double channel) {
  return static_cast<std::uint8_t>(std::clamp(channel, 0.0, 1.0) * 255 + 0.5);
}

std::size_t Mesh::triangleCount() const {
  std::size_t n = 0;
  for (const MeshBatch& b : batches)
    if (b.mode == MeshMode::Triangles) n += b.vertices.size() / 3;
  return n;
}

std::size_t Mesh::lineCount() const {
  std::size_t n = 0;
  for (const MeshBatch& b : batches)
    if (b.mode == MeshMode::Lines) n += b.vertices.size() / 2;
  return n;
}

namespace {

// Edges and lines first, the soil blocks' faces last.
int pass(const TaggedItem& tagged) {
  const bool edges = std::visit(
      [](const auto& item) {
        using T = std::decay_t<decltype(item)>;
        if constexpr (std::is_same_v<T, LineItem>) return true;
        else if constexpr (requires { item.style; }) return item.style == Style::Edges;
        else return false;
      },
      tagged.item);
  if (edges) return 0;
  return tagged.part == Part::SoilLayer ? 2 : 1;
}

// About how many line and triangle vertices an item makes.
std::pair<std::size_t, std::size_t> vertexEstimate(const SceneItem& item) {
  return std::visit(
      [](const auto& i) -> std::pair<std::size_t, std::size_t> {
        using T = std::decay_t<decltype(i)>;
        if constexpr (std::is_same_v<T, ArrowItem>) return {6 * kArrowSegments, 18 * kArrowSegments};
        else if constexpr (std::is_same_v<T, RotationItem>) return {2 * kArrowSegments + 64, 2000};
        else if constexpr (std::is_same_v<T, LineItem>) return {2, 0};
        else if (i.style == Style::Edges) return {24, 0};
        else return {0, 36};
      },
      item);
}

}  // namespace

Mesh buildMesh(const SceneList& list) {
  Mesh mesh;
  MeshWriter w(mesh);
  for (int p = 0; p < 3; ++p) {
    std::size_t lines = 0, triangles = 0;
    for (const TaggedItem& tagged : list.items)
      if (pass(tagged) == p) {
        const auto [l, t] = vertexEstimate(tagged.item);
        lines += l;
        triangles += t;
      }
    w.reserve(lines, triangles);
    for (const TaggedItem& tagged : list.items) {
      if (pass(tagged) != p) continue;
      std::visit(
          [&](const auto& item) {
            using T = std::decay_t<decltype(item)>;
            if constexpr (std::is_same_v<T, BoxItem>) {
              hexahedron(w, boxCorners(item.min, item.max), item.color, item.style);
            } else if constexpr (std::is_same_v<T, BrickItem>) {
              hexahedron(w, item.corners, item.color, item.style);
            } else if constexpr (std::is_same_v<T, PlaneItem>) {
              plane(w, item.corners, item.color, item.style);
            } else if constexpr (std::is_same_v<T, ArrowItem>) {
              arrow(w, item);
            } else if constexpr (std::is_same_v<T, RotationItem>) {
              rotation(w, item);
            } else if constexpr (std::is_same_v<T, PyramidItem>) {
              pyramid(w, item, item.color, item.style);
            } else if constexpr (std::is_same_v<T, LineItem>) {
              w.line(item.from, item.to, item.color);
            }
          },
          tagged.item);
    }
    w.flush(p < 2);
  }
  return mesh;
}

}  // namespace murena::views
