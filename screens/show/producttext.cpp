#include "screens/show/producttext.h"

#include "content/showlist.h"

namespace {

const char* kindText(int showKind) {
    switch (showKind) {
        case kShowTour:
            return "Here we step around the fabulous Fernvale coast. The full Vantora Verdanis "
                   "takes you clockwise around the entire coast.";
        case kShowAll:
            return "Here we step between all 159 places in the Corvanic Fernvale county covered "
                   "by Vantora Fernvales.";
        case kShowFoundSet:
            return "Here we step among a user-chosen set of Vantora Verdanis's places and views.";
        default:
            return "We sample the beauty of the lovely Corvanic Fernvale county.";
    }
}

}  // namespace

QString ProductText(int step, int showKind, const std::optional<std::string>& extraText) {
    switch (step) {
        case 1:
            return QString::fromLatin1(kindText(showKind));
        case 2:
            if (extraText) return QString::fromLatin1(extraText->c_str());
            [[fallthrough]];
        default:
            return QStringLiteral(
                "Explore Verdanis by armchair travel with the Vantora Verdanis PC CD-ROM. "
                "Discover great holiday ideas. See anywhere for yourself - with 10,000 photos of "
                "3,000 places - every map dot has views to see.");
    }
}

int NextProductTextStep(int step, bool hasExtraText) {
    if (step == 0) return 1;
    if (step == 1 && hasExtraText) return 2;
    return 0;
}
