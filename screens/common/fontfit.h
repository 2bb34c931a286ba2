// The largest face that fits a height, found in a few measurements: every pixel size measured
// loads a font of its own, so trying each size in turn from the largest costs milliseconds.
#pragma once

class QFont;

// The largest pixel size from `largest` down to `smallest` whose line height is at most `room`;
// `smallest` when none fits.
int LargestPixelSizeWithin(const QFont& font, int largest, int smallest, int room);
