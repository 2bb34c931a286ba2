// Record layouts of the table file, byte for byte as stored (little-endian).
#pragma once

#include <cstddef>
#include <cstdint>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the table file is read in place");

// PlaceFlags
constexpr uint8_t kPlaceInStandardShow = 0x20;
// PlaceFlags2
constexpr uint8_t kPlaceHasNorth = 0x01;
constexpr uint8_t kPlaceHasSouth = 0x02;
constexpr uint8_t kPlaceHasEast = 0x04;
constexpr uint8_t kPlaceHasWest = 0x08;
constexpr uint8_t kPlaceOnLondonInset = 0x10;

// First byte of TopicMaskA
constexpr uint8_t kViewInTourShow = 0x40;
// First byte of TopicMaskB
constexpr uint8_t kViewInStandardShow = 0x20;
constexpr uint8_t kViewPortrait = 0x40;
constexpr uint8_t kViewFoundMark = 0x80;

constexpr int kViewTextSize = 220;

struct PlaceRecord {
    int16_t x;
    int16_t y;
    uint8_t reserved4[4];
    uint8_t PlaceFlags;
    uint8_t PlaceFlags2;
    uint8_t reserved10[2];
    int16_t FirstView;
    uint8_t reserved14[2];
    int16_t EastWestPos;
    uint8_t reserved18[6];
};

struct EastWestEntry {
    int16_t x;
    int16_t y;
    int16_t place;
};

struct ViewRecord {
    char Text[kViewTextSize];
    char PicCode[4];
    uint32_t TopicMaskA;
    uint32_t TopicMaskB;
    int16_t Place;
    uint8_t NameEnd;
    uint8_t CaptionStart;
    int16_t Year;
    int16_t NextGroup;

    // The flag bytes are the first (lowest) bytes of the two masks.
    uint8_t maskAByte0() const { return static_cast<uint8_t>(TopicMaskA & 0xFF); }
    uint8_t maskBByte0() const { return static_cast<uint8_t>(TopicMaskB & 0xFF); }
    bool isPortrait() const { return (maskBByte0() & kViewPortrait) != 0; }
    bool hasFoundMark() const { return (maskBByte0() & kViewFoundMark) != 0; }
    void setFoundMark(bool on) {
        if (on)
            TopicMaskB |= kViewFoundMark;
        else
            TopicMaskB &= ~static_cast<uint32_t>(kViewFoundMark);
    }
};

static_assert(sizeof(PlaceRecord) == 24, "PlaceRecord is 24 bytes");
static_assert(offsetof(PlaceRecord, PlaceFlags) == 8 && offsetof(PlaceRecord, FirstView) == 12 &&
                  offsetof(PlaceRecord, EastWestPos) == 16,
              "PlaceRecord field offsets");
static_assert(sizeof(EastWestEntry) == 6, "EastWestEntry is 6 bytes");
static_assert(sizeof(ViewRecord) == 240, "ViewRecord is 240 bytes");
static_assert(offsetof(ViewRecord, PicCode) == 220 && offsetof(ViewRecord, TopicMaskA) == 224 &&
                  offsetof(ViewRecord, TopicMaskB) == 228 && offsetof(ViewRecord, Place) == 232 &&
                  offsetof(ViewRecord, NameEnd) == 234 &&
                  offsetof(ViewRecord, CaptionStart) == 235 && offsetof(ViewRecord, Year) == 236 &&
                  offsetof(ViewRecord, NextGroup) == 238,
              "ViewRecord field offsets");
