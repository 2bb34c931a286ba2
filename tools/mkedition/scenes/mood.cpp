#include "tools/mkedition/scenes/mood.h"

#include <cmath>

#include "tools/mkedition/scenes/scenecolour.h"
#include "tools/mkedition/scenes/sceneline.h"
#include "tools/mkedition/scenes/scenerandom.h"

namespace {

struct SkyLight {
    QColor top, horizon, glow, light, shade;
};

// The sky and its light on a clear day, by the time: morning, midday, afternoon, evening.
const SkyLight kClearSkies[] = {
    {QColor(86, 134, 204), QColor(238, 222, 196), QColor(255, 236, 190), QColor(255, 244, 222),
     QColor(128, 140, 178)},
    {QColor(52, 108, 190), QColor(190, 214, 236), QColor(255, 250, 232), QColor(255, 250, 240),
     QColor(126, 138, 170)},
    {QColor(62, 112, 186), QColor(222, 224, 214), QColor(255, 238, 200), QColor(255, 240, 214),
     QColor(122, 130, 168)},
    {QColor(58, 72, 128), QColor(246, 170, 96), QColor(255, 196, 120), QColor(255, 206, 150),
     QColor(110, 100, 150)},
    // Dusk: the sun gone, a last glow low in the west; night: moonlight and lamps.
    {QColor(34, 44, 92), QColor(214, 140, 110), QColor(230, 150, 120), QColor(170, 150, 170),
     QColor(70, 70, 110)},
    {QColor(8, 12, 30), QColor(36, 46, 78), QColor(60, 70, 100), QColor(96, 106, 140),
     QColor(36, 40, 66)},
};

// Overcast, rain and mist: a grey sky, soft light and thicker air.
struct GreyWeather {
    SkyLight sky;
    double contrast, haze;
};

const GreyWeather kGreyWeathers[] = {
    {{QColor(136, 146, 160), QColor(204, 206, 208), QColor(220, 220, 220), QColor(236, 236, 236),
      QColor(172, 176, 186)},
     0.35,
     0.62},
    {{QColor(84, 94, 108), QColor(160, 166, 174), QColor(180, 184, 190), QColor(210, 212, 216),
      QColor(150, 156, 168)},
     0.25,
     0.7},
    {{QColor(196, 202, 208), QColor(228, 228, 224), QColor(246, 240, 224), QColor(240, 238, 232),
      QColor(186, 190, 198)},
     0.3,
     0.75},
};

struct SeasonColours {
    QColor grass, foliage[3];
};

// Grass and tree crowns (dark, middle, light) through the year.
constexpr SeasonColours kSeasonColours[] = {
    {QColor(118, 164, 64), {QColor(62, 104, 40), QColor(104, 150, 56), QColor(160, 196, 92)}},
    {QColor(96, 142, 52), {QColor(40, 72, 32), QColor(66, 104, 42), QColor(112, 148, 64)}},
    {QColor(128, 140, 66), {QColor(120, 62, 30), QColor(182, 108, 40), QColor(214, 162, 66)}},
    {QColor(118, 126, 88), {QColor(58, 52, 48), QColor(86, 76, 66), QColor(112, 100, 88)}},
};

void ChooseSeasonColours(Mood& mood, SceneRandom& random) {
    const SeasonColours& colours = kSeasonColours[static_cast<int>(mood.season)];
    mood.grass = colours.grass;
    for (int i = 0; i < 3; ++i) mood.foliage[i] = colours.foliage[i];
    if (mood.season == Season::Winter) {
        mood.bareTrees = true;
        mood.snow = random.Chance(0.5);
        if (mood.snow) mood.grass = QColor(236, 240, 246);
    }
    // A touch of variation so two summers are not the same green.
    const double shift = random.Jitter(0.08);
    mood.grass = Scaled(mood.grass, 1.0 + shift);
    mood.grassDark = Scaled(mood.grass, 0.62);
    mood.earth = mood.snow ? QColor(220, 226, 234) : QColor(150, 128, 96);
}

}  // namespace

