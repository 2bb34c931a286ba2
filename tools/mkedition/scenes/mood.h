// The light of a picture: time of day, weather and season, and the colours they give the sky,
// the lit and shaded faces of things, distance haze and vegetation.
#pragma once

#include <QColor>

class SceneRandom;

enum class DayTime { Morning, Midday, Afternoon, Evening, Dusk, Night };
enum class Weather { Clear, Fair, Overcast, Rain, Mist };
enum class Season { Spring, Summer, Autumn, Winter };

struct Mood {
    DayTime time = DayTime::Midday;
    Weather weather = Weather::Clear;
    Season season = Season::Summer;
    bool snow = false;
    bool sunFromLeft = true;
    bool sunVisible = false;  // the disc is in the sky (not behind cloud)
    double sunX = 0.3;        // fraction of the width
    double sunY = 0.2;        // fraction of the height
    double contrast = 1.0;    // strength of light against shade, 0..1
    double hazeStrength = 0.5;
    bool windowsLit = false;  // evening: lamps behind the glass

    QColor skyTop, skyHorizon, sunGlow;
    QColor light, shade;  // filters for faces towards and away from the sun
    QColor haze;          // what distance fades towards
    QColor grass, grassDark, earth;
    QColor foliage[3];  // tree crowns, dark to light
    bool bareTrees = false;
    QColor water;
};

struct LightWish;
// The light a scene asks for; what it leaves open is drawn at random.
Mood ChooseMood(SceneRandom& random, const LightWish& wish);

QColor Lit(const Mood& mood, const QColor& base);
QColor Shaded(const Mood& mood, const QColor& base);
// Snow seldom lies by the sea: a winter coast keeps its grass.
void ClearSnow(Mood& mood);
// depth 0 = foreground, 1 = far horizon.
QColor Distant(const Mood& mood, const QColor& base, double depth);
// Vegetation colour for a depth, one of the three crown tones.
QColor Foliage(const Mood& mood, int tone, double depth);
// How hazy a thing at this distance (metres along the view) looks: 0 .. 1.
double DistanceDepth(const Mood& mood, double metres);
