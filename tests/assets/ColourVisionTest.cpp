// The colour-vision simulation and colour difference, and the symbols' shapes as dichromats see them.
#include <gtest/gtest.h>
#include <iostream>

#include "AssetBytes.h"
#include "ColourVision.h"

TEST(ColourDifference, Ciede2000MatchesPublishedPairs) {
  // Pairs 1, 7, 17 and 25 of the test data published with the formula (Sharma, Wu and Dalal, 2005).
  EXPECT_NEAR(DeltaE2000(TLab{50, 2.6772, -79.7751}, TLab{50, 0, -82.7485}), 2.0425, 1e-4);
  EXPECT_NEAR(DeltaE2000(TLab{50, 0, 0}, TLab{50, -1, 2}), 2.3669, 1e-4);
  EXPECT_NEAR(DeltaE2000(TLab{50, 2.5, 0}, TLab{73, 25, -18}), 27.1492, 1e-4);
  EXPECT_NEAR(DeltaE2000(TLab{60.2574, -34.0099, 36.2677}, TLab{60.4626, -34.1751, 39.4387}), 1.2644, 1e-4);
  EXPECT_NEAR(SrgbToLab(qRgb(255, 255, 255)).L, 100, 0.01);
  EXPECT_NEAR(SrgbToLab(qRgb(255, 255, 255)).A, 0, 0.01);
}

TEST(ColourVision, GreysStayAndEachDeficiencyMergesItsOwnColours) {
  for (TColourVision vision : ColourVisions)
    for (int level : {0, 60, 128, 255}) {
      const QRgb seen = SimulateColourVision(qRgb(level, level, level), vision);
      EXPECT_LE(std::abs(qRed(seen) - level) + std::abs(qGreen(seen) - level) + std::abs(qBlue(seen) - level), 3);
    }
  // A red and a green of one brightness, and a blue and a green that differ only in blue light.
  const QRgb red = qRgb(190, 90, 40), green = qRgb(120, 125, 40);
  const double normal = DeltaE2000(red, green);
  EXPECT_LT(DeltaE2000(SimulateColourVision(red, TColourVision::Deuteranopia),
                       SimulateColourVision(green, TColourVision::Deuteranopia)) * 3, normal);
  EXPECT_LT(DeltaE2000(SimulateColourVision(red, TColourVision::Protanopia),
                       SimulateColourVision(green, TColourVision::Protanopia)) * 3, normal);
  const QRgb teal = qRgb(40, 140, 140), sea = qRgb(40, 140, 60);
  EXPECT_LT(DeltaE2000(SimulateColourVision(teal, TColourVision::Tritanopia),
                       SimulateColourVision(sea, TColourVision::Tritanopia)) * 2, DeltaE2000(teal, sea));
}

TEST(ColourVision, EveryPairOfTheSevenIsToldApartByShapeInEveryFrame) {
  EnsureApplication();
  for (const double scale : {1.0, 2.5}) {
    for (TColourVision vision : ColourVisions) {
      SCOPED_TRACE(std::string(ColourVisionName(vision)) + " at " + std::to_string(scale));
      const TShapeCheck check = CheckShapes(vision, scale);
      EXPECT_GE(check.LeastShapeDistance, 0.2) << check.LeastShapePair;
      EXPECT_GE(check.LeastBallShare, 0.04) << check.LeastShapePair;
      EXPECT_GE(check.LeastSymbolArea, 0.1);
    }
  }
  std::cout << ColourVisionTable(1);
}
