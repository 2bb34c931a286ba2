#include "tools/mkedition/scenes/groundplane.h"

#include <algorithm>

void PaintGroundPlane(SceneContext& scene, const Camera& camera, double x0, double x1, double z0,
                      double z1, double y, const Material& material, const FaceDetail& detail) {
    // Move the near edge out until some of the strip is in view there.
    auto left = [&](double z) { return std::max(x0, camera.LeftAt(z)); };
    auto right = [&](double z) { return std::min(x1, camera.RightAt(z)); };
    while (z0 < z1 && (left(z0) >= right(z0) || camera.Depth(left(z0), z0) < 0.5 ||
                       camera.Depth(right(z0), z0) < 0.5))
        z0 += std::max(1.0, z0 * 0.1);
    // In lengths growing with the distance, so that each is hazed for its own.
    for (double near = z0, far = z0; near < z1; near = far) {
        far = std::min(z1, near * 1.8 + 6);
        PaintPlane(scene, camera,
                   {{left(near), y, near},
                    {right(near), y, near},
                    {right(far), y, far},
                    {left(far), y, far}},
                   material, detail);
    }
}
