// The timeline's periods: ten eras of history, and a window one era wide that slides through
// them in quarter-era steps as the strip scrolls.
#pragma once

#include <string>

constexpr int kEraCount = 10;
constexpr int kEraWidth = 200;        // strip pixels per era
constexpr int kLastPosition = 1800;   // the newest era centred
constexpr int kOpenStart = -1000000;  // the first period reaches back without limit

// Era boundary years, BC negative: era k runs from kPeriodBounds[k] to kPeriodBounds[k + 1].
extern const int kPeriodBounds[kEraCount + 1];
extern const char* const kEraCaptions[kEraCount];
extern const char* const kBoundaryLabels[kEraCount - 1];

struct Period {
    int from;
    int to;
};

// The period shown at a scroll position: 0 to 36.
int PeriodIndexAt(int position);
// The years of a period, the first one open at its start.
Period PeriodOf(int periodIndex);
// "---" for the open start, "%d BC" for a year before Christ, "%d" otherwise.
std::string YearText(int year);
