#include "tools/mkedition/scenes/crowd.h"

#include <algorithm>

#include "tools/mkedition/scenes/figures.h"
#include "tools/mkedition/scenes/scenecontext.h"

void PaintCrowd(SceneContext& scene, const Camera& camera, SceneRandom& random,
                std::vector<Vec3> feet) {
    std::sort(feet.begin(), feet.end(), [](const Vec3& a, const Vec3& b) { return a.z > b.z; });
    for (const Vec3& foot : feet)
        PaintPerson(scene, random, camera.Project(foot),
                    camera.Scale(foot.x, foot.z) * random.Range(1.6, 1.85),
                    DistanceDepth(scene.mood, foot.z));
}
