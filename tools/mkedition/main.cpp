// mkedition: builds a data directory from an edition source folder.
//   mkedition SOURCE_DIR OUTPUT_DIR [--tour-source FILE]

#include <cstdio>
#include <string>

#include "content/btabformat.h"
#include "tools/mkedition/outputfiles.h"
#include "tools/mkedition/photographs.h"
#include "tools/mkedition/sourceparser.h"
#include "tools/mkedition/tablebuilder.h"

namespace {

int usage() {
    std::fprintf(stderr, "usage: mkedition SOURCE_DIR OUTPUT_DIR [--tour-source FILE]\n");
    return 2;
}

int failure(const std::string& message) {
    std::fprintf(stderr, "mkedition: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 5) return usage();
    const std::string sourceDir = argv[1];
    const std::string outDir = argv[2];
    std::string tourSource;
    if (argc == 5) {
        if (std::string(argv[3]) != "--tour-source") return usage();
        tourSource = argv[4];
    }

    const ParseOutcome parsed = ParseEditionFolder(sourceDir);
    if (!parsed.ok) return failure(sourceDir + "/" + parsed.error);
    const BuildOutcome built = BuildTables(parsed.source);
    if (!built.ok) return failure(sourceDir + "/" + built.error);

    if (!WriteIfChanged(outDir + "/" + btab::kFileName, WriteBTab(built.edition.image)))
        return failure("cannot write " + outDir + "/" + btab::kFileName);
    std::string photoError;
    if (!WritePhotographs(built.edition, sourceDir, outDir, photoError))
        return failure(photoError);
    for (const char* text : {"ExtraText.txt", "StartHere.txt"}) {
        if (!MirrorOptionalFile(sourceDir + "/" + text, outDir + "/" + text))
            return failure(std::string("cannot write ") + outDir + "/" + text);
    }
    if (!tourSource.empty() && !WriteIfChanged(tourSource, TourTableSource(built.edition.tour)))
        return failure("cannot write " + tourSource);
    return 0;
}
