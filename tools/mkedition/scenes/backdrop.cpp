#include "tools/mkedition/scenes/backdrop.h"

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/sky.h"
#include "tools/mkedition/scenes/terrain.h"
#include "tools/mkedition/scenes/trees.h"
#include "tools/mkedition/scenes/water.h"

void PaintSkyline(SceneContext& scene, double horizonY, double hillHeight) {
    PaintSky(scene, horizonY);
    PaintDistantHills(scene, horizonY, hillHeight * scene.u, 1);
}

void PaintBackdrop(SceneContext& scene, double horizonY, const BackdropStyle& style) {
    PaintSky(scene, horizonY);
    SceneRandom random = scene.random.Fork(0xbacd);
    double landTop = horizonY;
    if (style.sea) {
        // A headland closes one side of the bay; the open sea fills the other.
        landTop = horizonY + random.Range(6, 16) * scene.u;
        PaintSea(scene, horizonY, landTop + 2);
        Ridge headland(random, landTop, random.Range(14, 34) * scene.u, scene.w * 0.7, 0.4);
        if (random.Chance(0.5))
            headland.Taper(scene.w * 0.1, scene.w * random.Range(0.35, 0.5));
        else
            headland.Taper(scene.w * 0.9, scene.w * random.Range(0.5, 0.65));
        PaintHillLayer(scene, headland, 0.55, scene.mood.grass, landTop + 4 * scene.u);
    } else {
        PaintDistantHills(scene, horizonY, style.hillHeight * scene.u, random.Int(1, 3));
    }
    PaintMeadow(scene, landTop, scene.h);
    if (style.woods) {
        PaintTreeBelt(scene, landTop + 3 * scene.u, random.Range(-40, 0) * scene.u,
                      random.Range(0.2, 0.45) * scene.w, 18 * scene.u, 0.7);
        PaintTreeBelt(scene, landTop + 3 * scene.u, random.Range(0.6, 0.8) * scene.w,
                      scene.w + 20 * scene.u, 16 * scene.u, 0.7);
    }
}
