// Where the detailed map scrolls to bring a place into view: not at all while the place is
// inside a margin of the view, by a quarter of the view when it is just outside one edge, and
// centred on it when it is outside two edges or farther away.
#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// The new scroll position (multiples of 16 except where clamped at the map's edges, never
// outside the map), or nothing when the view stays where it is. position: the current scroll
// position; client: the window's client size; map: ColumnCount x RowCount.
std::optional<QPoint> DecideMapScroll(QPoint place, QPoint position, QSize client, QSize map);
