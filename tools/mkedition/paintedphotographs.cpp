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

SceneRequest requestFor(const ViewRecord& view) {
    const std::string name = PlaceNameOfView(view);
    const int titleLength = view.CaptionStart - 2 - view.NameEnd;
    const std::string title(view.Text + view.NameEnd, titleLength > 0 ? titleLength : 0);
    return SceneRequest{view.isPortrait(), view.TopicMaskA, view.TopicMaskB, view.Year,
                        SceneSeed(name, title)};
}

PaintedFile paint(const ViewRecord& view) {
    const std::string relative = PictureFileNameOfCode(view.PicCode);
    return PaintedFile{relative, ScramblePhotograph(EncodeJpeg(PaintScene(requestFor(view))),
                                                    BarePictureName(relative))};
}

}  // namespace

bool WritePaintedPhotographs(const BuiltEdition& edition, const std::string& outDir,
                             std::string& error) {
    std::set<int> fromFiles;
    for (const ViewPhoto& photo : edition.photos) fromFiles.insert(photo.view);
    std::vector<ViewRecord> toPaint;
    for (size_t v = 0; v < edition.image.views.size(); ++v) {
        if (!fromFiles.count(static_cast<int>(v))) toPaint.push_back(edition.image.views[v]);
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
