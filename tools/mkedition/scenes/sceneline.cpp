#include "tools/mkedition/scenes/sceneline.h"

#include <iterator>
#include <sstream>

#include "tools/mkedition/scenes/subjects/subjects.h"

namespace {

struct SubjectWord {
    const char* word;
    SceneSubject subject;
    int form;
    const char* painted;  // what the subject is, for the scenes list
};

using S = SceneSubject;

// Every subject the edition's views are of, and the painter that draws it.
const SubjectWord kSubjects[] = {
    // The shore
    {"beach", S::Beach, kSands, "beach of sand"},
    {"bay", S::Beach, kBay, "bay of sand between headlands"},
    {"cove", S::Beach, kCove, "small cove between cliffs"},
    {"dunes", S::Beach, kDunes, "dunes and marram grass"},
    {"rocky-shore", S::Beach, kRocks, "rock ledges at low tide"},
    {"rock-pools", S::Beach, kRocks, "rock pools at low tide"},
    {"shingle", S::Beach, kShingle, "shingle beach"},
    {"sand-spit", S::Beach, kShingle, "shingle spit"},
    {"surf", S::Beach, kSurf, "surf rolling onto the sand"},
    {"sand-yachts", S::Beach, kSandYachts, "sand yachts on the strand"},
    {"boats-on-beach", S::Beach, kBoatsDrawnUp, "boats drawn up on the beach"},
    {"slipway", S::Beach, kBoatsDrawnUp, "boats drawn up above the tide"},
    {"tidal-island", S::Beach, kIsland, "island beyond the sands"},
    {"causeway", S::Beach, kIsland, "causeway over the sands to the island"},
    {"cliffs", S::Cliffs, kCliffsFromTop, "cliffs from the cliff top"},
    {"coast-path", S::Cliffs, kCliffsFromTop, "cliff-top path"},
    {"cliffs-from-beach", S::Cliffs, kCliffsFromBeach, "cliffs from the beach below"},
    {"sea-stacks", S::Cliffs, kCliffsFromBeach, "stacks and arches off the cliffs"},
    {"sea-cave", S::Cliffs, kCliffsFromBeach, "cave in the cliff foot"},
    {"sea-wall", S::Beach, kSeaWall, "sea wall with the waves breaking on it"},
    {"estuary", S::Lake, kEstuary, "estuary mudflats"},
    {"marsh", S::Lake, kMarsh, "marsh creeks and reeds"},
    {"lagoon", S::Lake, kLagoon, "lagoon behind a shingle bar"},
    {"lighthouse", S::Lighthouse, -1, "lighthouse on its headland"},
    // Harbours and boats
    {"harbour", S::Harbour, -1, "harbour with boats and the town behind"},
    {"quay", S::Harbour, -1, "quay with boats alongside"},
    {"jetty", S::Harbour, -1, "timber jetty"},
    {"docks", S::Harbour, -1, "dock basin and warehouses"},
    {"dockyard", S::Shipyard, kDockyard, "dockyard with a ship"},
    {"warship", S::Shipyard, kWarship, "old warship in dock"},
    {"boatyard", S::Shipyard, kBoatyard, "boatyard with a hull on the stocks"},
    {"boat", S::Harbour, -1, "boat at her mooring"},
    {"fishing-boats", S::Beach, kFishingFleet, "fishing boats at sea"},
    {"sailing-barges", S::Shipyard, kBargesOnHard, "sailing barges on the hard"},
    {"regatta", S::Beach, kRegatta, "sailing boats racing"},
    {"dinghies", S::Harbour, -1, "dinghies at their moorings"},
    {"lifeboat-house", S::Beach, kBoathouse, "lifeboat house at the head of its slip"},
    {"pier", S::Beach, kPier, "pier out over the sea"},
    // Animals
    {"seals", S::Animals, kSeals, "seals on rocks"},
    {"swans", S::Animals, kSwans, "swans on the water"},
    {"seabirds", S::Animals, kSeabirds, "seabirds on cliff ledges"},
    {"sheep", S::Animals, kSheepFlock, "sheep on the grass"},
    {"horses", S::Animals, kHorses, "horses"},
    {"deer", S::Animals, kDeerPark, "deer in parkland"},
    {"wolves", S::Animals, kWolfPack, "wolves in a wooded enclosure"},
    {"donkeys", S::Animals, kDonkeys, "donkeys on the sand"},
    {"herons", S::Animals, kHerons, "herons in the shallows"},
    {"otters", S::Animals, kOtters, "otters in the dyke"},
    {"zoo", S::Zoo, -1, "zoo animals in their paddock"},
    {"penguins", S::Zoo, -1, "penguins at their pool"},
    // Castles and forts
    {"castle", S::Castle, kCastleWhole, "castle"},
    {"castle-ruin", S::Castle, kCastleRuin, "ruined castle"},
    {"gatehouse", S::Castle, kCastleWhole, "castle gatehouse"},
    {"fort", S::Castle, kCastleRuin, "fort"},
    {"town-walls", S::Castle, kCastleRuin, "old town walls"},
    {"town-gate", S::TownGate, -1, "town gate"},
    {"gaol", S::Gaol, -1, "granite gaol on the moor"},
    {"earthworks", S::Landscape, kRamparts, "grassy ramparts round the hill"},
    // Churches
    {"church", S::Church, kVillageChurch, "church"},
    {"chapel", S::Church, kVillageChurch, "small chapel"},
    {"cathedral", S::Church, kCathedral, "cathedral over the roofs"},
    {"dome", S::Church, kCathedral, "domed cathedral over the city"},
    {"abbey-ruin", S::Church, kAbbeyRuin, "roofless abbey"},
    {"church-tower", S::Church, kVillageChurch, "church and its tower"},
    // Houses and streets
    {"mansion", S::StatelyHome, -1, "country house in its park"},
    {"manor", S::StatelyHome, -1, "manor house"},
    {"palace", S::StatelyHome, -1, "palace"},
    {"public-building", S::Theatre, -1, "grand public building"},
    {"parliament", S::Parliament, kEstatesByRiver, "parliament by the river"},
    {"changing-guard", S::Parliament, kGuardChange, "the guard changing before the parliament"},
    {"street", S::TownStreet, -1, "town street"},
    {"village", S::TownStreet, -1, "village street"},
    {"village-green", S::VillageGreen, -1, "village green"},
    {"cottages", S::TownStreet, -1, "row of cottages"},
    {"cottage", S::TownStreet, -1, "cottage"},
    {"house", S::TownStreet, -1, "house"},
    {"seafront", S::Seafront, -1, "seafront terrace and promenade"},
    {"net-lofts", S::NetLofts, -1, "tall net lofts"},
    {"market", S::Market, -1, "market stalls"},
    {"market-hall", S::MarketHall, -1, "market hall on pillars"},
    {"festival-tents", S::FestivalTents, -1, "festival tents"},
    {"holiday-camp", S::HolidayCamp, -1, "holiday camp chalets"},
    {"inn", S::Inn, kInnFront, "inn with its sign"},
    {"hotel", S::Inn, kHotelFront, "hotel front"},
    {"theatre", S::Theatre, -1, "theatre front"},
    {"cinema", S::Theatre, -1, "cinema front"},
    {"stadium", S::Stadium, -1, "stadium"},
    {"college", S::University, -1, "college quadrangle"},
    {"school", S::School, -1, "village or grammar school"},
    {"observatory", S::Observatory, -1, "observatory dome"},
    // Towers and monuments
    {"clock-tower", S::ClockTower, kClockTower, "clock tower"},
    {"tower", S::ClockTower, kRoundTower, "squat round tower"},
    {"lookout", S::ClockTower, kLookout, "lookout on the headland"},
    {"dovecote", S::ClockTower, kDovecote, "round dovecote"},
    {"mast", S::ClockTower, kMast, "tall mast"},
    {"column", S::Monument, kColumn, "column with its statue"},
    {"obelisk", S::Monument, kObelisk, "obelisk"},
    {"statue", S::Monument, kStatue, "statue on its pedestal"},
    {"cross", S::Monument, kMemorialCross, "stone cross in its churchyard"},
    {"market-cross", S::Monument, kMarketCross, "market cross in its square"},
    {"arch", S::TriumphalArch, -1, "arch over the road"},
    {"temple", S::Temple, -1, "little domed temple"},
    {"beacon", S::Beacon, -1, "beacon fire basket"},
    {"standing-stones", S::StandingStones, kStoneRing, "standing stones"},
    {"burial-chamber", S::StandingStones, kBurialChamber, "burial chamber of great slabs"},
    {"cairns", S::MoorWorks, kCairns, "cairns on the moor"},
    {"hill-figure", S::Hillside, kHillFigure, "figure cut in the chalk"},
    // Work
    {"mill", S::Industry, kMill, "mill with its chimney"},
    {"watermill", S::Mills, kTideMill, "watermill by its pond"},
    {"windmill", S::Mills, kPostMill, "windmill"},
    {"works", S::Industry, kMill, "works and chimney"},
    {"chimney", S::Industry, kMill, "tall chimney"},
    {"kiln", S::Kilns, kGlassCone, "brick kiln cone"},
    {"warehouses", S::Waterway, kWarehouses, "warehouses on the waterfront"},
    {"hangar", S::Airships, kAirshipShed, "great airship shed"},
    {"mine", S::Industry, kColliery, "engine house and spoil heaps"},
    {"quarry", S::Quarry, kQuarryFace, "terraced quarry face"},
    {"flooded-quarry", S::Quarry, kFloodedQuarry, "quarry drowned in a green lake"},
    {"clay-pits", S::Quarry, kClayPits, "white spoil heaps and a flooded pit"},
    {"barn", S::Barn, -1, "great barn"},
    {"oast-houses", S::Kilns, kOastHouses, "oast houses"},
    {"hut", S::Beach, kShoreHut, "hut on the shore"},
    {"army-camp", S::MoorWorks, kArmyCamp, "camp on the moor"},
    // Rooms
    {"hall", S::Interior, kHall, "hall with a timber roof"},
    {"chamber", S::Interior, kChamber, "council chamber with benches"},
    {"gallery", S::Interior, kGallery, "gallery of paintings"},
    {"painting", S::Interior, kGallery, "gallery of paintings"},
    {"painted-ceiling", S::Interior, kHall, "great hall under a decorated roof"},
    {"museum", S::Interior, kMuseum, "museum gallery with cases"},
    {"reading-room", S::Interior, kLibrary, "reading room"},
    {"church-interior", S::Interior, kNave, "church nave inside"},
    {"crypt", S::Interior, kCrypt, "vaulted crypt"},
    {"shop", S::Interior, kShop, "shop counter and shelves"},
    {"workshop", S::Interior, kWorkshop, "workshop bench"},
    {"forge", S::Interior, kForge, "forge with anvil and fire"},
    {"tea-room", S::Interior, kShop, "tea room counter"},
    {"ballroom", S::Interior, kBallroom, "ballroom"},
    {"theatre-interior", S::Interior, kAuditorium, "auditorium and stage"},
    {"covered-market", S::Interior, kCoveredMarket, "covered market under glass"},
    {"aquarium", S::Interior, kAquarium, "aquarium tanks"},
    {"mosaic", S::Interior, kMuseum, "museum gallery round a mosaic"},
    {"underground-station", S::Interior, kTubePlatform, "tiled underground platform"},
    // Transport
    {"viaduct", S::Railway, kViaduct, "train on a viaduct"},
    {"station", S::Railway, kStation, "station platform"},
    {"steam-train", S::Railway, kViaduct, "steam train"},
    {"cliff-railway", S::CliffRailway, -1, "cliff railway"},
    {"bridge", S::RiverBridge, -1, "bridge over the river"},
    {"swing-bridge", S::Waterway, kSwingBridge, "iron swing bridge"},
    {"flood-barrier", S::Waterway, kFloodBarrier, "flood barrier across the river"},
    {"lock", S::Waterway, kLock, "canal lock"},
    {"river-stairs", S::Waterway, kRiverStairs, "river stairs"},
    {"airship", S::Airships, kAirshipAloft, "airship over the estuary"},
    // The country
    {"fields", S::Landscape, kFarmland, "fields and hedgerows"},
    {"valley", S::Landscape, kFarmland, "valley"},
    {"moor", S::Landscape, kMoor, "open moor"},
    {"heath", S::Landscape, kMoor, "heath of gorse and heather"},
    {"city-view", S::CityView, -1, "city spread out below"},
    {"river", S::RiverBridge, -1, "river"},
    {"stream", S::RiverBridge, -1, "stream under a footbridge"},
    {"lake", S::Lake, kLake, "lake"},
    {"tarn", S::Lake, kTarn, "moorland tarn"},
    {"pond", S::Lake, kPond, "pond"},
    {"waterfall", S::Ravine, kWaterfall, "waterfall"},
    {"gully", S::Ravine, kGully, "ferny gully"},
    {"wet-wood", S::WetWood, -1, "alders in black water"},
    {"orchard", S::Orchard, kOrchard, "orchard of old fruit trees"},
    {"vineyard", S::Orchard, kVineyard, "rows of vines on the slope"},
    {"hop-garden", S::Orchard, kHopGarden, "hop poles in rows"},
    {"willow-beds", S::Orchard, kWillowBeds, "osier willows in rows"},
    {"watercress-beds", S::Watercress, -1, "watercress beds"},
    {"terraces", S::Hillside, kTerraces, "grassy terraces on the hill"},
    {"peat-banks", S::MoorWorks, kPeatBanks, "peat banks on the moor"},
    {"roman-road", S::MoorWorks, kRomanRoad, "straight road over the moor"},
    {"lane", S::Lane, -1, "lane between hedges"},
    {"great-tree", S::GreatTree, -1, "great old tree"},
    {"garden", S::Garden, -1, "formal garden"},
    {"tropical-garden", S::TropicalGarden, -1, "palms and tree ferns"},
    {"park", S::Lake, kPond, "park lawns and trees round a lake"},
    {"bandstand", S::Bandstand, -1, "bandstand in the gardens"},
    {"maze", S::Maze, -1, "hedge maze"},
    {"golf-links", S::GolfLinks, -1, "golf links in the dunes"},
    {"racecourse", S::Racecourse, -1, "racecourse on the downs"},
    {"cricket-ground", S::CricketGround, -1, "cricket ground and pavilion"},
};

struct DetailWord {
    const char* word;
    void (*apply)(SceneLine&);
};

const DetailWord kDetails[] = {
    {"dawn",
     [](SceneLine& s) {
         s.light.time = DayTime::Morning;
         s.light.sunLow = true;
     }},
    {"morning", [](SceneLine& s) { s.light.time = DayTime::Morning; }},
    {"midday", [](SceneLine& s) { s.light.time = DayTime::Midday; }},
    {"afternoon", [](SceneLine& s) { s.light.time = DayTime::Afternoon; }},
    {"evening", [](SceneLine& s) { s.light.time = DayTime::Evening; }},
    {"sunset",
     [](SceneLine& s) {
         s.light.time = DayTime::Evening;
         s.light.sunLow = true;
         s.light.weather = Weather::Clear;
     }},
    {"dusk", [](SceneLine& s) { s.light.time = DayTime::Dusk; }},
    {"night", [](SceneLine& s) { s.light.time = DayTime::Night; }},
    {"clear", [](SceneLine& s) { s.light.weather = Weather::Clear; }},
    {"fair", [](SceneLine& s) { s.light.weather = Weather::Fair; }},
    {"overcast", [](SceneLine& s) { s.light.weather = Weather::Overcast; }},
    {"rain", [](SceneLine& s) { s.light.weather = Weather::Rain; }},
    {"mist", [](SceneLine& s) { s.light.weather = Weather::Mist; }},
    {"gale", [](SceneLine& s) { s.light.weather = Weather::Rain; }},
    {"spring", [](SceneLine& s) { s.light.season = Season::Spring; }},
    {"summer", [](SceneLine& s) { s.light.season = Season::Summer; }},
    {"autumn", [](SceneLine& s) { s.light.season = Season::Autumn; }},
    {"winter", [](SceneLine& s) { s.light.season = Season::Winter; }},
    {"snow",
     [](SceneLine& s) {
         s.light.season = Season::Winter;
         s.light.snow = true;
     }},
    {"sea", [](SceneLine& s) { s.sea = true; }},
};

const SubjectWord* FindSubject(const std::string& word) {
    for (const SubjectWord& entry : kSubjects)
        if (word == entry.word) return &entry;
    return nullptr;
}

}  // namespace

