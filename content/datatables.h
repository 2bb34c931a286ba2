// The content store: the tables read from the table file, the two free texts, and the
// found-set and show-list links threaded through them. Loaded once, then read by index.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "content/btabformat.h"
#include "content/records.h"

struct FoundLink {
    int16_t FoundPrev;
    int16_t FoundNext;
    int16_t FoundEastNext;
    int16_t FoundWestPrev;
};
static_assert(sizeof(FoundLink) == 8, "FoundLink is 8 bytes");

struct ShowLink {
    int16_t ShowPrev;
    int16_t ShowNext;
};
static_assert(sizeof(ShowLink) == 4, "ShowLink is 4 bytes");

constexpr int kTourCapacity = 102;

// The coast tour: stops in clockwise order, held by the program (generated with the edition
// it belongs to and installed at start-up), so it is not part of the table file.
struct TourTable {
    int16_t places[kTourCapacity] = {};
    int count = 0;
};

struct ContentStore {
    int ViewCount = 0;
    int PlaceCount = 0;
    int RowCount = 0;
    int ColumnCount = 0;

    std::unique_ptr<ViewRecord[]> ViewTable;
    std::unique_ptr<PlaceRecord[]> PlaceTable;
    std::unique_ptr<EastWestEntry[]> EastWestTable;
    std::unique_ptr<int16_t[]> NameIndex;
    std::unique_ptr<int16_t[]> RowIndex;

    int32_t LondonPlaces[btab::kMaxLondonPlaces] = {};
    int LondonPlaceCount = 0;

    std::optional<std::string> ExtraText;
    std::optional<std::string> StartHereText;

    // Found set
    std::unique_ptr<FoundLink[]> FoundLinks;
    int16_t FoundHead = -1;
    int16_t FoundTail = -1;
    int16_t FoundEastHead = -1;
    int16_t FoundEastTail = -1;
    int FoundGeneration = 0;
    bool TourOrderActive = false;

    // Show list
    std::unique_ptr<ShowLink[]> ShowLinks;
    int16_t ShowHead = -1;
    int16_t ShowTail = -1;
    int ShowCount = 0;
    int ShowKind = -1;
    int ShowGeneration = -1;
    int ShowStart = -1;

    TourTable Tour;

    bool loaded() const { return ViewTable != nullptr; }
    const PlaceRecord& place(int p) const { return PlaceTable[p]; }
    const ViewRecord& view(int v) const { return ViewTable[v]; }
    // One past the last view of the group that starts at firstView.
    int groupEnd(int firstView) const;
    // First view and end of a place's views.
    int firstViewOf(int p) const { return PlaceTable[p].FirstView; }
    int viewEndOf(int p) const { return groupEnd(PlaceTable[p].FirstView); }
};

ContentStore& Content();

// Frees every table and text; the tour table is kept (it belongs to the program).
void ReleaseContent();

// The relative picture path of a view, with backslashes: c0\c0c1\P0c2c3.JPG
std::string PictureFileName(int view);
// The same from the four PicCode characters (mkedition writes the files there).
std::string PictureFileNameOfCode(const char* code);

// The place name of each group in alphabetical order.
void FillPlaceNames(std::vector<std::string>& names);

// The place name of a view's heading (Text[0 .. NameEnd-3]).
std::string PlaceNameOfView(const ViewRecord& view);
// The title of a view's heading (Text[NameEnd .. CaptionStart-3]).
std::string TitleOfView(const ViewRecord& view);
// The name of a place: that of its first view's heading.
std::string PlaceName(int place);
