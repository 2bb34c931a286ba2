#include "screens/home/timelineperiods.h"

#include <algorithm>

const int kPeriodBounds[kEraCount + 1] = {-4000, -55,  410,  1066, 1154, 1485,
                                          1603,  1714, 1811, 1902, 2000};

const char* const kEraCaptions[kEraCount] = {"Stone, bronze and iron ages",
                                             "Roman Verdanis",
                                             "Anglo-Saxon kingdoms",
                                             "Norman knights rule",
                                             "Medieval duty and worship",
                                             "Tudor changes",
                                             "Civil war and renewal",
                                             "Georgian elegance",
                                             "Industrial power",
                                             "Dash for technology"};

const char* const kBoundaryLabels[kEraCount - 1] = {"55BC", "410",  "1066", "1154", "1485",
                                                    "1603", "1714", "1811", "1902"};

int PeriodIndexAt(int position) { return (std::clamp(position, 0, kLastPosition) + 25) / 50; }

Period PeriodOf(int periodIndex) {
    const int k = periodIndex / 4;
    const int q = periodIndex % 4;
    const int* b = kPeriodBounds;
    Period period{};
    period.from = periodIndex == 0 ? kOpenStart : b[k] + q * (b[k + 1] - b[k]) / 4;
    // The last period is the last era itself (quarter 0): no bound after it is read.
    period.to = b[k + 1] + (q == 0 ? 0 : q * (b[k + 2] - b[k + 1]) / 4);
    return period;
}

std::string YearText(int year) {
    if (year == kOpenStart) return "---";
    if (year < 0) return std::to_string(-year) + " BC";
    return std::to_string(year);
}
