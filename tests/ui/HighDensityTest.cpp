// The window on a screen of twice the density: the same layout in logical pixels, drawn from the
// twice-size pictures so that balls, preview, start picture and icon stay sharp.
#include <QApplication>
#include <QTest>

#include "AssetNames.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "JpegLoader.h"
#include "UiTestSupport.h"

namespace {

// The pixels alone, whatever ratio the picture is drawn at, for comparing with a file's.
QImage Pixels(QImage image, QImage::Format format = QImage::Format_RGB32) {
  image.setDevicePixelRatio(1);
  return image.convertToFormat(format);
}

// The width of the part of a picture that is clearly not background.
int LitWidth(const QImage& image) {
  int left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) > 40) left = std::min(left, x), right = std::max(right, x);
  return right < left ? 0 : right - left + 1;
}

}  // namespace

class HighDensityTest : public QObject {
  Q_OBJECT

private slots:
  void TheScreenReportsTwiceTheDensity() {
    TTestProgram program;
    program.Show();
    QCOMPARE(program.Lines().devicePixelRatioF(), 2.0);
  }

  void TheStartPictureIsTheTwiceSizeOneAtTheSameLogicalSize() {
    TTestProgram program;
    program.Show();
    auto* background = program.Lines().findChild<TImageControl*>(QStringLiteral("imgBackground"));
    QVERIFY(background != nullptr);
    const QPixmap& picture = background->Picture();
    QCOMPARE(picture.size(), QSize(920, 892));
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(460, 446));
    // What the screen receives is the fine picture pixel for pixel, not the small one enlarged.
    const QImage shown = Pixels(background->grab(QRect(0, 0, 460, 446)).toImage());
    QCOMPARE(shown.size(), QSize(920, 892));
    QCOMPARE(shown, Pixels(LoadJpeg(StartPictureResourcePath(2))));
  }

  void BoardCellsShowTwiceSizeSpritesInTheirUsualPlace() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    QVERIFY(program.WaitForIdle());
    int balls = 0;
    for (int cell = 1; cell <= 81; ++cell) {
      TImageControl* image = lines.CellImage(cell);
      QCOMPARE(image->size(), QSize(36, 36));
      const BallCode code = program.Game().Cell(cell);
      if (code == 0) continue;
      ++balls;
      QVERIFY(Shows(lines, cell, TSpriteSet::Normal, 1, code));
      QCOMPARE(image->Picture().size(), QSize(72, 72));
      QCOMPARE(image->Picture().devicePixelRatio(), 2.0);
      QCOMPARE(Pixels(image->grab().toImage()), Pixels(QImage(SpriteResourcePath(QStringLiteral("normal"), 1, code, 2))));
    }
    QCOMPARE(balls, 5);
    QCOMPARE(lines.findChild<QWidget*>(QStringLiteral("panTabla"))->geometry(), QRect(10, 75, 360, 360));
  }

  void EverySpriteSetHoldsTwiceSizePictures() {
    TTestProgram program;
    program.Start();
    for (const TSpriteSet set : {TSpriteSet::Normal, TSpriteSet::Make, TSpriteSet::Jump, TSpriteSet::Destroy}) {
      const QPixmap& sprite = program.Lines().Sprites(set).GetSprite(1, 3);
      QCOMPARE(sprite.size(), QSize(72, 72));
      QCOMPARE(sprite.devicePixelRatio(), 2.0);
    }
  }

  void ThePreviewIsStretchedInFinePixelsToFillItsCell() {
    GameSettings.ViewNext = 1;
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    QVERIFY(program.WaitForIdle());
    for (int i = 1; i <= 3; ++i) {
      TImageControl* image = lines.NextImage(i);
      QVERIFY(!image->Picture().isNull());
      const QImage shown = Pixels(image->grab().toImage());
      QCOMPARE(shown.size(), image->size() * 2);
      // The ball spans most of the cell: a picture stretched to the logical size in fine pixels
      // would fill only its top-left quarter.
      QVERIFY2(LitWidth(shown) * 2 > shown.width(), qPrintable(QString::number(LitWidth(shown))));
    }
  }

  void TheTaskbarIconHasItsTwiceSizeFrames() {
    TTestProgram program;
    program.Show();
    for (int frame = 0; frame < TaskbarIconFrames; ++frame) {
      const QIcon& icon = program.Lines().IconFrame(frame);
      QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
      QVERIFY(icon.availableSizes().contains(QSize(64, 64)));
      const QPixmap fine = icon.pixmap(QSize(32, 32), 2.0);
      QCOMPARE(fine.size(), QSize(64, 64));
      QCOMPARE(Pixels(fine.toImage(), QImage::Format_ARGB32_Premultiplied),
               Pixels(QImage(IconResourcePath2x(frame)), QImage::Format_ARGB32_Premultiplied));
    }
  }
};

int main(int argc, char** argv) {
  // As the program does: no scaling from the screen's reported density, but a scale asked for by the user.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  HighDensityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "HighDensityTest.moc"
