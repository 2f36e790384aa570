// Pixel scales the art is painted at: a zoom step times the screen's device pixel ratio.
#pragma once

#include <QImage>

// The scales the art is drawn at: quarter steps from 1 to 6, which hold every zoom step (1, 1.25, 1.5, 2,
// 2.5, 3) at a device pixel ratio of 1 and of 2.
bool IsArtScale(double scale);

// A length of the plain art in pixels at a scale, rounded to the nearest pixel (halves upwards).
int ScaledLength(int length, double scale);

// An image of width × height plain pixels at the scale: ScaledLength of each side in pixels, with the
// scale as its device pixel ratio, so that painting in plain units fills it with finer pixels.
QImage ScaledCanvas(int width, int height, double scale, QImage::Format format);
