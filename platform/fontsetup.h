// The program's type faces (MS Sans Serif, Bookman Old Style) mapped onto fonts a Debian
// desktop has.
#pragma once

extern const char kSansFace[];     // "MS Sans Serif"
extern const char kBookmanFace[];  // "Bookman Old Style"

void InstallFontSubstitutions();
