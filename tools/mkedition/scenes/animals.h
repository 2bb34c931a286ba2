// Zoo animals in side view: giraffes, zebras, elephants, penguins and flamingos, each
// unmistakable by its outline and its markings.
#pragma once

#include <QPointF>

class SceneRandom;
struct SceneContext;

enum class Species { Giraffe, Zebra, Elephant, Penguin, Flamingo };

// foot: the ground under the animal's middle; scale: pixels per metre there.
void PaintAnimal(SceneContext& scene, SceneRandom& random, Species species, QPointF foot,
                 double scale, bool facingRight, double depth);
