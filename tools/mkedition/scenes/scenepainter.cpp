#include "tools/mkedition/scenes/scenepainter.h"

#include <QPainter>
#include <cmath>

#include "tools/mkedition/scenes/scenecontext.h"
#include "tools/mkedition/scenes/subjects/subjects.h"
#include "tools/mkedition/scenes/treatment.h"
#include "tools/mkedition/topics.h"

namespace {

bool HasTopic(const SceneRequest& request, const char* word) {
    TopicBits bits;
    LookUpTopic(word, bits);
    return (request.topicMaskA & bits.maskA) != 0 || (request.topicMaskB & bits.maskB) != 0;
}

bool HasAnyTopic(const SceneRequest& request, std::initializer_list<const char*> words) {
    for (const char* word : words)
        if (HasTopic(request, word)) return true;
    return false;
}

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
    }
    return PaintLandscape;
}

}  // namespace

QSize SceneSize(bool portrait) { return portrait ? QSize(400, 600) : QSize(768, 512); }

SceneSubject ChooseSubject(const SceneRequest& request) {
    // The seed only chooses between forms of one subject, never across topics.
    const uint32_t form = (request.seed >> 7) % 3;
    const bool coast = HasTopic(request, "coast");
    if (request.year < 0) return SceneSubject::StandingStones;
    if (HasTopic(request, "zoos")) return SceneSubject::Zoo;
    if (HasTopic(request, "theatres")) return SceneSubject::Theatre;
    if (HasAnyTopic(request, {"castles", "military"})) return SceneSubject::Castle;
    if (HasTopic(request, "worship")) return SceneSubject::Church;
    if (HasAnyTopic(request, {"old-universities", "schools"})) return SceneSubject::University;
    if (HasTopic(request, "industry")) return SceneSubject::Industry;
    if (HasAnyTopic(request, {"transport", "old-transport"}))
        return coast ? SceneSubject::Harbour : SceneSubject::Railway;
    if (HasTopic(request, "shops")) return SceneSubject::Market;
    if (HasAnyTopic(request, {"stately-homes", "royal", "hotels"}))
        return SceneSubject::StatelyHome;
    if (HasTopic(request, "mazes")) return SceneSubject::Maze;
    if (HasTopic(request, "gardens")) return SceneSubject::Garden;
    if (HasAnyTopic(request, {"monuments", "famous-sights"}))
        return request.year < 800 ? SceneSubject::StandingStones : SceneSubject::Monument;
    if (coast) {
        static constexpr SceneSubject kCoastForms[] = {SceneSubject::Cliffs, SceneSubject::Harbour,
                                                       SceneSubject::Lighthouse};
        return kCoastForms[form];
    }
    if (HasAnyTopic(request,
                    {"historic-towns", "business", "crime", "media", "government", "museums",
                     "hospitals", "festivals", "great-artists", "artwork", "record-breakers"}))
        return SceneSubject::TownStreet;
    return form == 0 ? SceneSubject::RiverBridge : SceneSubject::Landscape;
}

QImage PaintScene(const SceneRequest& request) {
    const QSize size = SceneSize(request.portrait);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    const SceneSubject subject = ChooseSubject(request);
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
                           ChooseMood(random),
                           random.Fork(1),
                           request.year,
                           HasTopic(request, "coast")};
        PainterFor(subject)(scene);
        PaintWeather(scene, scene.horizonY);
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
