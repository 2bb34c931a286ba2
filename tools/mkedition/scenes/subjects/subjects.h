// One painter per subject. Each paints the whole picture (sky, land, the subject, the
// foreground) and sets the scene's horizon; weather and finish are added afterwards.
#pragma once

struct SceneContext;

void PaintCliffs(SceneContext& scene);
void PaintHarbour(SceneContext& scene);
void PaintLighthouse(SceneContext& scene);
void PaintCastle(SceneContext& scene);
void PaintChurch(SceneContext& scene);
void PaintGarden(SceneContext& scene);
void PaintMaze(SceneContext& scene);
void PaintIndustry(SceneContext& scene);
void PaintMarket(SceneContext& scene);
void PaintRailway(SceneContext& scene);
void PaintUniversity(SceneContext& scene);
void PaintTheatre(SceneContext& scene);
void PaintZoo(SceneContext& scene);
void PaintMonument(SceneContext& scene);
void PaintStandingStones(SceneContext& scene);
void PaintStatelyHome(SceneContext& scene);
void PaintLandscape(SceneContext& scene);
void PaintTownStreet(SceneContext& scene);
void PaintRiverBridge(SceneContext& scene);
