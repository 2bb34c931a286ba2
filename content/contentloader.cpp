#include "content/contentloader.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "content/contenthost.h"
#include "content/datatables.h"
#include "content/tablecheck.h"
#include "content/textfiles.h"

const char kCannotReadDataFile[] = "Cannot read data file - is APPNAME correctly installed?";
const char kDataFileNotUnderstood[] = "Data file not understood - is APPNAME correctly installed?";
const char kOutOfMemory[] =
    "Out of memory - quit other applications or switch screen to 800 x 600 then try again";

namespace {

constexpr int kExtraTextLimit = 255;
constexpr int kStartHereLimit = 199;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

bool countInRange(int32_t value, int minimum) {
    return value >= minimum && value <= btab::kMaxCount;
}

template <typename T>
std::unique_ptr<T[]> allocate(int count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[static_cast<size_t>(count)]);
}

bool readTag(std::FILE* file, const char (&expected)[4]) {
    char tag[4];
    return std::fread(tag, 1, 4, file) == 4 && std::memcmp(tag, expected, 4) == 0;
}

// A short read leaves the rest unset; the tag check that follows then fails.
void readSection(std::FILE* file, void* into, size_t bytes, bool scrambled) {
    const size_t got = std::fread(into, 1, bytes, file);
    if (scrambled) btab::scrambleSection(static_cast<uint8_t*>(into), got);
}

bool readHeader(std::FILE* file, int32_t counts[4]) {
    char head[btab::kIdentWindow] = {};
    const size_t got = std::fread(head, 1, sizeof head, file);
    const size_t n = strnlen(head, got);
    if (n + 5 > got || std::memcmp(head + n + 1, btab::kTagHeader, 4) != 0) return false;
    if (std::fseek(file, static_cast<long>(n + 5), SEEK_SET) != 0) return false;
    if (std::fread(counts, sizeof(int32_t), 4, file) != 4) return false;
    return countInRange(counts[0], btab::kMinViews) && countInRange(counts[1], btab::kMinPlaces) &&
           countInRange(counts[2], btab::kMinRows) && countInRange(counts[3], btab::kMinColumns);
}

LoadError readTables(std::FILE* file, ContentStore& s) {
    int32_t counts[4];
    if (!readHeader(file, counts)) return LoadError::NotUnderstood;
    s.ViewCount = counts[0];
    s.PlaceCount = counts[1];
    s.RowCount = counts[2];
    s.ColumnCount = counts[3];

    s.ViewTable = allocate<ViewRecord>(s.ViewCount);
    s.PlaceTable = allocate<PlaceRecord>(s.PlaceCount);
    s.EastWestTable = allocate<EastWestEntry>(s.PlaceCount);
    s.NameIndex = allocate<int16_t>(btab::kNameIndexEntries);
    s.RowIndex = allocate<int16_t>(s.RowCount);
    if (!s.ViewTable || !s.PlaceTable || !s.EastWestTable || !s.NameIndex || !s.RowIndex)
        return LoadError::OutOfMemory;

    if (!readTag(file, btab::kTagIndex)) return LoadError::NotUnderstood;
    readSection(file, s.NameIndex.get(), btab::kNameIndexEntries * sizeof(int16_t), false);
    if (!readTag(file, btab::kTagIndex)) return LoadError::NotUnderstood;
    readSection(file, s.RowIndex.get(), static_cast<size_t>(s.RowCount) * sizeof(int16_t), false);
    if (!readTag(file, btab::kTagEastWest)) return LoadError::NotUnderstood;
    readSection(file, s.EastWestTable.get(),
                static_cast<size_t>(s.PlaceCount) * sizeof(EastWestEntry), true);
    if (!readTag(file, btab::kTagPlaces)) return LoadError::NotUnderstood;
    readSection(file, s.PlaceTable.get(), static_cast<size_t>(s.PlaceCount) * sizeof(PlaceRecord),
                true);
    if (!readTag(file, btab::kTagViews)) return LoadError::NotUnderstood;
    readSection(file, s.ViewTable.get(), static_cast<size_t>(s.ViewCount) * sizeof(ViewRecord),
                true);
    if (!readTag(file, btab::kTagEnd)) return LoadError::NotUnderstood;
    return TablesAreSound(s) ? LoadError::None : LoadError::NotUnderstood;
}

void buildLondonPlaces(ContentStore& s) {
    s.LondonPlaceCount = 0;
    for (int p = 0; p < s.PlaceCount; ++p) {
        if (s.PlaceTable[p].PlaceFlags2 & kPlaceOnLondonInset)
            s.LondonPlaces[s.LondonPlaceCount++] = p;  // at most 20: checked with the tables
    }
}

bool allocateLinks(ContentStore& s) {
    s.FoundLinks = allocate<FoundLink>(s.PlaceCount);
    s.ShowLinks = allocate<ShowLink>(s.PlaceCount);
    if (!s.FoundLinks || !s.ShowLinks) return false;
    for (int p = 0; p < s.PlaceCount; ++p) {
        s.FoundLinks[p] = FoundLink{-1, -1, -1, -1};
        s.ShowLinks[p] = ShowLink{-1, -1};
    }
    s.FoundHead = s.FoundTail = s.FoundEastHead = s.FoundEastTail = -1;
    s.ShowHead = s.ShowTail = -1;
    return true;
}

void fail(const char* message) {
    ReleaseContent();
    Host().stopStartup();
    Host().showError(message);
    Host().shutdown();
}

}  // namespace

LoadError ReadContentTables(const std::string& dataDir) {
    ReleaseContent();
    ContentStore& store = Content();
    File file(std::fopen((dataDir + btab::kFileName).c_str(), "rb"), &std::fclose);
    if (!file) return LoadError::CannotOpen;
    const LoadError error = readTables(file.get(), store);
    if (error != LoadError::None) {
        ReleaseContent();
        return error;
    }
    buildLondonPlaces(store);
    return LoadError::None;
}

void LoadContent(const std::string& dataDir) {
    ContentStore& store = Content();
    switch (ReadContentTables(dataDir)) {
        case LoadError::CannotOpen:
            return fail(kCannotReadDataFile);
        case LoadError::NotUnderstood:
            return fail(kDataFileNotUnderstood);
        case LoadError::OutOfMemory:
            return fail(kOutOfMemory);
        case LoadError::None:
            break;
    }
    store.ExtraText = ReadFirstLine(dataDir + "ExtraText.txt", kExtraTextLimit);
    store.StartHereText = ReadFirstLine(dataDir + "StartHere.txt", kStartHereLimit);
    if (!allocateLinks(store)) fail(kOutOfMemory);
}
