// mkedition: builds a data directory from an edition source folder.
//   mkedition SOURCE_DIR OUTPUT_DIR [--tour-source FILE] [--resource-dir DIR]
//   mkedition --scenes SOURCE_DIR   lists each view's picture code, title and painted subject

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "content/btabformat.h"
#include "tools/mkedition/maps/mapfiles.h"
#include "tools/mkedition/music/editionmusic.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/paintedphotographs.h"
#include "tools/mkedition/photographs.h"
#include "tools/mkedition/sceneslisting.h"
#include "tools/mkedition/sourceparser.h"
#include "tools/mkedition/tablebuilder.h"

namespace {

int usage() {
    std::fprintf(
        stderr,
        "usage: mkedition SOURCE_DIR OUTPUT_DIR [--tour-source FILE] [--resource-dir DIR]\n"
        "       mkedition --scenes SOURCE_DIR    what each painted photograph shows\n");
    return 2;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "mkedition: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // The maps' lettering needs Qt's fonts, and they need an application (but no screen); always
    // the same platform, whose fonts render the same wherever the edition is built.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc == 3 && std::string(argv[1]) == "--scenes") {
        const ParseOutcome parsed = ParseEditionFolder(argv[2]);
        if (!parsed.ok) return failure(std::string(argv[2]) + "/" + parsed.error);
        const BuildOutcome built = BuildTables(parsed.source);
        if (!built.ok) return failure(std::string(argv[2]) + "/" + built.error);
        std::fputs(ScenesListing(built.edition).c_str(), stdout);
        return 0;
    }
    if (argc < 3 || argc % 2 == 0) return usage();
    const std::string sourceDir = argv[1];
    const std::string outDir = argv[2];
    std::string tourSource;
    std::string resourceDir;
    for (int i = 3; i < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--tour-source") {
            tourSource = argv[i + 1];
        } else if (option == "--resource-dir") {
            resourceDir = argv[i + 1];
        } else {
            return usage();
        }
    }

    const ParseOutcome parsed = ParseEditionFolder(sourceDir);
    if (!parsed.ok) return failure(sourceDir + "/" + parsed.error);
    const BuildOutcome built = BuildTables(parsed.source);
    if (!built.ok) return failure(sourceDir + "/" + built.error);

    if (!WriteIfChanged(outDir + "/" + btab::kFileName, WriteBTab(built.edition.image)))
        return failure("cannot write " + outDir + "/" + btab::kFileName);
    std::string photoError;
    if (!WritePhotographs(built.edition, sourceDir, outDir, photoError) ||
        !WritePaintedPhotographs(built.edition, outDir, photoError))
        return failure(photoError);
    for (const char* text : {"ExtraText.txt", "StartHere.txt"}) {
        if (!MirrorOptionalFile(sourceDir + "/" + text, outDir + "/" + text))
            return failure(std::string("cannot write ") + outDir + "/" + text);
    }
    std::string musicError;
    if (!WriteEditionMusic(sourceDir, outDir, musicError)) return failure(musicError);
    if (!tourSource.empty() && !WriteIfChanged(tourSource, TourTableSource(built.edition.tour)))
        return failure("cannot write " + tourSource);

    std::string mapError;
    if (!WriteEditionMaps(parsed.source, sourceDir, outDir, resourceDir, mapError))
        return failure(mapError);
    return 0;
}
