// Contact sheets: every sprite, or the start picture, laid out on one picture for looking at.
#pragma once

#include <QImage>

#include "BallArt.h"

// The 80 sprites at the scale, one row per set and frame (normal1 … destroy2) and one column per code
// (0 … 9), each row named on its left, on a grey ground that shows where each sprite's black square ends.
QImage SpriteContactSheet(double scale, TBallMarking marking);
