// The dialog tests' folder, sprites and score table.
#include "DialogTestSupport.h"

#include <QFile>
#include <QTest>

#include "AssetNames.h"
#include "GameSettings.h"
#include "Random.h"
#include "SoundUnavailable.h"
#include "SpriteForm.h"
#include "TopLista.h"

TDialogFixture::TDialogFixture() {
  GameSettings = DefaultSettings;
  SoundUnavailable = 0;
  // No Score.dat yet: the default table is made and written, its marks fixed by the seed.
  TRandom random;
  random.Seed(11);
  LoadScores(Folder(), random);
}

QByteArray TDialogFixture::FileBytes(const char* name) const {
  QFile file(FilePath(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

const TImageStorage& NormalSprites() {
  static const TImageStorage sprites = [] {
    TfrmSlicice form;
    TImageStorage set;
    set.LoadFromSpriteForm(form, SpritePrefixes()[0]);
    return set;
  }();
  return sprites;
}

void TypeText(QWidget* widget, const QString& text) {
  // QTest::keyClicks knows ASCII keys only; a key event may carry any text.
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}
