#include "tests/support/islandmap.h"

const char kIslandMap[] = R"(land Testland
  100 100  700 100
  shore Aport, Testshire .. Cport, Testshire
  700 900  100 900
county Testshire
  300 50  950 50  950 950  300 950
river 2 Test Water
  380 300  420 500  430 622  470 624
hills 120 400
  500 300  600 350
label sea 950 500 East Sea
london-street 1
  400 610  464 612
london-park Green
  402 630  412 630  412 640  402 640
)";

const char kIslandTowns[] = "# outside the county\n200 500 Hamlet\n";

namespace {

SourcePlace place(const std::string& name, int x, int y, int index) {
    SourcePlace p;
    p.name = name;
    p.x = x;
    p.y = y;
    p.line = 4 * index + 1;
    return p;
}

}  // namespace

EditionSource IslandEdition() {
    EditionSource edition;
    edition.columnCount = 1024;
    edition.rowCount = 1024;
    edition.londonBox = MapBox{400, 600, 463, 645};
    edition.places = {
        place("Aport, Testshire", 800, 200, 0),  place("Bport, Testshire", 800, 500, 1),
        place("Cport, Testshire", 800, 800, 2),  place("Inland, Testshire", 450, 500, 3),
        place("London, Northgate", 420, 612, 4), place("London, Southgate", 440, 634, 5)};
    edition.coastOrder = {
        {"Aport, Testshire", 1}, {"Bport, Testshire", 2}, {"Cport, Testshire", 3}};
    return edition;
}
