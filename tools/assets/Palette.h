// Reduction of an image's colours to a small palette by median cut.
#pragma once

#include <QRgb>
#include <vector>

// At most maxColours palette entries for the given colours; an input of no more distinct colours is kept exactly.
std::vector<QRgb> MedianCutPalette(const std::vector<QRgb>& colours, int maxColours);

// The index of the palette entry nearest to colour (squared RGB distance, first entry on ties).
int NearestPaletteIndex(const std::vector<QRgb>& palette, QRgb colour);
