// The design's type faces mapped onto fonts a Debian desktop has.
#pragma once

extern const char kSansFace[];     // "MS Sans Serif"
extern const char kBookmanFace[];  // "Bookman Old Style"

void InstallFontSubstitutions();
