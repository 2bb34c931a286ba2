// Buildings as solids seen through the camera: walls, roofs, towers, domes, each face lit by
// where it points and hazed by its distance. Details (windows, doors) are drawn in the face's
// own flat coordinates and land on the face in perspective.
#pragma once

#include <QColor>
#include <functional>
#include <vector>

#include "tools/mkedition/scenes/camera.h"

class QImage;
class QPainter;
class QPainterPath;
struct Mood;
struct SceneContext;

enum class Masonry { Smooth, Ashlar, Rubble, Brick, Slate };

struct Material {
    QColor colour;
    Masonry masonry = Masonry::Smooth;
};

// Face coordinates: x along the face from its left end as seen from outside, y up from its
// foot, both in metres; width and height are the face's extent.
using FaceDetail = std::function<void(QPainter& painter, double width, double height)>;

// A flat polygon in the world (vertices anticlockwise seen from outside, starting at the
// bottom-left). Painted only when it faces the eye; returns whether it did.
bool PaintPlane(SceneContext& scene, const Camera& camera, const std::vector<Vec3>& polygon,
                const Material& material, const FaceDetail& detail = {});

struct Box {
    double x = 0, z = 0;  // left front corner on the ground
    double width = 10, depth = 10, height = 10;
    double base = 0;  // height of its foot above the ground
};

struct BoxFaces {
    FaceDetail front, back, left, right, top;
};

void PaintBox(SceneContext& scene, const Camera& camera, const Box& box, const Material& material,
              const BoxFaces& faces = {});

enum class Roof {
    Gable,       // ridge from left to right: the long slope faces the viewer
    GableEndOn,  // ridge running away: the gable triangle faces the viewer
    Hip,
    Pyramid,
};

struct RoofDesign {
    Roof kind = Roof::Gable;
    double rise = 3;
    Material covering;
    Material gable;  // the walling of gable ends
    double overhang = 0.3;
    FaceDetail gableDetail = {};
};

// A roof sitting on the box's top.
void PaintRoof(SceneContext& scene, const Camera& camera, const Box& box, const RoofDesign& roof);
// Merlons and embrasures round the top of a box.
void PaintBattlements(SceneContext& scene, const Camera& camera, const Box& box,
                      const Material& material, double merlon);

struct Round {
    double x = 0, z = 0;  // centre on the ground
    double radius = 3;
};

void PaintCylinder(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
                   double top, const Material& material);
// A tapering round tower: the radius shrinks to topRadius at the top.
void PaintFrustum(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
                  double top, double topRadius, const Material& material);
// A cone or spire from a circle at bottom up to apex height.
void PaintCone(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
               double apex, const Material& material);
void PaintDome(SceneContext& scene, const Camera& camera, const Round& round, double bottom,
               double rise, const Material& material);
// Merlons round the top of a cylinder.
void PaintRoundBattlements(SceneContext& scene, const Camera& camera, const Round& round,
                           double top, const Material& material, double merlon);
// A detail drawn on a vertical rectangle standing between two points, without a face of its
// own behind it: a train on a viaduct, a window on a tower.
void PaintDecal(SceneContext& scene, const Camera& camera, Vec3 bottomLeft, Vec3 bottomRight,
                double height, const FaceDetail& detail);
// A flat detail (window, door) on a cylinder's surface facing angle (radians, 0 = towards the
// viewer), its foot at y.
void PaintOnCylinder(SceneContext& scene, const Camera& camera, const Round& round, double angle,
                     double y, double width, double height, const FaceDetail& detail);

// Inside a face detail: shows what was behind the face (a snapshot of the canvas taken
// before the face was painted) through an opening, so arches and ruined windows are open.
void PaintThrough(QPainter& painter, const QPainterPath& opening, const QImage& behind);

// A unit vector pointing towards the sun.
Vec3 SunDirection(const Mood& mood);
// The colour of a surface with this outward normal under the picture's light.
QColor LightFace(const SceneContext& scene, const QColor& base, Vec3 normal);
// Haze depth 0..1 of a world point for the camera.
double HazeAt(const SceneContext& scene, const Camera& camera, Vec3 point);
