#include "frontend/views/vector_math.h"

namespace murena::views {

Mat4 Mat4::translation(const Vec3& t) {
  Mat4 r;
  r.at(0, 3) = t.x;
  r.at(1, 3) = t.y;
  r.at(2, 3) = t.z;
  return r;
}

Mat4 Mat4::scaling(double s) {
  Mat4 r;
  r.at(0, 0) = r.at(1, 1) = r.at(2, 2) = s;
  return r;
}

Mat4 Mat4::rotation(double degrees, const Vec3& axis) {
  const Vec3 a = normalized(axis);
  const double c = std::cos(radians(degrees)), s = std::sin(radians(degrees)), k = 1 - c;
  Mat4 r;
  r.at(0, 0) = a.x * a.x * k + c;
  r.at(0, 1) = a.x * a.y * k - a.z * s;
  r.at(0, 2) = a.x * a.z * k + a.y * s;
  r.at(1, 0) = a.y * a.x * k + a.z * s;
  r.at(1, 1) = a.y * a.y * k + c;
  r.at(1, 2) = a.y * a.z * k - a.x * s;
  r.at(2, 0) = a.z * a.x * k - a.y * s;
  r.at(2, 1) = a.z * a.y * k + a.x * s;
  r.at(2, 2) = a.z * a.z * k + c;
  return r;
}

Mat4 Mat4::ortho(double left, double right, double bottom, double top, double nearZ, double farZ) {
  Mat4 r;
  r.at(0, 0) = 2 / (right - left);
  r.at(1, 1) = 2 / (top - bottom);
  r.at(2, 2) = -2 / (farZ - nearZ);
  r.at(0, 3) = -(right + left) / (right - left);
  r.at(1, 3) = -(top + bottom) / (top - bottom);
  r.at(2, 3) = -(farZ + nearZ) / (farZ - nearZ);
  return r;
}

Mat4 Mat4::operator*(const Mat4& o) const {
  Mat4 r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += at(i, k) * o.at(k, j);
      r.at(i, j) = sum;
    }
  return r;
}

Vec3 Mat4::transformPoint(const Vec3& p) const {
  return {at(0, 0) * p.x + at(0, 1) * p.y + at(0, 2) * p.z + at(0, 3),
          at(1, 0) * p.x + at(1, 1) * p.y + at(1, 2) * p.z + at(1, 3),
          at(2, 0) * p.x + at(2, 1) * p.y + at(2, 2) * p.z + at(2, 3)};
}

Vec3 Mat4::transformVector(const Vec3& v) const {
  return {at(0, 0) * v.x + at(0, 1) * v.y + at(0, 2) * v.z, at(1, 0) * v.x + at(1, 1) * v.y + at(1, 2) * v.z,
          at(2, 0) * v.x + at(2, 1) * v.y + at(2, 2) * v.z};
}

Mat4 Mat4::transposed() const {
  Mat4 r;
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j) r.at(i, j) = at(j, i);
  return r;
}

}  // namespace murena::views
