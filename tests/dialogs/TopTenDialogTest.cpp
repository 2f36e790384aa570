// The top-ten dialog: its form, the rows it fills from each list, the marks, and the highlight of
// the place just won on the current level's tab only.
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "Bevels.h"
#include "DialogTestSupport.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "TopLista.h"
#include "TopTenDialog.h"

namespace {

QLabel* NamePanel(QWidget& form, int row) { return Control<QLabel>(form, QStringLiteral("panName%1").arg(row)); }
QLabel* ScorePanel(QWidget& form, int row) { return Control<QLabel>(form, QStringLiteral("panScore%1").arg(row)); }
TImageControl* Mark(QWidget& form, int image) { return Control<TImageControl>(form, QStringLiteral("Image%1").arg(image)); }
QTabBar* Tabs(QWidget& form) { return Control<QTabBar>(form, QStringLiteral("TabBar")); }

bool Highlighted(QWidget& form, int row) {
  for (const QLabel* panel : {NamePanel(form, row), ScorePanel(form, row)}) {
    if (panel->font().pointSize() != 9 || !panel->font().bold()) return false;
  }
  return true;
}

bool Plain(QWidget& form, int row) {
  for (const QLabel* panel : {NamePanel(form, row), ScorePanel(form, row)}) {
    if (panel->font().pointSize() != 8 || panel->font().bold()) return false;
  }
  return true;
}

// The rows that carry the highlight, by place number.
QList<int> HighlightedRows(QWidget& form) {
  QList<int> rows;
  for (int row = 1; row <= TopTenRows; ++row) {
    if (Highlighted(form, row)) rows << row;
    else if (!Plain(form, row)) rows << -row;
  }
  return rows;
}

bool SameSprite(const TImageControl* mark, BallCode code) {
  const QPixmap& sprite = NormalSprites().GetSprite(1, code);
  return !sprite.isNull() && mark->Picture().cacheKey() == sprite.cacheKey();
}

// Pixels inside a mark's bevel that are not black.
int ColouredPixels(QWidget& markPanel) {
  const QImage shot = markPanel.grab().toImage();
  int coloured = 0;
  for (int y = 1; y < 19; ++y) {
    for (int x = 1; x < 19; ++x) coloured += shot.pixelColor(x, y) != QColor(Qt::black);
  }
  return coloured;
}

}  // namespace

class TopTenDialogTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void EveryControlHasItsPlaceAndCaption() {
    TDialogFixture fixture;
    TfrmTop10 dialog(NormalSprites(), fixture.Game);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Top Ten"));
    QCOMPARE(dialog.size(), QSize(350, 433));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(dialog.font().family(), QStringLiteral("Arial"));
    QCOMPARE(dialog.font().pixelSize(), 13);
    QVERIFY(dialog.font().bold());

    QCOMPARE(Control(dialog, QStringLiteral("Tab"))->geometry(), QRect(8, 8, 333, 377));
    QTabBar* tabs = Tabs(dialog);
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Normal"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Hard"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Impossible"));
    QCOMPARE(tabs->focusPolicy(), Qt::NoFocus);

    const QStringList labels = {"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8", "9.", "10."};
    for (int row = 1; row <= TopTenRows; ++row) {
      const int top = 48 + 32 * (row - 1);
      auto* label = Control<QLabel>(dialog, QStringLiteral("Label%1").arg(row));
      QCOMPARE(label->text(), labels[row - 1]);
      QCOMPARE(label->pos(), QPoint(row == 10 ? 8 : 16, top));
      QVERIFY(label->font().bold());
      QCOMPARE(Mark(dialog, row)->parentWidget()->geometry(), QRect(32, top, 20, 20));
      QCOMPARE(Mark(dialog, row + 10)->parentWidget()->geometry(), QRect(56, top, 20, 20));
      for (const int image : {row, row + 10}) {
        QCOMPARE(Mark(dialog, image)->size(), QSize(18, 18));
        auto* panel = dynamic_cast<TBevelPanel*>(Mark(dialog, image)->parentWidget());
        QVERIFY(panel != nullptr);
        QCOMPARE(panel->Color(), QColor(Qt::black));
        QCOMPARE(panel->Outer(), TBevelCut::Lowered);
      }
      QCOMPARE(NamePanel(dialog, row)->geometry(), QRect(80, top, 185, 20));
      QCOMPARE(ScorePanel(dialog, row)->geometry(), QRect(272, top, 49, 20));
      QVERIFY(NamePanel(dialog, row)->alignment() & Qt::AlignLeft);
      QVERIFY(ScorePanel(dialog, row)->alignment() & Qt::AlignHCenter);
      QCOMPARE(NamePanel(dialog, row)->frameShadow(), QFrame::Sunken);
    }
    auto* ok = Control<QPushButton>(dialog, QStringLiteral("BitBtn1"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(56, 392, 233, 33));
    QVERIFY(ok->isDefault());
  }

