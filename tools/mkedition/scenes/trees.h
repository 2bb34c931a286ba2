// Trees and hedges, in the season's colours.
#pragma once

#include <QPointF>

struct SceneContext;

enum class TreeShape { Broadleaf, Conifer, Poplar, Yew };

// foot: where the trunk meets the ground; depth 0 near .. 1 far.
void PaintTree(SceneContext& scene, QPointF foot, double height, TreeShape shape, double depth);
// A wood's edge along a line: overlapping broadleaves (some conifers), back to front.
void PaintTreeBelt(SceneContext& scene, double y, double x0, double x1, double height,
                   double depth);
// A clipped hedge between two points, thickness its height.
void PaintHedge(SceneContext& scene, QPointF from, QPointF to, double thickness, double depth);
