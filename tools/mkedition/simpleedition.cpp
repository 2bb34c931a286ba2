#include "tools/mkedition/simpleedition.h"

#include <random>
#include <string>

EditionSource SimpleEdition(int places, int viewsPerPlace, uint32_t seed) {
    EditionSource source;
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> xs(0, source.columnCount - 1);
    std::uniform_int_distribution<int> ys(40, 4839);
    for (int p = 0; p < places; ++p) {
        SourcePlace place;
        // Two letters from the index, so name order and y order differ.
        place.name = std::string{static_cast<char>('A' + (p * 7) % 26),
                                 static_cast<char>('a' + (p / 26) % 26)} +
                     "place " + std::to_string(p) + ", Testshire";
        place.x = xs(random);
        place.y = ys(random);
        place.line = p + 1;
        for (int v = 0; v < viewsPerPlace; ++v) {
            SourceView view;
            view.title = "View " + std::to_string(v + 1);
            view.caption =
                "Caption of view " + std::to_string(v + 1) + " at place " + std::to_string(p) + ".";
            view.year = 1500 + (p * 13 + v * 7) % 500;
            view.line = p + 1;
            place.views.push_back(view);
        }
        source.places.push_back(place);
    }
    return source;
}
