// A pinhole camera over a flat world, so that buildings, roads and rows of trees share one
// perspective. World metres: x to the right, y up, z away from the viewer.
#pragma once

#include <QPointF>
#include <algorithm>
#include <cmath>

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Vec3 Normalised(Vec3 a) {
    const double length = std::sqrt(Dot(a, a));
    return length > 0 ? a * (1.0 / length) : a;
}

class Camera {
  public:
    // The eye stands at (0, eyeHeight, 0) looking level along z, turned by yaw (radians,
    // positive to the right); horizonY is the screen row of eye level.
    Camera(double width, double horizonY, double fieldOfView, double eyeHeight, double yaw)
        : centreX_(width / 2),
          horizonY_(horizonY),
          focal_(width / (2 * std::tan(fieldOfView / 2))),
          eyeHeight_(eyeHeight),
          cosYaw_(std::cos(yaw)),
          sinYaw_(std::sin(yaw)) {}

    // Distance along the line of sight; points behind the eye are pushed just in front.
    double Depth(double x, double z) const { return std::max(0.05, sinYaw_ * x + cosYaw_ * z); }

    QPointF Project(Vec3 p) const {
        const double side = cosYaw_ * p.x - sinYaw_ * p.z;
        const double depth = Depth(p.x, p.z);
        return QPointF(centreX_ + focal_ * side / depth,
                       horizonY_ - focal_ * (p.y - eyeHeight_) / depth);
    }
    QPointF Project(double x, double y, double z) const { return Project(Vec3{x, y, z}); }

    // Pixels per metre of something standing at (x, z).
    double Scale(double x, double z) const { return focal_ / Depth(x, z); }
    // The world point on the ground seen at screen column sx, depth along the view.
    Vec3 GroundAt(double screenX, double depth) const {
        const double side = (screenX - centreX_) * depth / focal_;
        return {cosYaw_ * side + sinYaw_ * depth, 0, -sinYaw_ * side + cosYaw_ * depth};
    }
    // The x range of the world at distance z a little wider than the view: long walls and
    // roads need reach no further (shapes far off the canvas are slow to fill).
    double LeftAt(double z) const { return XAt(-0.25 * 2 * centreX_, z) - 2; }
    double RightAt(double z) const { return XAt(1.25 * 2 * centreX_, z) + 2; }
    // Where the line of sight through screen column screenX crosses distance z: to place a
    // subject at a chosen spot in the picture.
    double XAt(double screenX, double z) const {
        const double side = (screenX - centreX_) / focal_;
        const double dx = cosYaw_ * side + sinYaw_, dz = cosYaw_ - sinYaw_ * side;
        return dz > 0.2 ? z * dx / dz : z * dx / 0.2;
    }
    double Focal() const { return focal_; }
    // How far off something height metres tall must stand for its top to show at screen row
    // topY (above the horizon).
    double DistanceToFit(double height, double topY) const {
        return focal_ * std::max(0.1, height - eyeHeight_) / std::max(1.0, horizonY_ - topY);
    }
    double HorizonY() const { return horizonY_; }
    Vec3 Eye() const { return {0, eyeHeight_, 0}; }

  private:
    double centreX_, horizonY_, focal_, eyeHeight_, cosYaw_, sinYaw_;
};
