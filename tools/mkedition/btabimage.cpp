#include "tools/mkedition/btabimage.h"

#include <cstring>

#include "content/btabformat.h"

namespace {

void append(std::vector<uint8_t>& out, const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

template <typename T>
void appendSection(std::vector<uint8_t>& out, const std::vector<T>& records, bool scrambled) {
    const size_t start = out.size();
    append(out, records.data(), records.size() * sizeof(T));
    if (scrambled) btab::scrambleSection(out.data() + start, out.size() - start);
}

}  // namespace

std::vector<uint8_t> WriteBTab(const BTabImage& image) {
    std::vector<uint8_t> out;
    append(out, image.ident.c_str(), image.ident.size() + 1);
    append(out, image.headerTag.data(), 4);
    const int32_t counts[4] = {image.viewCount, image.placeCount, image.rowCount,
                               image.columnCount};
    append(out, counts, sizeof counts);
    append(out, image.sectionTags[0].data(), 4);
    appendSection(out, image.nameIndex, false);
    append(out, image.sectionTags[1].data(), 4);
    appendSection(out, image.rowIndex, false);
    append(out, image.sectionTags[2].data(), 4);
    appendSection(out, image.eastWest, true);
    append(out, image.sectionTags[3].data(), 4);
    appendSection(out, image.places, true);
    append(out, image.sectionTags[4].data(), 4);
    appendSection(out, image.views, true);
    append(out, image.sectionTags[5].data(), 4);
    return out;
}
