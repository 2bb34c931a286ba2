// Town and village houses: timber-framed, Georgian, stone or painted cottages, some with shop
// fronts, in rows along a street, a quay or a hillside.
#pragma once

#include "tools/mkedition/scenes/solids.h"

class SceneRandom;

enum class HouseStyle { Timbered, Georgian, Cottage, Painted, Victorian };
// Which face of its box looks onto the street.
enum class Frontage { Front, Left, Right };

struct House {
    Box box;
    HouseStyle style = HouseStyle::Georgian;
    Roof roof = Roof::Gable;
    double roofRise = 3;
    int storeys = 2;
    bool shop = false;
    Material wall, roofing;
    QColor accent;  // door, shop front
};

// A house of a style drawn at random; box.height and storeys follow from the style.
House RandomHouse(SceneRandom& random, HouseStyle style, const Box& footprint);
HouseStyle RandomHouseStyle(SceneRandom& random, int year);
// Fewer or more floors than chance gave: the box's height follows.
void SetStoreys(House& house, int storeys);
void PaintHouse(SceneContext& scene, const Camera& camera, const House& house, Frontage frontage);
