// The shapes the seven colours carry when symbols are on: each colour its own bold outline.
#pragma once

class QPainter;

// Paints the shape of ball code 1..7 (ring, triangle, square, diamond, cross, heart, crescent) in
// unit-sphere coordinates, in an ink that stands out from the ball's body by brightness, not only by hue.
void PaintBallSymbol(QPainter& painter, int code);
