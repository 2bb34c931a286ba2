// What each painted photograph of an edition shows, so that titles can be checked against
// pictures: one line a view, "CODE<tab>title<tab>subject: what is painted; details".
#pragma once

#include <string>

#include "tools/mkedition/tablebuilder.h"

std::string ScenesListing(const BuiltEdition& edition);
