// Ships in side view: a wooden ship of the line, an iron warship, a steam drifter and a
// sailing barge, afloat with their reflections or dry on the stocks, the hard or a dock floor.
#pragma once

#include "tools/mkedition/scenes/camera.h"

struct SceneContext;

enum class ShipKind { ShipOfTheLine, Ironclad, Drifter, SailingBarge };

struct ShipPlacing {
    Vec3 at;             // the middle of the waterline, or of the keel when dry
    double length = 50;  // metres
    bool facingRight = true;
    bool afloat = true;     // dry: the whole hull shows, keel on at.y
    bool sailsSet = false;  // barges: the red sails spread, else brailed up to the mast
    double heel = 0;        // radians, a hull on the stocks leans down towards the water
};

void PaintShip(SceneContext& scene, const Camera& camera, ShipKind kind,
               const ShipPlacing& placing);
