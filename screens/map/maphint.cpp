#include "screens/map/maphint.h"

#include "content/datatables.h"
#include "content/nearestplace.h"

const char kUpgradeHint[] = "Click for upgrade details";

namespace {

constexpr int kHintRadius = 8;
constexpr int kCoverageRadius = 150;

}  // namespace

MapHint DecideMapHint(QPoint at, int lastHintPlace) {
    const int place = NearestPlace(at.x(), at.y(), kHintRadius);
    if (place == -1 || place == lastHintPlace) {
        if (NearestPlace(at.x(), at.y(), kCoverageRadius) != -1)
            return MapHint{std::nullopt, place};
        return MapHint{std::string(kUpgradeHint), place};
    }
    return MapHint{PlaceName(place), place};
}
