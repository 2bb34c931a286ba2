// What a view's photograph shows, as its source's scene line says: the subject word, then
// words for the time of day, the weather, the season and the setting.
//   scene lighthouse headland evening
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/mkedition/scenes/mood.h"

// The painters. A subject word names one of them and, where it has several, its form.
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
    Beach,
    Animals,
    Interior,
    Lake,
    Inn,
    ClockTower,
    Quarry,
    GolfLinks,
    Lane,
    Orchard,
    WetWood,
    Ravine,
    Watercress,
    Hillside,
    MoorWorks,
    GreatTree,
    TropicalGarden,
    Waterway,
    Shipyard,
    Mills,
    Kilns,
    Airships,
    CliffRailway,
    // Buildings and public places
    Parliament,
    Seafront,
    School,
    MarketHall,
    Barn,
    VillageGreen,
    TownGate,
    Gaol,
    NetLofts,
    HolidayCamp,
    FestivalTents,
    Bandstand,
    Stadium,
    CricketGround,
    Racecourse,
    Observatory,
    Temple,
    TriumphalArch,
    Beacon,
    CityView,
};

struct LightWish {
    std::optional<DayTime> time;
    std::optional<Weather> weather;
    std::optional<Season> season;
    bool sunLow = false;  // dawn or sunset: the disc stands on the horizon
    bool snow = false;
};

struct SceneLine {
    std::string word = "fields";  // the subject as written
    SceneSubject subject = SceneSubject::Landscape;
    int form = -1;  // the painter's form for the word; -1 = the painter chooses
    LightWish light;
    bool sea = false;                  // the sea shows behind the subject
    std::vector<std::string> details;  // the words after the subject, as written
};

// The words after "scene". False, with the reason in error, for an unknown word.
bool ParseSceneWords(std::string_view words, SceneLine& scene, std::string& error);
// "castle-ruin: castle, ruined; evening autumn": the word, what paints it, the details.
std::string DescribeScene(const SceneLine& scene);
const char* PainterName(SceneSubject subject);
// Every subject word, in the vocabulary's order.
std::vector<std::string> SceneSubjectWords();