Mood ChooseMood(SceneRandom& random, const LightWish& wish) {
    Mood mood;
    static constexpr DayTime kTimes[] = {DayTime::Morning,   DayTime::Midday,    DayTime::Midday,
                                         DayTime::Afternoon, DayTime::Afternoon, DayTime::Evening};
    static constexpr Weather kWeathers[] = {Weather::Clear, Weather::Fair,     Weather::Fair,
                                            Weather::Fair,  Weather::Overcast, Weather::Rain,
                                            Weather::Mist,  Weather::Clear};
    static constexpr Season kSeasons[] = {Season::Spring, Season::Summer, Season::Summer,
                                          Season::Autumn, Season::Winter};
    mood.time = random.Pick(kTimes);
    mood.weather = random.Pick(kWeathers);
    mood.season = random.Pick(kSeasons);
    mood.time = wish.time.value_or(mood.time);
    mood.weather = wish.weather.value_or(mood.weather);
    mood.season = wish.season.value_or(mood.season);
    const bool dark = mood.time == DayTime::Dusk || mood.time == DayTime::Night;
    if (!wish.weather && (mood.time == DayTime::Evening || dark) &&
        (mood.weather == Weather::Rain || mood.weather == Weather::Mist))
        mood.weather = Weather::Fair;
    mood.sunFromLeft = random.Chance(0.5);
    mood.sunX = mood.sunFromLeft ? random.Range(0.08, 0.34) : random.Range(0.66, 0.92);
    mood.sunY = wish.sunLow                     ? random.Range(0.34, 0.4)
                : mood.time == DayTime::Evening ? random.Range(0.26, 0.36)
                : mood.time == DayTime::Midday  ? random.Range(0.04, 0.12)
                                                : random.Range(0.1, 0.22);

    SkyLight sky = kClearSkies[static_cast<int>(mood.time)];
    mood.contrast = 1.0;
    mood.hazeStrength = random.Range(0.45, 0.6);
    mood.sunVisible = mood.weather == Weather::Clear ||
                      (mood.weather == Weather::Fair && random.Chance(0.5)) ||
                      mood.time == DayTime::Evening || wish.sunLow;
    if (dark) mood.sunVisible = false;
    if (mood.weather != Weather::Clear && mood.weather != Weather::Fair) {
        const GreyWeather& grey =
            kGreyWeathers[static_cast<int>(mood.weather) - static_cast<int>(Weather::Overcast)];
        sky = grey.sky;
        mood.contrast = grey.contrast;
        mood.hazeStrength = grey.haze;
    }
    if (mood.weather == Weather::Overcast || mood.weather == Weather::Rain ||
        mood.weather == Weather::Mist)
        mood.sunVisible = false;
    mood.skyTop = sky.top;
    mood.skyHorizon = sky.horizon;
    mood.sunGlow = sky.glow;
    mood.light = sky.light;
    mood.shade = sky.shade;
    mood.haze = Mix(sky.horizon, sky.top, 0.25);
    mood.windowsLit = mood.time == DayTime::Evening || dark;
    if (dark) mood.contrast = 0.3;

    ChooseSeasonColours(mood, random);
    if (wish.snow && !mood.snow) {
        mood.snow = true;
        mood.grass = QColor(236, 240, 246);
        mood.grassDark = Scaled(mood.grass, 0.62);
        mood.earth = QColor(220, 226, 234);
    }
    if (dark) {
        const double night = mood.time == DayTime::Night ? 0.7 : 0.45;
        mood.grass = Mix(mood.grass, QColor(20, 26, 44), night);
        mood.grassDark = Mix(mood.grassDark, QColor(10, 14, 26), night);
        mood.earth = Mix(mood.earth, QColor(20, 26, 44), night);
        for (QColor& f : mood.foliage) f = Mix(f, QColor(14, 20, 34), night);
    }
    if (mood.time == DayTime::Evening) {
        mood.grass = Mix(mood.grass, QColor(150, 110, 70), 0.25);
        for (QColor& f : mood.foliage) f = Mix(f, QColor(90, 60, 50), 0.2);
    }
    mood.water = Mix(Mix(sky.top, sky.horizon, 0.4), QColor(30, 70, 80), 0.35);
    return mood;
}

void ClearSnow(Mood& mood) {
    if (!mood.snow) return;
    mood.snow = false;
    mood.grass = kSeasonColours[static_cast<int>(Season::Winter)].grass;
    mood.grassDark = Scaled(mood.grass, 0.62);
    mood.earth = QColor(150, 128, 96);
}

QColor Lit(const Mood& mood, const QColor& base) {
    const QColor full = Filtered(base, mood.light);
    return Mix(Mix(base, full, 0.5), Scaled(full, 1.12), mood.contrast);
}

QColor Shaded(const Mood& mood, const QColor& base) {
    const QColor dark = Scaled(Filtered(base, mood.shade), 0.92);
    return Mix(Scaled(Filtered(base, mood.light), 0.84), dark, mood.contrast);
}

QColor Distant(const Mood& mood, const QColor& base, double depth) {
    const double t = std::clamp(depth * mood.hazeStrength * 1.25, 0.0, 0.95);
    return Mix(base, mood.haze, t);
}

QColor Foliage(const Mood& mood, int tone, double depth) {
    return Distant(mood, mood.foliage[std::clamp(tone, 0, 2)], depth);
}

double DistanceDepth(const Mood& mood, double metres) {
    const double reach = mood.weather == Weather::Mist   ? 450
                         : mood.weather == Weather::Rain ? 800
                                                         : 1400;
    return 1.0 - std::exp(-metres / reach);
}
