// A historic town: a street of old houses, shop fronts and passers-by, a tower at its end.
#include <algorithm>
#include <vector>

#include "tools/mkedition/scenes/backdrop.h"
#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/street.h"
#include "tools/mkedition/scenes/subjects/subjects.h"

void PaintTownStreet(SceneContext& scene) {
    SceneRandom random = scene.random.Fork(0x7013);
    const double horizon = scene.h * random.Range(0.42, 0.5);
    const Camera camera(scene.w, horizon, scene.FieldOfView(1.05), 1.6, random.Jitter(0.1));
    PaintSkyline(scene, horizon, 25);
    StreetPlan plan;
    plan.width = random.Range(9, 15);
    plan.length = random.Range(70, 130);
    plan.cobbles = scene.year < 1900 || random.Chance(0.5);
    PaintStreet(scene, camera, plan);

    const int people = random.Int(6, 16);
    std::vector<Vec3> feet;
    for (int i = 0; i < people; ++i) {
        const double side = random.Chance(0.5) ? -1 : 1;
        feet.push_back({side * (plan.width / 2 - random.Range(0.5, 2.0)), 0, random.Range(3, 45)});
    }
    std::sort(feet.begin(), feet.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : feet)
        PaintPerson(scene, random, camera.Project(foot),
                    camera.Scale(foot.x, foot.z) * random.Range(1.6, 1.85),
                    DistanceDepth(scene.mood, foot.z));
}
