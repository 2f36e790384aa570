// Where the game's pictures live among the program's built-in resources; every user takes the paths from here.
#pragma once

#include <QString>
#include <QStringList>

// The sprite sets' name prefixes in the order the main window fills them.
const QStringList& SpritePrefixes();

// ":/sprites/<name>.bmp" for a sprite name such as "normal10" or "Destroy29" (names are stored in lower case,
// so the lookup ignores case). The ten frame-2 slots of "normal" hold zero-length files: loading one gives a
// null (0 × 0) picture, the empty bitmap those slots stand for.
QString SpriteResourcePath(const QString& name);
// The same for prefix + frame (1, 2) + ball code (0..9).
QString SpriteResourcePath(const QString& prefix, int frame, int code);

// The start picture: a baseline JPEG of 460 × 446 pixels with three components, read with libjpeg.
inline constexpr const char* StartPictureResource = ":/pictures/start.jpg";

// The taskbar icon frames FEjpeg0 … FEjpeg18: 0 at rest (also the program's icon), 1 to 18 a loop.
inline constexpr int TaskbarIconFrames = 19;
QString IconResourcePath(int frame);
