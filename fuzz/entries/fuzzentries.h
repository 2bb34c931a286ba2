// What each fuzz target does with one input: it hands the bytes to one of the program's readers
// the way the program does, then uses whatever was read. Each returns false when a result
// breaks what the rest of the program relies on: the fuzz targets stop on that, and the
// regression tests assert it.
#pragma once

#include <cstddef>
#include <cstdint>

// The whole table file, loaded, then every query of the content layer run on it.
bool FuzzTableFile(const uint8_t* data, size_t size);
// First byte: bit 0 set announces a portrait view. The rest: a scrambled photograph file.
bool FuzzPhotograph(const uint8_t* data, size_t size);
// A scrambled bitmap file, loaded as a map tile and as a mini map.
bool FuzzBitmap(const uint8_t* data, size_t size);
// A music file.
bool FuzzMidiFile(const uint8_t* data, size_t size);
// A free text file, read as either of the two texts.
bool FuzzTextFile(const uint8_t* data, size_t size);

struct FuzzEntry {
    const char* name;  // of the target, its seed corpus and its regression inputs
    bool (*run)(const uint8_t* data, size_t size);
};
constexpr FuzzEntry kFuzzEntries[] = {
    {"table", FuzzTableFile}, {"photograph", FuzzPhotograph}, {"bitmap", FuzzBitmap},
    {"midi", FuzzMidiFile},   {"text", FuzzTextFile},
};
