// The product texts that scroll under the pictures in product-text mode, in their cycle:
// the product, then the kind of show, then the edition's extra text when it has one.
#pragma once

#include <QString>
#include <optional>
#include <string>

QString ProductText(int step, int showKind, const std::optional<std::string>& extraText);
int NextProductTextStep(int step, bool hasExtraText);
