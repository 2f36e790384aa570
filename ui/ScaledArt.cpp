// Takes the classic sizes from the resources and paints the others through the art library.
#include "ScaledArt.h"

#include <cassert>
#include <utility>

#include "ArtScale.h"
#include "AssetNames.h"
#include "JpegLoader.h"
#include "SpriteCatalog.h"
#include "StartPicture.h"

namespace {

// The resources hold the plain pictures at these pixel scales only.
bool BuiltIn(double scale) { return scale == 1 || scale == 2; }

QPixmap AtRatio(QPixmap picture, double ratio) {
  picture.setDevicePixelRatio(ratio);
  return picture;
}

}  // namespace

double PixelScale(const TArtSize& size) {
  const double scale = size.Zoom * size.DevicePixelRatio;
  assert(IsArtScale(scale));
  return scale;
}

std::vector<QPixmap> SpritePicturesAt(const TArtSize& size) {
  const double scale = PixelScale(size);
  std::vector<QPixmap> pictures;
  if (!size.Symbols && BuiltIn(scale)) {
    for (const TSpriteSlot& slot : SpriteSlots())
      pictures.push_back(AtRatio(QPixmap(SpriteResourcePath(QString::fromStdString(slot.Name), static_cast<int>(scale))),
                                 size.DevicePixelRatio));
    return pictures;
  }
  for (const QImage& image : RenderSpriteSheet(scale, size.Symbols ? TBallMarking::Symbols : TBallMarking::Plain))
    pictures.push_back(AtRatio(QPixmap::fromImage(image), size.DevicePixelRatio));
  return pictures;
}

QPixmap StartPictureAt(const TArtSize& size, const QString& invitation, const TStartPainter& paint) {
  const double scale = PixelScale(size);
  QImage picture = BuiltIn(scale) && invitation == QLatin1String(StartInvitation)
                      ? LoadJpeg(StartPictureResourcePath(static_cast<int>(scale)))
                      : paint(scale, invitation);
  return AtRatio(QPixmap::fromImage(std::move(picture)), size.DevicePixelRatio);
}
