// The ball artwork: glossy spheres of the seven colours, the joker and the bomb, in every sprite pose.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

inline constexpr int SpriteSize = 36;

// Poses of a sprite: at rest, growing (small, larger), jumping (squashed, raised), vanishing (cracked, shattered).
enum class TSpritePose { Rest, GrowSmall, GrowLarge, Squashed, Raised, Cracked, Shattered };

// The body colour of a ball code 1..7 (grey, red, brown, blue, yellow, magenta, green).
QColor BallColour(int code);

// Paints ball code 1..9 so that its sphere fills box; the bomb's fuse reaches beyond the box's top-right corner.
void PaintBall(QPainter& painter, int code, const QRectF& box);

// Moves the painter so that the unit circle covers box.
void EnterUnitSphere(QPainter& painter, const QRectF& box);

// Edge shade and gloss over a flat-coloured body, in unit-sphere coordinates.
void PaintSphereLighting(QPainter& painter);

// A 36 × 36 opaque sprite of ball code 1..9 on black; scale 2 paints the same sprite at 72 × 72 pixels
// for screens of twice the density.
QImage RenderBallSprite(TSpritePose pose, int code, int scale = 1);

// The 36 × 36 (times scale) picture of the code-0 slots: an empty socket, drawn in grey levels only.
QImage RenderPlaceholderSprite(int scale = 1);
