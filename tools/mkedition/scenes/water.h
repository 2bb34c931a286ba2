// Sea, lakes and rivers: colour from the sky, waves in perspective, the sun's glitter, and
// reflections of whatever stands above the water.
#pragma once

#include <QPainterPath>
#include <QRectF>

class Camera;
struct SceneContext;

// Open sea from the horizon down to bottomY, waves growing towards the viewer.
void PaintSea(SceneContext& scene, double horizonY, double bottomY);
// Still or slow water filling area (lake, river, harbour basin) whose far edge is farY.
void PaintStillWater(SceneContext& scene, const QPainterPath& area, double farY, double bottomY);
// Mirrors the picture above waterlineY into area, rippled and tinted; strength 0..1.
void ReflectInto(SceneContext& scene, const QPainterPath& area, double waterlineY, double strength);
// A sheet of still water on the ground between nearZ and farZ, across x0..x1, mirroring what
// stands behind its far edge: a moat, or a lake before a house.
void PaintMirrorWater(SceneContext& scene, const Camera& camera, double x0, double x1, double nearZ,
                      double farZ);
// Broken white lines of surf along a shore running from left to right.
void PaintSurf(SceneContext& scene, const QPainterPath& shoreline, double width);
