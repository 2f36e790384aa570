// The ball artwork: glossy spheres of the seven colours, the joker and the bomb, in every sprite pose.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

inline constexpr int SpriteSize = 36;

// Whether the seven colours also carry their shapes (BallSymbols.h), for players who tell colours apart poorly;
// the joker and the bomb look the same either way.
enum class TBallMarking { Plain, Symbols };

// Poses of a sprite: at rest, growing (small, larger), jumping (squashed, raised), vanishing (cracked, shattered).
enum class TSpritePose { Rest, GrowSmall, GrowLarge, Squashed, Raised, Cracked, Shattered };

// The body colour of a ball code 1..7 (grey, red, brown, blue, yellow, magenta, green).
QColor BallColour(int code);

// a + (b − a) × t, channel by channel and alpha too.
QColor MixColour(const QColor& a, const QColor& b, double t);

// Paints ball code 1..9 so that its sphere fills box; the bomb's fuse reaches beyond the box's top-right corner.
void PaintBall(QPainter& painter, int code, const QRectF& box, TBallMarking marking = TBallMarking::Plain);

// Moves the painter so that the unit circle covers box.
void EnterUnitSphere(QPainter& painter, const QRectF& box);

// Edge shade and gloss over a flat-coloured body, in unit-sphere coordinates.
void PaintSphereLighting(QPainter& painter);

// A 36 × 36 opaque sprite of ball code 1..9 on black; at a larger scale (IsArtScale) the same sprite is
// painted afresh on ScaledLength(36, scale) pixels a side, with that scale as its pixel ratio.
QImage RenderBallSprite(TSpritePose pose, int code, double scale = 1, TBallMarking marking = TBallMarking::Plain);

// The 36 × 36 (times scale) picture of the code-0 slots: an empty socket, drawn in grey levels only.
QImage RenderPlaceholderSprite(double scale = 1);
