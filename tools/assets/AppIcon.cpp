// The desktop icon: bitmaps from the taskbar icon's painter, and the same ball written out as SVG shapes.
#include "AppIcon.h"

#include <array>
#include <cassert>
#include <cmath>
#include <numbers>
#include <cstdio>

#include "BallArt.h"
#include "IconArt.h"

namespace {

// Fixed notation with a few decimals, so the document is the same on every machine and locale.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", std::abs(value) < 5e-5 ? 0.0 : value);
  return text;
}

std::string Hex(const QColor& colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", colour.red(), colour.green(), colour.blue());
  return text;
}

std::string Opacity(int alpha) { return Number(alpha / 255.0); }

// A point of the unit circle at `degrees` counter-clockwise from three o'clock, as the screen shows it.
std::string OnCircle(double degrees) {
  const double radians = degrees * std::numbers::pi / 180.0;
  return Number(std::cos(radians)) + "," + Number(-std::sin(radians));
}

// The eight bands of the resting ball (four of the game's colours, twice round), as wedges.
std::string Bands() {
  static const std::array<int, 4> Codes = {2, 5, 4, 7};
  std::string wedges;
  for (int band = 0; band < 8; ++band) {
    wedges += "    <path fill=\"" + Hex(BallColour(Codes[static_cast<std::size_t>(band % 4)])) + "\" d=\"M0,0 L" +
              OnCircle(band * 45.0) + " A1,1 0 0 0 " + OnCircle((band + 1) * 45.0) + " Z\"/>\n";
  }
  return wedges;
}

}  // namespace

const std::vector<int>& AppIconSizes() {
  static const std::vector<int> Sizes = {16, 22, 24, 32, 48, 64, 128, 256};
  return Sizes;
}

QImage RenderAppIcon(int size) { return RenderIcon(0, size); }

std::string AppIconSvg() {
  // The lighting follows PaintSphereLighting: an edge shade lit from the upper left, then the gloss.
  // The painter blends a gradient's stops with their alpha applied, so the fade to clear keeps
  // its colour on each side (two stops at 0.5) instead of passing through grey.
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 32\">\n"
             "  <defs>\n"
             "    <radialGradient id=\"shade\" gradientUnits=\"userSpaceOnUse\" cx=\"0\" cy=\"0\" r=\"1\" "
             "fx=\"-0.3\" fy=\"-0.35\">\n"
             "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"") +
         Opacity(70) +
         "\"/>\n"
         "      <stop offset=\"0.5\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
         "      <stop offset=\"0.5\" stop-color=\"#000000\" stop-opacity=\"0\"/>\n"
         "      <stop offset=\"0.85\" stop-color=\"#000000\" stop-opacity=\"" +
         Opacity(110) +
         "\"/>\n"
         "      <stop offset=\"1\" stop-color=\"#000000\" stop-opacity=\"" +
         Opacity(200) +
         "\"/>\n"
         "    </radialGradient>\n"
         "    <radialGradient id=\"gloss\" gradientUnits=\"userSpaceOnUse\" cx=\"0\" cy=\"0\" r=\"0.42\">\n"
         "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"" +
         Opacity(235) +
         "\"/>\n"
         "      <stop offset=\"0.55\" stop-color=\"#ffffff\" stop-opacity=\"" +
         Opacity(110) +
         "\"/>\n"
         "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
         "    </radialGradient>\n"
         "  </defs>\n"
         "  <g transform=\"translate(16 16) scale(15)\">\n" +
         Bands() +
         "    <circle r=\"0.2\" fill=\"#ffffff\"/>\n"
         "    <circle r=\"1\" fill=\"url(#shade)\"/>\n"
         "    <ellipse transform=\"translate(-0.36 -0.44) rotate(-35)\" rx=\"0.42\" ry=\"0.26\" fill=\"url(#gloss)\"/>\n"
         "    <ellipse cx=\"-0.42\" cy=\"-0.485\" rx=\"0.08\" ry=\"0.065\" fill=\"#ffffff\" fill-opacity=\"" +
         Opacity(245) +
         "\"/>\n"
         "  </g>\n"
         "</svg>\n";
}
