// The tours of the Tour page: their captions, the topic bits each selects, which can be
// chosen, and how the arrow keys move between their panels.
#pragma once

#include <cstdint>

constexpr int kTourCount = 34;
constexpr int kTourColumns = 5;
constexpr int kCoastTour = 5;

// A tour that cannot be chosen shows its captions in grey or in silver.
enum class TourState { Open, Grey, Silver };

struct TourTopic {
    const char* line1;
    const char* line2;  // nullptr: one caption line
    uint32_t maskA;     // tested against a view's TopicMaskA
    uint32_t maskB;     // tested against a view's TopicMaskB
    TourState state;
    bool enabled() const { return state == TourState::Open; }
};

extern const TourTopic kTourTopics[kTourCount];

enum class TourKey { Enter, Left, Up, Right, Down };

// The panel a key moves the choice to from the chosen one (-1: none chosen), or -1 when the
// key goes nowhere. Whether that panel can be chosen is the caller's business.
int TourKeyTarget(TourKey key, int selected);
