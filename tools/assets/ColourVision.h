// How the balls look to players with a colour-vision deficiency, and whether their symbols still tell the
// seven colours apart by shape alone.
#pragma once

#include <QImage>
#include <array>
#include <string>

// Dichromacies after Machado, Oliveira and Fernandes (2009) at severity 1.0: no long-, middle- or
// short-wave cones.
enum class TColourVision { Protanopia, Deuteranopia, Tritanopia };
inline constexpr std::array<TColourVision, 3> ColourVisions = {TColourVision::Protanopia, TColourVision::Deuteranopia,
                                                               TColourVision::Tritanopia};
const char* ColourVisionName(TColourVision vision);

// The colour as a dichromat sees it: the simulation matrix applied in linear RGB, back in sRGB.
QRgb SimulateColourVision(QRgb colour, TColourVision vision);
// The same for every pixel of a picture, which comes back opaque.
QImage SimulateColourVision(const QImage& picture, TColourVision vision);

// CIEDE2000 colour difference between two CIELAB colours, and between two sRGB colours (D65).
struct TLab {
  double L, A, B;
};
TLab SrgbToLab(QRgb colour);
double DeltaE2000(const TLab& first, const TLab& second);
double DeltaE2000(QRgb first, QRgb second);

// The symbol check over every ball frame of the seven colours at a scale, for one vision. A frame's
// symbol mask holds the pixels where the symbol sprite, as the dichromat sees it, differs clearly from the
// plain sprite: the shape as seen, whatever its colour. Two colours are told apart by shape when their masks
// differ on a large share of the pixels either covers, and on a fair share of the ball.
struct TShapeCheck {
  double LeastShapeDistance = 1.0;   // differing mask pixels over those of either mask, least pair and frame
  std::string LeastShapePair;        // e.g. "jump2 3/7"
  double LeastBallShare = 1.0;       // differing mask pixels over the ball's area, least pair and frame
  double LeastSymbolArea = 1.0;      // the smallest mask over its ball's area
  double LeastBodyDelta = 0;         // CIEDE2000 between the closest two body colours, symbols off
  std::string LeastBodyPair;         // e.g. "2/3"
};
TShapeCheck CheckShapes(TColourVision vision, double scale);

// A short table of CheckShapes for the three visions, one line each.
std::string ColourVisionTable(double scale);
