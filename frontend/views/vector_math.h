#pragma once
// Small 3D vector and 4x4 matrix arithmetic for the 3D view: the view
// transform that the OpenGL layer loads and the projections the tests and
// the label painter compute must be one and the same.
#include <array>
#include <cmath>

namespace murena::views {

struct Vec3 {
  double x = 0, y = 0, z = 0;
  bool operator==(const Vec3&) const = default;
  Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
  Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
  Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
  Vec3 operator/(double s) const { return {x / s, y / s, z / s}; }
  Vec3 operator-() const { return {-x, -y, -z}; }
};

inline double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(const Vec3& a, const Vec3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3& v) { return std::sqrt(dot(v, v)); }
// The unit vector of v; v itself when it has no length.
inline Vec3 normalized(const Vec3& v) {
  const double n = length(v);
  return n > 0 ? v / n : v;
}

// Column-major like OpenGL: element (row r, column c) is m[c * 4 + r].
struct Mat4 {
  std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

  double at(int r, int c) const { return m[static_cast<size_t>(c * 4 + r)]; }
  double& at(int r, int c) { return m[static_cast<size_t>(c * 4 + r)]; }

  static Mat4 identity() { return {}; }
  static Mat4 translation(const Vec3& t);
  static Mat4 scaling(double s);
  // Turns by `degrees` about an axis through the origin (right-hand rule),
  // as glRotated does.
  static Mat4 rotation(double degrees, const Vec3& axis);
  // glOrtho's matrix.
  static Mat4 ortho(double left, double right, double bottom, double top, double nearZ, double farZ);

  Mat4 operator*(const Mat4& o) const;
  Vec3 transformPoint(const Vec3& p) const;
  Vec3 transformVector(const Vec3& v) const;  // without the translation
  Mat4 transposed() const;
};

constexpr double kPi = 3.14159265358979323846;
inline double radians(double degrees) { return degrees * kPi / 180.0; }

}  // namespace murena::views
