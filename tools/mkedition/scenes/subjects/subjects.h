// One painter per subject. Each paints the whole picture (sky, land, the subject, the
// foreground) and sets the scene's horizon; weather and finish are added afterwards.
#pragma once

struct SceneContext;

// The forms of the painters that have several; a scene's subject word may ask for one.
enum ChurchForm { kVillageChurch, kCathedral, kAbbeyRuin };
enum CastleForm { kCastleWhole, kCastleRuin };
enum IndustryForm { kMill, kColliery };
enum RailwayForm { kViaduct, kStation };
enum MonumentForm { kColumn, kObelisk, kStatue, kMemorialCross, kMarketCross };
enum LandscapeForm { kFarmland, kMoor, kRamparts };
enum StonesForm { kStoneRing, kBurialChamber };
enum CliffsForm { kCliffsFromTop, kCliffsFromBeach };
enum BeachForm {
    kSands,
    kBay,
    kCove,
    kDunes,
    kRocks,
    kShingle,
    kBoatsDrawnUp,
    kIsland,
    kSurf,
    kSandYachts,
    kPier,
    kSeaWall,
    kBoathouse,
    kShoreHut,
    kRegatta,
    kFishingFleet
};
enum AnimalsForm {
    kSeals,
    kSwans,
    kSeabirds,
    kSheepFlock,
    kHorses,
    kDeerPark,
    kWolfPack,
    kDonkeys,
    kHerons,
    kOtters
};
enum LakeForm { kLake, kTarn, kPond, kMarsh, kEstuary, kLagoon };
enum InnForm { kInnFront, kHotelFront };
enum TowerForm { kClockTower, kRoundTower, kDovecote, kLookout, kMast };
enum QuarryForm { kQuarryFace, kFloodedQuarry, kClayPits };
enum RowsForm { kOrchard, kVineyard, kHopGarden, kWillowBeds };
// The wild country and the marks people left on it.
enum RavineForm { kWaterfall, kGully };
enum HillsideForm { kTerraces, kHillFigure };
enum MoorWorksForm { kRomanRoad, kPeatBanks, kCairns, kArmyCamp };
enum InteriorForm {
    kHall,
    kChamber,
    kGallery,
    kMuseum,
    kNave,
    kCrypt,
    kShop,
    kWorkshop,
    kForge,
    kAuditorium,
    kBallroom,
    kAquarium,
    kCoveredMarket,
    kLibrary,
    kTubePlatform
};
enum ParliamentForm { kEstatesByRiver, kGuardChange };

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
void PaintInterior(SceneContext& scene);
void PaintBeach(SceneContext& scene);
void PaintAnimals(SceneContext& scene);
void PaintLake(SceneContext& scene);
void PaintInn(SceneContext& scene);
void PaintClockTower(SceneContext& scene);
void PaintQuarry(SceneContext& scene);
void PaintGolfLinks(SceneContext& scene);
void PaintLane(SceneContext& scene);
void PaintOrchard(SceneContext& scene);
void PaintWetWood(SceneContext& scene);
void PaintRavine(SceneContext& scene);
void PaintWatercress(SceneContext& scene);
void PaintHillside(SceneContext& scene);
void PaintMoorWorks(SceneContext& scene);
void PaintGreatTree(SceneContext& scene);
void PaintTropicalGarden(SceneContext& scene);

// Waterways, shipyards, mills, kilns and airships.
enum WaterwayForm { kRiverStairs, kLock, kSwingBridge, kFloodBarrier, kWarehouses };
enum ShipyardForm { kDockyard, kWarship, kBoatyard, kBargesOnHard };
enum MillsForm { kPostMill, kTideMill };
enum KilnsForm { kOastHouses, kGlassCone };
enum AirshipsForm { kAirshipShed, kAirshipAloft };
void PaintWaterway(SceneContext& scene);
void PaintShipyard(SceneContext& scene);
void PaintMills(SceneContext& scene);
void PaintKilns(SceneContext& scene);
void PaintAirships(SceneContext& scene);
void PaintCliffRailway(SceneContext& scene);
// The interior painter's underground platform: a tiled tube rather than a room.
void PaintTubePlatform(SceneContext& scene);
// Buildings and public places
void PaintParliament(SceneContext& scene);
void PaintSeafront(SceneContext& scene);
void PaintSchool(SceneContext& scene);
void PaintMarketHall(SceneContext& scene);
void PaintBarn(SceneContext& scene);
void PaintVillageGreen(SceneContext& scene);
void PaintTownGate(SceneContext& scene);
void PaintGaol(SceneContext& scene);
void PaintNetLofts(SceneContext& scene);
void PaintHolidayCamp(SceneContext& scene);
void PaintFestivalTents(SceneContext& scene);
void PaintBandstand(SceneContext& scene);
void PaintStadium(SceneContext& scene);
void PaintCricketGround(SceneContext& scene);
void PaintRacecourse(SceneContext& scene);
void PaintObservatory(SceneContext& scene);
void PaintTemple(SceneContext& scene);
void PaintTriumphalArch(SceneContext& scene);
void PaintBeacon(SceneContext& scene);
void PaintCityView(SceneContext& scene);
