// Made-up photographs for tests and benchmarks: shading, shapes and grain, so that they
// compress and decode like real ones.
#pragma once

#include <QImage>
#include <cstdint>

// A Format_RGB888 image.
QImage SyntheticPhotograph(int width, int height, uint32_t seed);
