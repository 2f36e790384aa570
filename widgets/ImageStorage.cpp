// Filling a sprite set from a form of named images or from pictures painted at a size.
#include "ImageStorage.h"

#include "ImageControl.h"
#include "SpriteCatalog.h"

void TImageStorage::LoadFromSpriteForm(const TNamedImages& form, const QString& prefix) {
  for (int frame = 1; frame <= 2; ++frame) {
    for (int code = 0; code <= 9; ++code) {
      const TImageControl* image = form.FindImage(prefix + QString::number(frame) + QString::number(code));
      Sprites[(frame - 1) * 10 + code] = image ? image->Picture() : QPixmap();
    }
  }
}

void TImageStorage::LoadFromPictures(const std::vector<QPixmap>& pictures, int set) {
  for (int frame = 1; frame <= 2; ++frame)
    for (int code = 0; code <= 9; ++code)
      Sprites[(frame - 1) * 10 + code] = pictures.at(SpriteSlotIndex(set, frame, code));
}
