// The classical orders in brief: columns, porticoes with pediments, flights of steps and
// balustrades, for mansions, theatres, colleges and monuments.
#pragma once

#include "tools/mkedition/scenes/solids.h"

// A column with its base and capital standing on the ground of y = base.
void PaintColumn(SceneContext& scene, const Camera& camera, double x, double z, double radius,
                 double base, double height, const Material& material);
// A portico against a facade: a row of columns carrying an entablature and a pediment, its
// front at z, its back against the wall at z + depth, standing on steps.
void PaintPortico(SceneContext& scene, const Camera& camera, double centreX, double z, double width,
                  double depth, double height, int columns, const Material& material);
// A flight of steps rising away from the viewer to the height top.
void PaintSteps(SceneContext& scene, const Camera& camera, const Box& footprint, int steps,
                const Material& material);
// A balustrade along the top front edge of a box.
void PaintBalustrade(SceneContext& scene, const Camera& camera, const Box& box,
                     const Material& material);