  void RowsShowTheListOfTheSelectedTabAsStored() {
    TDialogFixture fixture;
    GameSettings.Level = 2;
    ScoreTable.Entry(2, 1).SetName(" Zo\xEB");
    ScoreTable.Entry(2, 1).Score = 65535;
    ScoreTable.Entry(0, 7).SetName(" Norma");
    TfrmTop10 dialog(NormalSprites(), fixture.Game);
    dialog.show();
    QCOMPARE(Tabs(dialog)->currentIndex(), 2);
    QCOMPARE(NamePanel(dialog, 1)->text(), QStringLiteral(" Zo\u00EB"));
    QCOMPARE(ScorePanel(dialog, 1)->text(), QStringLiteral("65535"));
    QCOMPARE(NamePanel(dialog, 10)->text(), QStringLiteral(" Player 10"));
    QCOMPARE(ScorePanel(dialog, 3)->text(), QStringLiteral("33"));
    Tabs(dialog)->setCurrentIndex(0);
    QCOMPARE(NamePanel(dialog, 7)->text(), QStringLiteral(" Norma"));
    QCOMPARE(ScorePanel(dialog, 1)->text(), QStringLiteral("100"));
    dialog.close();
  }

  void MarksFollowEachRowsOptions() {
    TDialogFixture fixture;
    GameSettings.Level = 0;
    const std::uint8_t flags[][2] = {{1, 0}, {0, 1}, {1, 1}, {0, 0}};
    for (int row = 1; row <= 4; ++row) {
      ScoreTable.Entry(0, row).Jokers = flags[row - 1][0];
      ScoreTable.Entry(0, row).Bombs = flags[row - 1][1];
    }
    TfrmTop10 dialog(NormalSprites(), fixture.Game);
    dialog.show();
    for (int row = 1; row <= 4; ++row) {
      const TImageControl* joker = Mark(dialog, row);
      const TImageControl* bomb = Mark(dialog, row + 10);
      QCOMPARE(SameSprite(joker, JokerBall), flags[row - 1][0] == 1);
      QCOMPARE(joker->Picture().isNull(), flags[row - 1][0] == 0);
      QCOMPARE(SameSprite(bomb, BombBall), flags[row - 1][1] == 1);
      QCOMPARE(bomb->Picture().isNull(), flags[row - 1][1] == 0);
    }
    // A mark that a list on another tab clears is gone there too.
    ScoreTable.Entry(1, 1).Jokers = 0;
    Tabs(dialog)->setCurrentIndex(1);
    QVERIFY(Mark(dialog, 1)->Picture().isNull());
    // On screen: the joker's square shows the ball, the bomb's square beside it is plain black.
    Tabs(dialog)->setCurrentIndex(0);
    QVERIFY(ColouredPixels(*Mark(dialog, 1)->parentWidget()) > 50);
    QCOMPARE(ColouredPixels(*Mark(dialog, 11)->parentWidget()), 0);
    dialog.close();
  }

  void TheHighlightShowsOnTheCurrentLevelsTabOnly() {
    TDialogFixture fixture;
    GameSettings.Level = 1;
    QVERIFY(InsertScore(fixture.Game, 40, 1, 0));
    QCOMPARE(int(fixture.Game.LastRank), 3);
    TfrmTop10 dialog(NormalSprites(), fixture.Game);
    dialog.show();
    QCOMPARE(Tabs(dialog)->currentIndex(), 1);
    QCOMPARE(HighlightedRows(dialog), QList<int>{3});
    QCOMPARE(ScorePanel(dialog, 3)->text(), QStringLiteral("40"));

    Tabs(dialog)->setCurrentIndex(0);
    QCOMPARE(HighlightedRows(dialog), QList<int>{});
    Tabs(dialog)->setCurrentIndex(2);
    QCOMPARE(HighlightedRows(dialog), QList<int>{});
    Tabs(dialog)->setCurrentIndex(1);
    QCOMPARE(HighlightedRows(dialog), QList<int>{3});

    // Closing puts the fonts back; opening again before the next game highlights the same row.
    dialog.close();
    QCOMPARE(HighlightedRows(dialog), QList<int>{});
    dialog.show();
    QCOMPARE(HighlightedRows(dialog), QList<int>{3});
    dialog.close();

    // After a new game nothing is highlighted, and a show always opens on the current level.
    fixture.Game.LastRank = 0;
    GameSettings.Level = 2;
    dialog.show();
    QCOMPARE(Tabs(dialog)->currentIndex(), 2);
    QCOMPARE(HighlightedRows(dialog), QList<int>{});
    dialog.close();
  }

  void OkEnterAndEscapeClose_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("OK") << 0;
  }

  void OkEnterAndEscapeClose() {
    QFETCH(int, key);
    TDialogFixture fixture;
    QVERIFY(InsertScore(fixture.Game, 500, 0, 0));
    TfrmTop10 dialog(NormalSprites(), fixture.Game);
    bool highlightedWhileOpen = false;
    WhenModal<TfrmTop10>([&](TfrmTop10& shown) {
      highlightedWhileOpen = Highlighted(shown, 1);
      if (key == 0) QTest::mouseClick(Control<QPushButton>(shown, QStringLiteral("BitBtn1")), Qt::LeftButton);
      else QTest::keyClick(&shown, Qt::Key(key));
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, &dialog, &QDialog::close);
    guard.start(5000);
    dialog.exec();
    QVERIFY(guard.isActive());
    QVERIFY(highlightedWhileOpen);
    QVERIFY(Plain(dialog, 1));
  }
};

QTEST_MAIN(TopTenDialogTest)
#include "TopTenDialogTest.moc"
