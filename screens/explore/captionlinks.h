// Place names in captions work as links: the selected word, made into a place-name key.
#pragma once

#include <QString>
#include <string>

// The look-up key of a selection: in landscape captions "London" means "London Gov"; every
// other selection gets the separator that ends place names in the headings.
std::string CaptionLinkKey(const QString& selection, bool landscape);

// The place a selection names, or -1; in found-set mode only members of the set count.
int CaptionLinkPlace(const QString& selection, bool landscape, bool withinFoundSet);
