// Simulates dichromacy on the sprites and measures what remains of the symbols and of the colours.
#include "ColourVision.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdio>
#include <vector>

#include "SpriteCatalog.h"

namespace {

// A symbol pixel stands out when the two sprites differ by at least this much, as a dichromat sees them.
constexpr double ClearDifference = 8.0;

using TMatrix = std::array<std::array<double, 3>, 3>;

const TMatrix& Matrix(TColourVision vision) {
  static const TMatrix Protan = {{{0.152286, 1.052583, -0.204868},
                                  {0.114503, 0.786281, 0.099216},
                                  {-0.003882, -0.048116, 1.051998}}};
  static const TMatrix Deutan = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};
  static const TMatrix Tritan = {{{1.255528, -0.076749, -0.178779},
                                  {-0.078411, 0.930809, 0.147602},
                                  {0.004733, 0.691367, 0.303900}}};
  switch (vision) {
    case TColourVision::Protanopia: return Protan;
    case TColourVision::Deuteranopia: return Deutan;
    default: return Tritan;
  }
}

double ToLinear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int FromLinear(double linear) {
  const double c = std::clamp(linear, 0.0, 1.0);
  const double encoded = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
  return static_cast<int>(std::lround(encoded * 255));
}

double LabCurve(double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; }

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }
double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

// Hue angle in degrees, 0 to 360.
double HueAngle(double b, double a) {
  if (a == 0 && b == 0) return 0;
  const double h = Degrees(std::atan2(b, a));
  return h < 0 ? h + 360 : h;
}

bool Lit(QRgb pixel) { return qGray(pixel) > 24; }

struct TFrame {
  std::string Name;                  // e.g. "jump2"
  std::array<QImage, 8> Plain;       // by code 1..7, as the dichromat sees them
  std::array<QImage, 8> Symbols;
};

std::vector<bool> SymbolMask(const QImage& plain, const QImage& symbols) {
  std::vector<bool> mask;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x)
      mask.push_back(DeltaE2000(plain.pixel(x, y), symbols.pixel(x, y)) > ClearDifference);
  return mask;
}

int BallArea(const QImage& plain) {
  int area = 0;
  for (int y = 0; y < plain.height(); ++y)
    for (int x = 0; x < plain.width(); ++x) area += Lit(plain.pixel(x, y)) ? 1 : 0;
  return area;
}

// The average colour of the resting ball's middle, where its body shows least shading.
QRgb BodyColour(const QImage& rest) {
  const int side = rest.width();
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = side * 4 / 9; y < side * 13 / 18; ++y)
    for (int x = side * 7 / 18; x < side * 2 / 3; ++x) {
      const QRgb p = rest.pixel(x, y);
      r += qRed(p), g += qGreen(p), b += qBlue(p), ++n;
    }
  return qRgb(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n));
}

std::string Pair(int first, int second) { return std::to_string(first) + "/" + std::to_string(second); }

}  // namespace

const char* ColourVisionName(TColourVision vision) {
  switch (vision) {
    case TColourVision::Protanopia: return "protanopia";
    case TColourVision::Deuteranopia: return "deuteranopia";
    default: return "tritanopia";
  }
}

QRgb SimulateColourVision(QRgb colour, TColourVision vision) {
  const std::array<double, 3> linear = {ToLinear(qRed(colour)), ToLinear(qGreen(colour)), ToLinear(qBlue(colour))};
  const TMatrix& m = Matrix(vision);
  std::array<int, 3> out{};
  for (std::size_t row = 0; row < 3; ++row)
    out[row] = FromLinear(m[row][0] * linear[0] + m[row][1] * linear[1] + m[row][2] * linear[2]);
  return qRgb(out[0], out[1], out[2]);
}

QImage SimulateColourVision(const QImage& picture, TColourVision vision) {
  QImage seen = picture.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < seen.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(seen.scanLine(y));
    for (int x = 0; x < seen.width(); ++x) line[x] = SimulateColourVision(line[x], vision);
  }
  return seen;
}

