// Trains: a steam locomotive and its coaches, or a modern diesel unit, drawn in side view so
// that they can run along any wall-like plane (a viaduct's parapet line, a platform edge).
#pragma once

#include "tools/mkedition/scenes/solids.h"

enum class TrainKind { Steam, Diesel };

// A face detail drawing the train along the face, wheels on its foot line, engine at the
// right-hand end; length is how much of the face it fills.
FaceDetail TrainSide(TrainKind kind, int coaches, const QColor& livery, bool lit);
// Metres from rail to the top of the chimney of the engine, for placing the smoke.
double TrainChimneyHeight();
// Metres from the right-hand end of the train to its chimney.
double TrainChimneyInset();
