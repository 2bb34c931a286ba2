#include "content/datatables.h"

namespace {

ContentStore& store() {
    static ContentStore instance;
    return instance;
}

}  // namespace

ContentStore& Content() { return store(); }

int ContentStore::groupEnd(int firstView) const {
    const int next = ViewTable[firstView].NextGroup;
    return next < 0 ? ViewCount : next;
}

void ReleaseContent() {
    ContentStore& c = Content();
    c.StartHereText.reset();
    c.ExtraText.reset();
    c.RowIndex.reset();
    c.NameIndex.reset();
    c.EastWestTable.reset();
    c.PlaceTable.reset();
    c.ViewTable.reset();
    c.FoundLinks.reset();
    c.ShowLinks.reset();
    TourTable tour = c.Tour;
    c = ContentStore();
    c.Tour = tour;
}

std::string PictureFileName(int view) {
    return PictureFileNameOfCode(Content().view(view).PicCode);
}

std::string PictureFileNameOfCode(const char* code) {
    std::string path;
    path += code[0];
    path += '\\';
    path += code[0];
    path += code[1];
    path += "\\P0";
    path += code[2];
    path += code[3];
    path += ".JPG";
    return path;
}

std::string PlaceNameOfView(const ViewRecord& view) {
    const int length = view.NameEnd >= 2 ? view.NameEnd - 2 : 0;
    return std::string(view.Text, length);
}

std::string TitleOfView(const ViewRecord& view) {
    const int length = view.CaptionStart - 2 - view.NameEnd;
    return length > 0 ? std::string(view.Text + view.NameEnd, length) : std::string();
}

std::string PlaceName(int place) {
    return PlaceNameOfView(Content().view(Content().firstViewOf(place)));
}

void FillPlaceNames(std::vector<std::string>& names) {
    names.clear();
    const ContentStore& c = Content();
    if (!c.loaded()) return;
    int v = 0;
    while (v >= 0 && v < c.ViewCount) {
        names.push_back(PlaceNameOfView(c.view(v)));
        const int next = c.view(v).NextGroup;
        if (next <= v) break;  // the loader guarantees a rising chain; never loop regardless
        v = next;
    }
}
