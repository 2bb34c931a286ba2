#include "platform/fontsetup.h"

#include <QFont>

const char kSansFace[] = "MS Sans Serif";
const char kBookmanFace[] = "Bookman Old Style";

void InstallFontSubstitutions() {
    QFont::insertSubstitution(kSansFace, "DejaVu Sans");
    QFont::insertSubstitution(kBookmanFace, "URW Bookman");
}
