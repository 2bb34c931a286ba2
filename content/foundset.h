// The found set: the places matched by the last search, timeline or tour selection,
// held in the link arrays of the content store in place order and in east-west order (or, after
// ApplyTourOrder, in the tour order of the content store's TourTable).
#pragma once

#include <cstdint>

// The tour consistency error, with the place index for %d.
extern const char kListMismatchFormat[];

// True when the place belongs to the found set (a one-place set is its own head).
bool IsInFoundSet(int place);

// True when the found set is not empty.
bool HasFoundSet();

// The found set becomes the places with a view dated from first to last (both included); every
// view's FoundMark says whether it is. Returns the number of places, or -1 (nothing changed)
// when first >= last.
int SelectYears(int first, int last);

// The found set becomes the places with a view whose (TopicMaskA AND maskA) OR (TopicMaskB AND
// maskB) is not zero; every view's FoundMark says whether it is. Returns the number of places,
// or -1 (nothing changed) when both masks are 0.
int SelectTopics(uint32_t maskA, uint32_t maskB);

// Links the tour stops into a closed ring through the east-west links and sets TourOrderActive.
// A stop outside the found set is reported ("List mis-match") and linked all the same; a stop
// that names no place of the table is reported and left out of the ring.
void ApplyTourOrder();
