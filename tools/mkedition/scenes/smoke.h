// Smoke and steam: soft puffs rising from a chimney and drifting with the wind.
#pragma once

#include <QColor>
#include <QPointF>

struct SceneContext;

// size: the width of the first puff in pixels; drift: +1 drifts right, -1 left.
void PaintSmoke(SceneContext& scene, QPointF source, double size, double drift,
                const QColor& colour);
