#include "screens/home/tourtopics.h"

const TourTopic kTourTopics[kTourCount] = {
    {"Artwork", nullptr, 0x4, 0, TourState::Open},
    {"Beautiful Verdanis", nullptr, 0, 0x20, TourState::Open},
    {"Big Industry", nullptr, 0x10, 0, TourState::Open},
    {"Business Centres", nullptr, 0x8, 0, TourState::Open},
    {"Castles", nullptr, 0x20, 0, TourState::Open},
    {"Coast", nullptr, 0x40, 0, TourState::Open},
    {"Crime and Punishment", nullptr, 0x80000, 0, TourState::Open},
    {"Distant Views", nullptr, 0x80, 0, TourState::Open},
    {"Famous Sights", nullptr, 0x10000, 0, TourState::Open},
    {"Festivals", nullptr, 0x200, 0, TourState::Grey},
    {"Film, TV and Press", nullptr, 0x200000, 0, TourState::Open},
    {"Gardens and Parks", nullptr, 0x800, 0, TourState::Open},
    {"Government", nullptr, 0x400, 0, TourState::Silver},
    {"Great Artists", nullptr, 0x1, 0, TourState::Open},
    {"Historic Monuments", nullptr, 0x4000, 0, TourState::Open},
    {"Historic Towns", nullptr, 0x2000, 0, TourState::Open},
    {"Hospitals", nullptr, 0x1000, 0, TourState::Silver},
    {"Hotels + Restaurants", nullptr, 0x8000, 0, TourState::Open},
    {"Landscape Views", nullptr, 0x40000, 0, TourState::Open},
    {"Mazes", nullptr, 0x400000, 0, TourState::Grey},
    {"Museums + Exhibitions", nullptr, 0x100000, 0, TourState::Open},
    {"Old Transport", nullptr, 0x40000000, 0, TourState::Open},
    {"Oxford and Cambridge", "Universities", 0, 0x6, TourState::Silver},
    {"Police and the", "Military", 0x800000, 0, TourState::Open},
    {"Record Breakers", nullptr, 0x100, 0, TourState::Open},
    {"Royal Connections", nullptr, 0x2000000, 0, TourState::Open},
    {"Shops and Markets", nullptr, 0x8000000, 0, TourState::Open},
    {"Sporting Centres", nullptr, 0x10000000, 0, TourState::Open},
    {"Stately Homes", nullptr, 0x4000000, 0, TourState::Open},
    {"Theatres, Cinemas", "and Concert Halls", 0x20000000, 0, TourState::Open},
    {"Transport", nullptr, 0x80000000, 0, TourState::Open},
    {"Universities and", "Schools", 0, 0x1, TourState::Open},
    {"Worship", nullptr, 0, 0x8, TourState::Open},
    {"Zoos", nullptr, 0, 0x10, TourState::Open},
};

int TourKeyTarget(TourKey key, int i) {
    switch (key) {
        case TourKey::Enter:
            return i >= 0 ? i : -1;
        case TourKey::Left:
            return i > 0 && i % kTourColumns != 0 ? i - 1 : -1;
        case TourKey::Up:
            return i >= kTourColumns ? i - kTourColumns : -1;
        case TourKey::Right:
            // From no choice this is the first panel.
            return i < kTourCount - 1 && i % kTourColumns != kTourColumns - 1 ? i + 1 : -1;
        case TourKey::Down:
            return i >= 0 && i < kTourCount - kTourColumns ? i + kTourColumns : -1;
    }
    return -1;
}
