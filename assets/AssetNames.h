// Where the game's pictures live among the program's built-in resources; every user takes the paths from here.
#pragma once

#include <QString>
#include <QStringList>

// The pictures come at scale 1 and, for screens of twice the density, at scale 2: the same picture with
// twice the pixels each way, meant to be drawn at a device pixel ratio of 2 so that it keeps its size.
// The scale to load for a device pixel ratio: 2 on any denser screen than the plain one.
int AssetScale(double devicePixelRatio);

// The sprite sets' name prefixes in the order the main window fills them.
const QStringList& SpritePrefixes();

// ":/sprites/<name>.bmp" for a sprite name such as "normal10" or "Destroy29" (names are stored in lower case,
// so the lookup ignores case); at scale 2 ":/sprites@2x/<name>.bmp", 72 × 72. The ten frame-2 slots of
// "normal" hold zero-length files: loading one gives a null (0 × 0) picture, the empty bitmap those slots
// stand for.
QString SpriteResourcePath(const QString& name, int scale = 1);
// The same for prefix + frame (1, 2) + ball code (0..9).
QString SpriteResourcePath(const QString& prefix, int frame, int code, int scale = 1);

// The start picture: a baseline JPEG of 460 × 446 pixels with three components, read with libjpeg.
inline constexpr const char* StartPictureResource = ":/pictures/start.jpg";
// StartPictureResource at scale 1; at scale 2 ":/pictures/start@2x.jpg", 920 × 892.
QString StartPictureResourcePath(int scale);

// The taskbar icon frames FEjpeg0 … FEjpeg18: 0 at rest (also the program's icon), 1 to 18 a loop.
inline constexpr int TaskbarIconFrames = 19;
// ":/icons/FEjpeg<frame>.ico", 32 × 32 with 256 colours.
QString IconResourcePath(int frame);
// ":/icons@2x/FEjpeg<frame>.png": the same frame at 64 × 64 with an alpha channel.
QString IconResourcePath2x(int frame);
