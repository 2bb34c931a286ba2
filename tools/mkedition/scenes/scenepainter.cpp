#include "tools/mkedition/scenes/scenepainter.h"

#include <QPainter>
#include <cmath>

#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/treatment.h"

namespace {

using SubjectPainter = void (*)(SceneContext&);

SubjectPainter PainterFor(SceneSubject subject) {
    switch (subject) {
        case SceneSubject::Cliffs:
            return PaintCliffs;
        case SceneSubject::Harbour:
            return PaintHarbour;
        case SceneSubject::Lighthouse:
            return PaintLighthouse;
        case SceneSubject::Castle:
            return PaintCastle;
        case SceneSubject::Church:
            return PaintChurch;
        case SceneSubject::Garden:
            return PaintGarden;
        case SceneSubject::Maze:
            return PaintMaze;
        case SceneSubject::Industry:
            return PaintIndustry;
        case SceneSubject::Market:
            return PaintMarket;
        case SceneSubject::Railway:
            return PaintRailway;
        case SceneSubject::University:
            return PaintUniversity;
        case SceneSubject::Theatre:
            return PaintTheatre;
        case SceneSubject::Zoo:
            return PaintZoo;
        case SceneSubject::Monument:
            return PaintMonument;
        case SceneSubject::StandingStones:
            return PaintStandingStones;
        case SceneSubject::StatelyHome:
            return PaintStatelyHome;
        case SceneSubject::Landscape:
            return PaintLandscape;
        case SceneSubject::TownStreet:
            return PaintTownStreet;
        case SceneSubject::RiverBridge:
            return PaintRiverBridge;
        case SceneSubject::Interior:
            return PaintInterior;
        case SceneSubject::Beach:
            return PaintBeach;
        case SceneSubject::Animals:
            return PaintAnimals;
        case SceneSubject::Lake:
            return PaintLake;
        case SceneSubject::Inn:
            return PaintInn;
        case SceneSubject::ClockTower:
            return PaintClockTower;
        case SceneSubject::Quarry:
            return PaintQuarry;
        case SceneSubject::GolfLinks:
            return PaintGolfLinks;
        case SceneSubject::Lane:
            return PaintLane;
        case SceneSubject::Orchard:
            return PaintOrchard;
        case SceneSubject::WetWood:
            return PaintWetWood;
        case SceneSubject::Ravine:
            return PaintRavine;
        case SceneSubject::Watercress:
            return PaintWatercress;
        case SceneSubject::Hillside:
            return PaintHillside;
        case SceneSubject::MoorWorks:
            return PaintMoorWorks;
        case SceneSubject::GreatTree:
            return PaintGreatTree;
        case SceneSubject::TropicalGarden:
            return PaintTropicalGarden;
        case SceneSubject::Waterway:
            return PaintWaterway;
        case SceneSubject::Shipyard:
            return PaintShipyard;
        case SceneSubject::Mills:
            return PaintMills;
        case SceneSubject::Kilns:
            return PaintKilns;
        case SceneSubject::Airships:
            return PaintAirships;
        case SceneSubject::CliffRailway:
            return PaintCliffRailway;
        case SceneSubject::Parliament:
            return PaintParliament;
        case SceneSubject::Seafront:
            return PaintSeafront;
        case SceneSubject::School:
            return PaintSchool;
        case SceneSubject::MarketHall:
            return PaintMarketHall;
        case SceneSubject::Barn:
            return PaintBarn;
        case SceneSubject::VillageGreen:
            return PaintVillageGreen;
        case SceneSubject::TownGate:
            return PaintTownGate;
        case SceneSubject::Gaol:
            return PaintGaol;
        case SceneSubject::NetLofts:
            return PaintNetLofts;
        case SceneSubject::HolidayCamp:
            return PaintHolidayCamp;
        case SceneSubject::FestivalTents:
            return PaintFestivalTents;
        case SceneSubject::Bandstand:
            return PaintBandstand;
        case SceneSubject::Stadium:
            return PaintStadium;
        case SceneSubject::CricketGround:
            return PaintCricketGround;
        case SceneSubject::Racecourse:
            return PaintRacecourse;
        case SceneSubject::Observatory:
            return PaintObservatory;
        case SceneSubject::Temple:
            return PaintTemple;
        case SceneSubject::TriumphalArch:
            return PaintTriumphalArch;
        case SceneSubject::Beacon:
            return PaintBeacon;
        case SceneSubject::CityView:
            return PaintCityView;
        default:
            break;
    }
    return PaintLandscape;
}

}  // namespace

QSize SceneSize(bool portrait) { return portrait ? QSize(400, 600) : QSize(768, 512); }

QImage PaintScene(const SceneRequest& request) {
    const QSize size = SceneSize(request.portrait);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const SceneSubject subject = request.scene.subject;
    SceneRandom random(uint64_t(request.seed) * 0x9e3779b97f4a7c15ULL + uint64_t(subject));
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const double w = size.width(), h = size.height();
        SceneContext scene{image,
                           painter,
                           w,
                           h,
                           std::sqrt(w * h / (768.0 * 512.0)),
                           ChooseMood(random, request.scene.light),
                           random.Fork(1),
                           request.year,
                           request.scene.sea};
        scene.form = request.scene.form;
        PainterFor(subject)(scene);
        // Indoors it neither rains nor snows.
        if (subject != SceneSubject::Interior) PaintWeather(scene, scene.horizonY);
        painter.end();
        FinishPhotograph(image, scene.mood, request.seed);
    }
    return image;
}

uint32_t SceneSeed(std::string_view placeName, std::string_view title) {
    uint32_t hash = 2166136261u;
    auto mix = [&hash](unsigned char c) {
        hash ^= c;
        hash *= 16777619u;
    };
    for (char c : placeName) mix(static_cast<unsigned char>(c));
    mix(0);
    for (char c : title) mix(static_cast<unsigned char>(c));
    return hash;
}
