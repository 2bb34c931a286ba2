// The open beach seen along the shore: the sea to one side, dunes, beach huts or low cliffs
// backing the sand on the other, a groyne running down into the water, people at their ease.
#pragma once

class Camera;
class SceneRandom;
struct SceneContext;

// The sea and sky must already be painted.
void PaintOpenSands(SceneContext& scene, const Camera& camera, SceneRandom& random);
