// The sprites and the start picture for the size the window is shown at, made only when that size is chosen.
#pragma once

#include <QPixmap>

#include <functional>
#include <vector>

#include "StartPicture.h"

// A size of the window's art: the zoom step, the screen's device pixel ratio as AssetScale gives it (1 or
// 2), and whether the seven colours carry their symbols.
struct TArtSize {
  double Zoom = 1;
  double DevicePixelRatio = 1;
  bool Symbols = false;
};

// Zoom × DevicePixelRatio: how many pixels the art spends on one of its plain pixels (IsArtScale holds).
double PixelScale(const TArtSize& size);

// The 80 sprite pictures in SpriteSlots order (SpriteSlotIndex finds one), each of pixel ratio
// DevicePixelRatio so that it covers 36 × Zoom logical pixels a side; the ten empty slots are null
// pixmaps. The plain sprites at a pixel scale of 1 or 2 are the built-in resources, exactly what the game
// has always shown; any other size is painted on the call.
std::vector<QPixmap> SpritePicturesAt(const TArtSize& size);

// Makes a start picture the program does not carry: at a pixel scale, with an invitation.
using TStartPainter = std::function<QImage(double scale, const QString& invitation)>;

// The start picture, covering 460 × 446 times Zoom logical pixels (the height rounded to a whole pixel):
// the built-in JPEG at a pixel scale of 1 or 2 with the English invitation, otherwise made by `paint`
// with `invitation` on its pill. Symbols do not change it.
QPixmap StartPictureAt(const TArtSize& size, const QString& invitation = QString::fromLatin1(StartInvitation),
                       const TStartPainter& paint = RenderStartPicture);
