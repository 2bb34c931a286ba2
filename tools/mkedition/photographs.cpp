#include "tools/mkedition/photographs.h"

#include <QImage>
#include <filesystem>

#include "content/datatables.h"
#include "content/keyruns.h"
#include "content/picturepaths.h"
#include "content/pictures.h"
#include "tools/mkedition/jpegcodec.h"
#include "tools/mkedition/outputfiles.h"

namespace {

std::string sizeText(int width, int height) {
    return std::to_string(width) + " x " + std::to_string(height);
}

bool writePhotograph(const ViewRecord& view, const ViewPhoto& photo, const std::string& sourceDir,
                     const std::string& outDir, std::string& error) {
    const std::string at = sourceDir + "/places.txt: line " + std::to_string(photo.line) + ": ";
    std::vector<uint8_t> jpeg;
    if (!ReadFileBytes(sourceDir + "/" + photo.file, jpeg)) {
        error = at + "cannot read photograph " + photo.file;
        return false;
    }
    QImage decoded;
    if (!DecodeJpeg(jpeg, decoded)) {
        error = at + photo.file + " is not a JPEG image";
        return false;
    }
    const int width = view.isPortrait() ? kPortraitWidth : kLandscapeWidth;
    const int height = view.isPortrait() ? kPortraitHeight : kLandscapeHeight;
    if (decoded.width() != width || decoded.height() != height) {
        error = at + photo.file + " is " + sizeText(decoded.width(), decoded.height()) +
                ", the view needs " + sizeText(width, height);
        return false;
    }
    const std::string relative = PictureFileNameOfCode(view.PicCode);
    const std::filesystem::path target = NativePicturePath(outDir + "/", relative);
    std::error_code ignored;
    std::filesystem::create_directories(target.parent_path(), ignored);
    if (!WriteIfChanged(target.string(),
                        ScramblePhotograph(std::move(jpeg), BarePictureName(relative)))) {
        error = "cannot write " + target.string();
        return false;
    }
    return true;
}

}  // namespace

std::vector<uint8_t> ScramblePhotograph(std::vector<uint8_t> bytes, const std::string& bareName) {
    KeyRunScrambler::forPhotograph(Keystream::seededFrom(bareName))
        .apply(bytes.data(), bytes.size());
    return bytes;
}

bool WritePhotographs(const BuiltEdition& edition, const std::string& sourceDir,
                      const std::string& outDir, std::string& error) {
    for (const ViewPhoto& photo : edition.photos) {
        const ViewRecord& view = edition.image.views[static_cast<size_t>(photo.view)];
        if (!writePhotograph(view, photo, sourceDir, outDir, error)) return false;
    }
    return true;
}
