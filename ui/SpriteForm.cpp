// The hidden sprite form, filled from the sprite resources.
#include "SpriteForm.h"

#include <QGroupBox>

#include "ImageControl.h"

namespace {

struct TSpriteGroup {
  const char* Prefix;
  const char* Caption;
};

constexpr TSpriteGroup SpriteGroups[] = {
    {"normal", "Standardne"}, {"make", "Stvaranje"}, {"jump", "Skakanje"}, {"destroy", "Nestajanje"}};

}  // namespace

TfrmSlicice::TfrmSlicice() : QWidget(nullptr, Qt::FramelessWindowHint) {
  setFixedSize(426, 451);
  int left = 8;
  for (const TSpriteGroup& group : SpriteGroups) {
    auto* box = new QGroupBox(QString::fromLatin1(group.Caption), this);
    box->setGeometry(left, 8, 97, 433);
    left += 104;
    for (int frame = 1; frame <= 2; ++frame) {
      for (int code = 0; code <= 9; ++code) {
        const QString name = QString::fromLatin1(group.Prefix) + QString::number(frame) + QString::number(code);
        auto* image = new TImageControl(box);
        image->setObjectName(name);
        image->setGeometry(frame == 1 ? 8 : 56, 24 + 40 * code, 36, 36);
        // The frame-2 images of the resting set have no resource and stay without a picture.
        image->SetPicture(QPixmap(QStringLiteral(":/sprites/") + name + QStringLiteral(".bmp")));
      }
    }
  }
}

const TImageControl* TfrmSlicice::FindImage(const QString& name) const {
  for (const TImageControl* image : findChildren<const TImageControl*>())
    if (image->objectName().compare(name, Qt::CaseInsensitive) == 0) return image;
  return nullptr;
}
