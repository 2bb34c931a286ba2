// A room seen from one end: floor, walls, ceiling and the far wall as planes through the
// camera, lit from windows down one side, for the painters of interiors.
#pragma once

#include <QRectF>

#include "tools/mkedition/scenes/camera.h"
#include "tools/mkedition/scenes/scenerandom.h"
#include "tools/mkedition/scenes/solids.h"

struct SceneContext;

struct Room {
    double x0 = -5, x1 = 5;  // the side walls
    double height = 6;
    double zNear = 1, zFar = 30;
    Material walls, floor, ceiling, farWall;
    // Details drawn on each face in its own coordinates (metres): the side walls' x runs from
    // the near end (left wall) or the far end (right wall); the floor's y runs away from the
    // viewer, the ceiling's towards.
    FaceDetail left, right, floorDetail, ceilingDetail, farDetail;
};

void PaintRoom(SceneContext& scene, const Camera& camera, const Room& room);

// Tall windows along a side wall, bright with the sky outside; every bays metres.
FaceDetail WindowsAlongWall(const SceneContext& scene, double sill, double height, double bays,
                            bool arched);
// Pools of window light on the floor beside the wall the light comes through.
FaceDetail WindowLightOnFloor(const SceneContext& scene, const Room& room, double bays,
                              bool fromLeft);
// Boards or flags across a floor, in perspective through the face's transform.
FaceDetail FloorPattern(const QColor& colour, double plank, bool flags);
// A framed picture, its own little landscape or portrait, for a wall.
void PaintFramedPicture(QPainter& p, SceneRandom& random, const QRectF& r, const QColor& frame);
