// A fixture for the detailed map, its key and the London inset: an edition of 60 places with
// three in central London, an empty corner far from every place, and a set of places that
// SelectFoundSet() makes the found set; its table and tiles are written once per test suite.
// Each test starts as a ScreenTest does, with the content loaded.
#pragma once

#include <QPoint>
#include <string>

#include "tests/support/screenfixture.h"

class MapTest : public ScreenTest {
  public:
    // Source indices
    static constexpr int kPlainPlaces = 60;
    static constexpr int kLondonA = 60;
    static constexpr int kLondonB = 61;
    static constexpr int kLondonC = 62;
    // Plain places outside and inside the found set.
    static constexpr int kOutsideSet = 5;
    static constexpr int kInsideSet = 8;
    // A point with no place within 150 map units.
    static constexpr QPoint kEmptyCorner{300, 370};

    // Source places of the found set: every fourth plain place and London A.
    static bool inFoundSet(int source);

  protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static const std::string& dataDir();
    // The table index of a source place.
    int place(int source) const;
    QPoint position(int source) const;
    void SelectFoundSet() const;
};
