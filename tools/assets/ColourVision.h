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

// CIEDE2000 colour difference between two CIELAB colours, and between two sRGB colours (D65).
struct TLab {
  double L, A, B;
};
TLab SrgbToLab(QRgb colour);
double DeltaE2000(const TLab& first, const TLab& second);
double DeltaE2000(QRgb first, QRgb second);

// The symbol check over every ball frame of the seven colours at a scale, for one vision. A frame's
// symbol mask holds the pixels where the symbol sprite, as the dichromat sees it, differs from the plain
// sprite by more than a just-clear difference: the shape as seen, whatever its colour. Two colours are told
// apart by shape when their masks differ on a large share of the ball's area.
struct TShapeCheck {
  double LeastMaskDifference = 1.0;  // over all pairs and frames, as a share of the ball's area
  std::string LeastPair;             // e.g. "jump2 3/7"
  double LeastSymbolArea = 1.0;      // the smallest mask, as a share of its ball's area
  double LeastBodyDelta = 0;         // CIEDE2000 between the plainest bodies, symbols off
  std::string LeastBodyPair;         // e.g. "2/3"
};
TShapeCheck CheckShapes(TColourVision vision, double scale);

// A short table of CheckShapes for the three visions, one line each.
std::string ColourVisionTable(double scale);
