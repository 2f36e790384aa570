// The hidden sprite form, filled from the sprite resources of the scale its screen asks for.
#include "SpriteForm.h"

#include <QGroupBox>

#include "AssetNames.h"
#include "ImageControl.h"

namespace {

// Captions of the group boxes, in the order of the sprite prefixes.
constexpr const char* GroupCaptions[] = {"Standardne", "Stvaranje", "Skakanje", "Nestajanje"};

}  // namespace

TfrmSlicice::TfrmSlicice() : QWidget(nullptr, Qt::FramelessWindowHint) {
  setFixedSize(426, 451);
  // On a denser screen the images hold pictures of twice the pixels that draw at the same size.
  const int scale = AssetScale(devicePixelRatioF());
  int left = 8;
  for (int group = 0; group < 4; ++group) {
    const QString& prefix = SpritePrefixes()[group];
    auto* box = new QGroupBox(QString::fromLatin1(GroupCaptions[group]), this);
    box->setGeometry(left, 8, 97, 433);
    left += 104;
    for (int frame = 1; frame <= 2; ++frame) {
      for (int code = 0; code <= 9; ++code) {
        const QString name = prefix + QString::number(frame) + QString::number(code);
        auto* image = new TImageControl(box);
        image->setObjectName(name);
        image->setGeometry(frame == 1 ? 8 : 56, 24 + 40 * code, 36, 36);
        // The frame-2 images of the resting set carry no picture.
        QPixmap picture(SpriteResourcePath(name, scale));
        picture.setDevicePixelRatio(scale);
        image->SetPicture(picture);
      }
    }
  }
}

const TImageControl* TfrmSlicice::FindImage(const QString& name) const {
  for (const TImageControl* image : findChildren<const TImageControl*>())
    if (image->objectName().compare(name, Qt::CaseInsensitive) == 0) return image;
  return nullptr;
}
