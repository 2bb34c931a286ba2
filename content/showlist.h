// The show list that drives slideshows: places threaded through the show links of
// the content store, with the views each kind of show visits.
#pragma once

constexpr int kShowNone = -1;
constexpr int kShowStandard = 0;  // places with PlaceFlags 0x20, views with TopicMaskB 0x20
constexpr int kShowTour = 1;      // the tour stops as a ring, views with TopicMaskA 0x40
constexpr int kShowAll = 2;       // every place, its first view
constexpr int kShowFoundSet = 3;  // the found set, its marked views

// Builds the list of a kind: the tour stops as a closed ring in tour order, or the chosen
// places in index order. Places that are not on the list have both links -1.
void BuildShowList(int kind);

// True when the list holds a place.
bool HasShowList();

// The slideshow's step on from a place: takes the place off the list and returns the next
// place to show (the tour successor, or the nearest place still on the list). When the list
// is down to its last place it is rebuilt: the place itself is returned when the list holds
// only that one, else ShowStart. -1 when no list was ever built.
int TakeFromShowList(int place);

// The next view of the place for the current kind after previous (-1: from the first), or -1.
int NextShowView(int place, int previous);
