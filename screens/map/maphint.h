// What the detailed map's hint says at a point: the name of the place under the pointer once,
// nothing again until the pointer has been over empty map, and an invitation to the upgrade
// box far from every place.
#pragma once

#include <QPoint>
#include <optional>
#include <string>

extern const char kUpgradeHint[];  // "Click for upgrade details"

struct MapHint {
    std::optional<std::string> text;  // Latin-1; none: no hint
    int lastHintPlace;
};

// The hint at a map point. lastHintPlace: the place the previous hint named (-1 after a hint on
// empty map).
MapHint DecideMapHint(QPoint at, int lastHintPlace);
