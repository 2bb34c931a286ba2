#include "tools/mkedition/sceneslisting.h"

#include <algorithm>

#include "content/datatables.h"
#include "tools/mkedition/scenes/sceneline.h"

std::string ScenesListing(const BuiltEdition& edition) {
    std::string listing;
    for (size_t v = 0; v < edition.image.views.size() && v < edition.scenes.size(); ++v) {
        const ViewRecord& view = edition.image.views[v];
        const SceneLine& scene = edition.scenes[v];
        listing += std::string(view.PicCode, 4) + "\t" + TitleOfView(view) + "\t";
        if (std::any_of(edition.photos.begin(), edition.photos.end(),
                        [v](const ViewPhoto& photo) { return photo.view == int(v); })) {
            listing += "photograph file\n";
            continue;
        }
        listing += DescribeScene(scene) + "\n";
    }
    return listing;
}
