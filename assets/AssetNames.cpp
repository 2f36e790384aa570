// Builds the resource paths of the sprites and icon frames.
#include "AssetNames.h"

#include <cassert>

const QStringList& SpritePrefixes() {
  static const QStringList prefixes = {"normal", "make", "jump", "destroy"};
  return prefixes;
}

QString SpriteResourcePath(const QString& name) { return QStringLiteral(":/sprites/%1.bmp").arg(name.toLower()); }

QString SpriteResourcePath(const QString& prefix, int frame, int code) {
  assert(frame >= 1 && frame <= 2 && code >= 0 && code <= 9);
  return SpriteResourcePath(prefix + QString::number(frame) + QString::number(code));
}

QString IconResourcePath(int frame) {
  assert(frame >= 0 && frame < TaskbarIconFrames);
  return QStringLiteral(":/icons/FEjpeg%1.ico").arg(frame);
}
