// The photographs of an edition, painted: a view's scene line gives the subject and any
// light it asks for, its seed the composition and the rest of the light. The same request always
// gives the same pixels.
#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <string_view>

#include "tools/mkedition/scenes/sceneline.h"

struct SceneRequest {
    bool portrait = false;  // 400 x 600 instead of 768 x 512
    SceneLine scene;
    int year = 1900;  // negative years are BC
    uint32_t seed = 0;
};

QSize SceneSize(bool portrait);
QImage PaintScene(const SceneRequest& request);
// A seed for a view from its place name and title, so every view gets its own picture.
uint32_t SceneSeed(std::string_view placeName, std::string_view title);
