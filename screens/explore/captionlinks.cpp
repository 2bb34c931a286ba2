#include "screens/explore/captionlinks.h"

#include "content/foundset.h"
#include "content/namelookup.h"

std::string CaptionLinkKey(const QString& selection, bool landscape) {
    if (landscape && selection.compare(QStringLiteral("London"), Qt::CaseInsensitive) == 0)
        return "London Gov";
    return (selection + QLatin1Char(',')).toLatin1().toStdString();
}

int CaptionLinkPlace(const QString& selection, bool landscape, bool withinFoundSet) {
    const int place = FindPlaceByName(CaptionLinkKey(selection, landscape));
    if (place != -1 && withinFoundSet && !IsInFoundSet(place)) return -1;
    return place;
}
