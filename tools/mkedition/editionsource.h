// An edition as its author writes it: places with their views, before anything is derived.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/mkedition/scenes/sceneline.h"

struct SourceView {
    std::string title;    // Latin-1
    std::string caption;  // Latin-1
    int year = 0;
    uint32_t topicMaskA = 0;
    uint32_t topicMaskB = 0;
    bool portrait = false;
    std::string picCode;  // four letters or digits; empty = assigned by the builder
    std::string photo;    // a JPEG file relative to the source folder; empty = none
    SceneLine scene;      // what its painted photograph shows
    bool hasScene = false;
    int line = 0;  // where it stands in the source, for messages
};

struct SourcePlace {
    std::string name;  // Latin-1, starts with two letters
    int x = 0;
    int y = 0;
    bool inStandardShow = false;
    std::vector<SourceView> views;
    int line = 0;
};

struct MapBox {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct CoastStop {
    std::string name;
    int line = 0;
};

struct EditionSource {
    std::string ident = "Vantora Fernvales edition";
    int rowCount = 4864;
    int columnCount = 3072;
    MapBox londonBox;
    std::vector<SourcePlace> places;
    std::vector<CoastStop> coastOrder;  // clockwise, the first the northernmost place
};
