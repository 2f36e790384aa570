// Builds the resource paths of the sprites, the start picture and the icon frames at each scale.
#include "AssetNames.h"

#include <cassert>

namespace {

QString ScaledFolder(const char* folder, int scale) {
  assert(scale == 1 || scale == 2);
  return scale == 1 ? QString::fromLatin1(folder) : QString::fromLatin1(folder) + QStringLiteral("@2x");
}

}  // namespace

int AssetScale(double devicePixelRatio) { return devicePixelRatio > 1.0 ? 2 : 1; }

const QStringList& SpritePrefixes() {
  static const QStringList prefixes = {"normal", "make", "jump", "destroy"};
  return prefixes;
}

QString SpriteResourcePath(const QString& name, int scale) {
  return QStringLiteral(":/%1/%2.bmp").arg(ScaledFolder("sprites", scale), name.toLower());
}

QString SpriteResourcePath(const QString& prefix, int frame, int code, int scale) {
  assert(frame >= 1 && frame <= 2 && code >= 0 && code <= 9);
  return SpriteResourcePath(prefix + QString::number(frame) + QString::number(code), scale);
}

QString StartPictureResourcePath(int scale) {
  assert(scale == 1 || scale == 2);
  return scale == 1 ? QString::fromLatin1(StartPictureResource) : QStringLiteral(":/pictures/start@2x.jpg");
}

QString IconResourcePath(int frame) {
  assert(frame >= 0 && frame < TaskbarIconFrames);
  return QStringLiteral(":/icons/FEjpeg%1.ico").arg(frame);
}

QString IconResourcePath2x(int frame) {
  assert(frame >= 0 && frame < TaskbarIconFrames);
  return QStringLiteral(":/icons@2x/FEjpeg%1.png").arg(frame);
}
