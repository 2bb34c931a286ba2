#include "screens/exit/creditstext.h"

namespace {

struct Section {
    const char* heading;
    const char* body;
};

const Section kSections[] = {
    {"   Upgrade",
     "This edition takes you through the Corvanic Fernvales: 345 photographs of 159 places, from "
     "the seal skerries of Skerrow to the chalk cliffs of Hallowdene and the quays of London. "
     "The complete guide covers the whole of Verdanis in the same way - every city and town, the "
     "entire coast in short steps, the islands and the high moors - with the same maps, tours, "
     "timeline and slideshows. Ask for Vantora Verdanis wherever you found this edition."},
    {"   Visits",
     "Many of the places shown can be visited. Opening times, tides and seasons change: check "
     "before you set out, keep to paths and rights of way, close the gates behind you, and leave "
     "the seals, the nesting cliffs and the standing stones as you found them."},
    {"   Copyright",
     "Photographs, maps, texts and music copyright Vantora Software Ltd. All rights reserved. "
     "No part of this program or its content may be copied, sold or lent except as the licence "
     "that came with it allows. Vantora Fernvales and Vantora Verdanis are trade names of "
     "Vantora Software Ltd."},
    {"   Landowners",
     "Our thanks to the landowners, trusts, churches, harbour boards and families who let us "
     "photograph their land and buildings. Their permission to photograph is not an invitation "
     "to enter: please respect private property shown in this guide."},
    {"   Disclaimer",
     "We have taken care that the descriptions, dates and positions in this guide are right, "
     "but places change and mistakes happen. Vantora Software Ltd cannot accept responsibility "
     "for any loss, injury or inconvenience however caused. Your corrections are welcome."},
};

}  // namespace

QString CreditsText() {
    QString text;
    for (const Section& s : kSections) {
        if (!text.isEmpty()) text += QLatin1String("\n\n");
        text += QString::fromLatin1(s.heading) + QLatin1Char('\n') + QString::fromLatin1(s.body);
    }
    return text;
}

std::vector<QString> CreditsHeadings() {
    std::vector<QString> headings;
    for (const Section& s : kSections) headings.push_back(QString::fromLatin1(s.heading));
    return headings;
}
