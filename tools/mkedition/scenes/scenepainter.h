// The photographs of an edition, painted: a view's topics choose the subject, its seed the
// composition, light, weather and season. The same request always gives the same pixels.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <string_view>

struct SceneRequest {
    bool portrait = false;  // 400 x 600 instead of 768 x 512
    uint32_t topicMaskA = 0;
    uint32_t topicMaskB = 0;
    int year = 1900;  // negative years are BC
    uint32_t seed = 0;
};

enum class SceneSubject {
    Cliffs,
    Harbour,
    Lighthouse,
    Castle,
    Church,
    Garden,
    Maze,
    Industry,
    Market,
    Railway,
    University,
    Theatre,
    Zoo,
    Monument,
    StandingStones,
    StatelyHome,
    Landscape,
    TownStreet,
    RiverBridge,
};

QSize SceneSize(bool portrait);
SceneSubject ChooseSubject(const SceneRequest& request);
QImage PaintScene(const SceneRequest& request);
// A seed for a view from its place name and title, so every view gets its own picture.
uint32_t SceneSeed(std::string_view placeName, std::string_view title);
