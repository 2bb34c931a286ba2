// Map tiles for tests and benchmarks: every tile its own plain colour, so that a test can tell
// which tile it sees, with light yellow place dots where asked.
#pragma once

#include <QColor>
#include <QPoint>
#include <string>
#include <vector>

QRgb TileColour(int column, int row);

// Writes all 114 scrambled tiles under dataDir (ending with '/'), with a dot of radius 3 at
// each map point of `dots`. False when a file cannot be written.
bool WriteMapTiles(const std::string& dataDir, const std::vector<QPoint>& dots);