TLab SrgbToLab(QRgb colour) {
  const double r = ToLinear(qRed(colour)), g = ToLinear(qGreen(colour)), b = ToLinear(qBlue(colour));
  const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
  const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
  const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
  const double fx = LabCurve(x), fy = LabCurve(y), fz = LabCurve(z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

double DeltaE2000(const TLab& first, const TLab& second) {
  const double c1 = std::hypot(first.A, first.B), c2 = std::hypot(second.A, second.B);
  const double meanC7 = std::pow((c1 + c2) / 2, 7);
  const double g = 0.5 * (1 - std::sqrt(meanC7 / (meanC7 + std::pow(25.0, 7))));
  const double a1 = first.A * (1 + g), a2 = second.A * (1 + g);
  const double cp1 = std::hypot(a1, first.B), cp2 = std::hypot(a2, second.B);
  const double hp1 = HueAngle(first.B, a1), hp2 = HueAngle(second.B, a2);

  const double dL = second.L - first.L;
  const double dC = cp2 - cp1;
  double dh = 0;
  if (cp1 * cp2 != 0) {
    dh = hp2 - hp1;
    if (dh > 180) dh -= 360;
    else if (dh < -180) dh += 360;
  }
  const double dH = 2 * std::sqrt(cp1 * cp2) * std::sin(Radians(dh / 2));

  const double meanL = (first.L + second.L) / 2;
  const double meanCp = (cp1 + cp2) / 2;
  double meanH = hp1 + hp2;
  if (cp1 * cp2 != 0) {
    if (std::abs(hp1 - hp2) <= 180) meanH /= 2;
    else meanH = meanH < 360 ? (meanH + 360) / 2 : (meanH - 360) / 2;
  }
  const double t = 1 - 0.17 * std::cos(Radians(meanH - 30)) + 0.24 * std::cos(Radians(2 * meanH)) +
                   0.32 * std::cos(Radians(3 * meanH + 6)) - 0.20 * std::cos(Radians(4 * meanH - 63));
  const double lShift = (meanL - 50) * (meanL - 50);
  const double sL = 1 + 0.015 * lShift / std::sqrt(20 + lShift);
  const double sC = 1 + 0.045 * meanCp;
  const double sH = 1 + 0.015 * meanCp * t;
  const double meanCp7 = std::pow(meanCp, 7);
  const double rC = 2 * std::sqrt(meanCp7 / (meanCp7 + std::pow(25.0, 7)));
  const double dTheta = 30 * std::exp(-std::pow((meanH - 275) / 25, 2));
  const double rT = -std::sin(Radians(2 * dTheta)) * rC;
  const double l = dL / sL, c = dC / sC, h = dH / sH;
  return std::sqrt(l * l + c * c + h * h + rT * c * h);
}

double DeltaE2000(QRgb first, QRgb second) { return DeltaE2000(SrgbToLab(first), SrgbToLab(second)); }

TShapeCheck CheckShapes(TColourVision vision, double scale) {
  std::vector<TFrame> frames;
  for (const TSpriteSlot& slot : SpriteSlots()) {
    if (slot.Kind != TSpriteKind::Ball || slot.Code > 7) continue;
    const std::string frame = slot.Name.substr(0, slot.Name.size() - 1);
    if (frames.empty() || frames.back().Name != frame) frames.push_back({frame, {}, {}});
    const auto code = static_cast<std::size_t>(slot.Code);
    frames.back().Plain[code] = SimulateColourVision(RenderSpriteSlot(slot, scale, TBallMarking::Plain), vision);
    frames.back().Symbols[code] = SimulateColourVision(RenderSpriteSlot(slot, scale, TBallMarking::Symbols), vision);
  }

  TShapeCheck check;
  for (const TFrame& frame : frames) {
    std::array<std::vector<bool>, 8> masks;
    for (std::size_t code = 1; code <= 7; ++code) {
      masks[code] = SymbolMask(frame.Plain[code], frame.Symbols[code]);
      const double area = static_cast<double>(std::count(masks[code].begin(), masks[code].end(), true)) /
                          BallArea(frame.Plain[code]);
      check.LeastSymbolArea = std::min(check.LeastSymbolArea, area);
    }
    for (std::size_t a = 1; a <= 7; ++a)
      for (std::size_t b = a + 1; b <= 7; ++b) {
        int differing = 0, covered = 0;
        for (std::size_t i = 0; i < masks[a].size(); ++i) {
          differing += masks[a][i] != masks[b][i] ? 1 : 0;
          covered += masks[a][i] || masks[b][i] ? 1 : 0;
        }
        const double distance = static_cast<double>(differing) / std::max(covered, 1);
        if (distance < check.LeastShapeDistance) {
          check.LeastShapeDistance = distance;
          check.LeastShapePair = frame.Name + " " + Pair(static_cast<int>(a), static_cast<int>(b));
        }
        const int ball = std::max(BallArea(frame.Plain[a]), BallArea(frame.Plain[b]));
        check.LeastBallShare = std::min(check.LeastBallShare, static_cast<double>(differing) / ball);
      }
  }

  const TFrame& rest = frames.front();
  check.LeastBodyDelta = 1e9;
  for (std::size_t a = 1; a <= 7; ++a)
    for (std::size_t b = a + 1; b <= 7; ++b) {
      const double delta = DeltaE2000(BodyColour(rest.Plain[a]), BodyColour(rest.Plain[b]));
      if (delta < check.LeastBodyDelta) {
        check.LeastBodyDelta = delta;
        check.LeastBodyPair = Pair(static_cast<int>(a), static_cast<int>(b));
      }
    }
  return check;
}

std::string ColourVisionTable(double scale) {
  std::string table =
      "vision        shapes differ on, at least       smallest   colours differ by,\n"
      "              of the marks     of the ball     symbol     without symbols\n";
  for (TColourVision vision : ColourVisions) {
    const TShapeCheck check = CheckShapes(vision, scale);
    char line[200];
    std::snprintf(line, sizeof line, "%-13s %5.1f %% %-10s %5.1f %%         %5.1f %%    dE2000 %4.1f (%s)\n",
                  ColourVisionName(vision), 100 * check.LeastShapeDistance, check.LeastShapePair.c_str(),
                  100 * check.LeastBallShare, 100 * check.LeastSymbolArea, check.LeastBodyDelta,
                  check.LeastBodyPair.c_str());
    table += line;
  }
  return table;
}