bool ParseSceneWords(std::string_view words, SceneLine& scene, std::string& error) {
    std::istringstream in{std::string(words)};
    std::string word;
    if (!(in >> word)) {
        error = "a scene needs a subject";
        return false;
    }
    const SubjectWord* subject = FindSubject(word);
    if (!subject) {
        error = "unknown scene subject '" + word + "'";
        return false;
    }
    SceneLine parsed;
    parsed.word = word;
    parsed.subject = subject->subject;
    parsed.form = subject->form;
    while (in >> word) {
        const DetailWord* found = nullptr;
        for (const DetailWord& detail : kDetails)
            if (word == detail.word) found = &detail;
        if (!found) {
            error = "unknown scene detail '" + word + "'";
            return false;
        }
        found->apply(parsed);
        parsed.details.push_back(word);
    }
    scene = parsed;
    return true;
}

const char* PainterName(SceneSubject subject) {
    static const char* const kNames[] = {"cliffs",
                                         "harbour",
                                         "lighthouse",
                                         "castle",
                                         "church",
                                         "garden",
                                         "maze",
                                         "industry",
                                         "market",
                                         "railway",
                                         "college",
                                         "theatre",
                                         "zoo",
                                         "monument",
                                         "standing stones",
                                         "country house",
                                         "landscape",
                                         "town street",
                                         "river bridge",
                                         "beach",
                                         "animals",
                                         "interior",
                                         "lake",
                                         "inn",
                                         "tower",
                                         "quarry",
                                         "golf links",
                                         "lane",
                                         "orchard",
                                         "wet wood",
                                         "ravine",
                                         "watercress beds",
                                         "hillside",
                                         "moor works",
                                         "great tree",
                                         "tropical garden",
                                         "waterway",
                                         "shipyard",
                                         "mills",
                                         "kilns",
                                         "airships",
                                         "cliff railway",
                                         "parliament",
                                         "seafront",
                                         "school",
                                         "market hall",
                                         "barn",
                                         "village green",
                                         "town gate",
                                         "gaol",
                                         "net lofts",
                                         "holiday camp",
                                         "festival tents",
                                         "bandstand",
                                         "stadium",
                                         "cricket ground",
                                         "racecourse",
                                         "observatory",
                                         "temple",
                                         "arch",
                                         "beacon",
                                         "city view"};
    const size_t index = static_cast<size_t>(subject);
    return index < std::size(kNames) ? kNames[index] : "?";
}

std::string DescribeScene(const SceneLine& scene) {
    const SubjectWord* subject = FindSubject(scene.word);
    std::string text = scene.word + ": " + (subject ? subject->painted : "?");
    for (size_t i = 0; i < scene.details.size(); ++i)
        text += (i == 0 ? "; " : " ") + scene.details[i];
    return text;
}

std::vector<std::string> SceneSubjectWords() {
    std::vector<std::string> words;
    for (const SubjectWord& entry : kSubjects) words.push_back(entry.word);
    return words;
}
