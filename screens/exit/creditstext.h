// The closing credits: five sections, each opened by a heading line indented by three blanks.
#pragma once

#include <QString>
#include <vector>

// The whole text, headings included.
QString CreditsText();
// The heading lines exactly as they stand in the text.
std::vector<QString> CreditsHeadings();
