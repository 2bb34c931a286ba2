#include "tools/mkedition/paintedphotographs.h"

#include <QtConcurrent/QtConcurrentMap>
#include <filesystem>
#include <set>

#include "content/datatables.h"
#include "content/picturepaths.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/photographs.h"
#include "tools/mkedition/scenes/scenepainter.h"

namespace {

struct PaintedFile {
    std::string relativePath;
    std::vector<uint8_t> scrambled;
};

struct ViewToPaint {
    ViewRecord view;
    SceneLine scene;
};

SceneRequest requestFor(const ViewToPaint& each) {
    const ViewRecord& view = each.view;
    return SceneRequest{view.isPortrait(), each.scene, view.Year,
                        SceneSeed(PlaceNameOfView(view), TitleOfView(view))};
}

PaintedFile paint(const ViewToPaint& each) {
    const std::string relative = PictureFileNameOfCode(each.view.PicCode);
    return PaintedFile{relative, ScramblePhotograph(EncodeJpeg(PaintScene(requestFor(each))),
                                                    BarePictureName(relative))};
}

}  // namespace

bool WritePaintedPhotographs(const BuiltEdition& edition, const std::string& outDir,
                             std::string& error) {
    std::set<int> fromFiles;
    for (const ViewPhoto& photo : edition.photos) fromFiles.insert(photo.view);
    std::vector<ViewToPaint> toPaint;
    for (size_t v = 0; v < edition.image.views.size(); ++v) {
        if (!fromFiles.count(static_cast<int>(v)))
            toPaint.push_back({edition.image.views[v],
                               v < edition.scenes.size() ? edition.scenes[v] : SceneLine{}});
    }
    // Painting is most of an edition's build time; the pictures are independent of each other.
    const QList<PaintedFile> painted =
        QtConcurrent::blockingMapped<QList<PaintedFile>>(toPaint, paint);
    for (const PaintedFile& file : painted) {
        const std::filesystem::path target = NativePicturePath(outDir + "/", file.relativePath);
        std::error_code ignored;
        std::filesystem::create_directories(target.parent_path(), ignored);
        if (file.scrambled.empty() || !WriteIfChanged(target.string(), file.scrambled)) {
            error = "cannot write " + target.string();
            return false;
        }
    }
    return true;
}
