// What the air and the camera add to a picture: rain, mist and falling snow over everything,
// then the lens's softness and vignette and the grain of film.
#pragma once

#include <cstdint>

class QImage;
struct Mood;
struct SceneContext;

void PaintWeather(SceneContext& scene, double horizonY);
void FinishPhotograph(QImage& image, const Mood& mood, uint32_t seed);
