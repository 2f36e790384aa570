// The window at every zoom step, with symbols and at every animation pace: places, fonts, art, the keys
// and menu that choose them, the Preferences dialog, and the game played the same at every pace.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOption>
#include <QTest>
#include <QTimer>

#include "Bevels.h"
#include "ImageControl.h"
#include "MainMenu.h"
#include "PreferencesDialog.h"
#include "UiTestSupport.h"
#include "WindowZoom.h"

namespace {

// Every control of the window itself (not of its dialogs or menus) with its place.
QMap<QString, QRect> Places(QWidget& window) {
  QMap<QString, QRect> places;
  for (QWidget* control : window.findChildren<QWidget*>())
    if (control->window() == &window && !control->objectName().isEmpty())
      places.insert(control->objectName(), control->geometry());
  return places;
}

// Plays the same clicks on a seeded game: each turn picks the first ball and the last empty cell.
QList<TBoard> PlayTurns(TTestProgram& program, int turns) {
  QList<TBoard> boards;
  for (int turn = 0; turn < turns; ++turn) {
    int ball = 0;
    int empty = 0;
    for (int cell = 1; cell <= CellCount; ++cell) {
      if (program.Game().Cell(cell) != EmptyCell && ball == 0) ball = cell;
      if (program.Game().Cell(cell) == EmptyCell) empty = cell;
    }
    if (ball == 0 || empty == 0) break;
    program.ClickCell(ball);
    program.ClickCell(empty);
    if (!program.WaitForIdle()) return {};
    boards << program.Game().Fields().Board;
  }
  return boards;
}

}  // namespace

class ZoomTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void TheFirstStartTakesTheLargestStepThatFitsHalfTheScreen() {
    QCOMPARE(FittingZoom(446, 600), 1.0);
    QCOMPARE(FittingZoom(446, 1024), 1.0);
    QCOMPARE(FittingZoom(446, 1116), 1.25);
    QCOMPARE(FittingZoom(446, 1440), 1.5);
    QCOMPARE(FittingZoom(446, 2160), 2.0);
    QCOMPARE(FittingZoom(446, 4000), 3.0);
    // The offscreen screen is small: the classic size, and nothing written until the player chooses.
    TTestProgram program;
    QCOMPARE(program.Rooms().Look().Zoom(), 1.0);
    QCOMPARE(program.Lines().size(), QSize(460, 446));
  }

  void EveryControlAndTheWindowScaleExactlyWithTheStep() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    const QMap<QString, QRect> classic = Places(lines);
    const QSize sizes[] = {{460, 446}, {575, 558}, {690, 669}, {920, 892}, {1150, 1115}, {1380, 1338}};
    for (std::size_t i = 0; i < ZoomSteps.size(); ++i) {
      const double step = ZoomSteps[i];
      program.Rooms().Look().SetZoom(step);
      QCOMPARE(lines.size(), sizes[i]);
      QCOMPARE(lines.minimumSize(), lines.maximumSize());
      const QMap<QString, QRect> zoomed = Places(lines);
      for (auto place = classic.begin(); place != classic.end(); ++place)
        QVERIFY2(zoomed.value(place.key()) == ZoomedRect(place.value(), step),
                 qPrintable(QStringLiteral("%1 at %2").arg(place.key()).arg(step)));
      QCOMPARE(lines.findChild<QLabel*>(QStringLiteral("labBest"))->font().pixelSize(), ZoomedLength(13, step));
      // Each ball picture fills its cell inside the thicker bevels, at its full size.
      for (int cell : {1, 41, 81}) {
        auto* panel = static_cast<TBevelPanel*>(lines.CellImage(cell)->parentWidget());
        QVERIFY(panel->ClientArea().contains(lines.CellImage(cell)->geometry()));
        QCOMPARE(lines.CellImage(cell)->width(), ZoomedLength(36, step));
      }
    }
    QCOMPARE(lines.findChild<QWidget*>(QStringLiteral("panTabla"))->geometry(), QRect(30, 225, 1080, 1080));
    // Back at the classic size nothing has drifted.
    program.Rooms().Look().SetZoom(1);
    QCOMPARE(Places(lines), classic);
    QCOMPARE(lines.size(), QSize(460, 446));
  }

  void CheckMarksAndSliderHandlesGrowWithTheStepAndAreClassicAtTheClassicStep() {
    QDialog dialog;
    dialog.resize(200, 100);
    auto* box = new QCheckBox(QStringLiteral("Box"), &dialog);
    auto* radio = new QRadioButton(QStringLiteral("Radio"), &dialog);
    auto* slider = new QSlider(Qt::Horizontal, &dialog);
    box->setGeometry(8, 8, 150, 17);
    radio->setGeometry(8, 30, 150, 17);
    slider->setGeometry(8, 55, 150, 21);
    const auto sizes = [&] {
      QStyleOptionButton boxOption;
      boxOption.initFrom(box);
      QStyleOptionButton radioOption;
      radioOption.initFrom(radio);
      QStyleOptionSlider sliderOption;
      sliderOption.initFrom(slider);
      sliderOption.orientation = Qt::Horizontal;
      sliderOption.maximum = 99;
      return QList<QSize>{
          box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &boxOption, box).size(),
          radio->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &radioOption, radio).size(),
          slider->style()->subControlRect(QStyle::CC_Slider, &sliderOption, QStyle::SC_SliderHandle, slider).size()};
    };
    const QList<QSize> classic = sizes();
    ZoomWindow(dialog, 1);
    // A classic window is drawn by the application's style alone.
    QCOMPARE(box->style(), QApplication::style());
    QCOMPARE(sizes(), classic);
    ZoomWindow(dialog, 2);
    const QList<QSize> doubled = sizes();
    for (int i = 0; i < classic.size(); ++i) QCOMPARE(doubled[i], classic[i] * 2);
    ZoomWindow(dialog, 1);
    QCOMPARE(sizes(), classic);
  }

  void TheArtIsMadeForTheStepAndTheBoardKeepsWhatItShows() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    QVERIFY(program.WaitForIdle());
    const int ball = [&] {
      for (int cell = 1; cell <= CellCount; ++cell)
        if (program.Game().Cell(cell) != EmptyCell) return cell;
      return 0;
    }();
    const BallCode code = program.Game().Cell(ball);
    for (double step : {2.0, 1.5, 3.0}) {
      program.Rooms().Look().SetZoom(step);
      const QPixmap& shown = lines.CellImage(ball)->Picture();
      QVERIFY(Shows(lines, ball, TSpriteSet::Normal, 1, code));
      QCOMPARE(shown.size(), QSize(ZoomedLength(36, step), ZoomedLength(36, step)));
      QCOMPARE(shown.devicePixelRatio(), 1.0);
      QVERIFY(lines.NextImage(1)->Picture().cacheKey() ==
              lines.Sprites(TSpriteSet::Normal).GetSprite(1, program.Game().Fields().NextBalls[1]).cacheKey());
    }
    // The symbols change every colour's picture and leave the empty cells empty.
    const QImage plain = lines.CellImage(ball)->Picture().toImage();
    program.Rooms().Look().SetSymbols(true);
    QVERIFY(Shows(lines, ball, TSpriteSet::Normal, 1, code));
    QVERIFY(lines.CellImage(ball)->Picture().toImage() != plain);
    for (int cell = 1; cell <= CellCount; ++cell)
      if (program.Game().Cell(cell) == EmptyCell) QVERIFY(Empty(lines, cell));
  }

  void KeysAndMenuChooseTheStepAndTheChoiceIsKept() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Show();
    QTest::keyClick(&lines, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(program.Rooms().Look().Zoom(), 1.25);
    QTest::keyClick(&lines, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(program.Rooms().Look().Zoom(), 1.5);
    QTest::keyClick(&lines, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(program.Rooms().Look().Zoom(), 1.25);
    program.Rooms().Menu().Menu().findChild<QAction*>(QStringLiteral("actSize300"))->trigger();
    QCOMPARE(program.Rooms().Look().Zoom(), 3.0);
    QTest::keyClick(&lines, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(program.Rooms().Look().Zoom(), 3.0);
    QVERIFY(program.Rooms().Menu().Menu().findChild<QAction*>(QStringLiteral("actSize300"))->isChecked());
    // The dialogs follow the window.
    QCOMPARE(program.Windows().Top10().size(), QSize(1050, 1299));
    QCOMPARE(TPreferences().Get(ZoomPercent, 0, 300), 300);
    QTest::keyClick(&lines, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(program.Rooms().Look().Zoom(), 1.0);
    QCOMPARE(program.Windows().Top10().size(), QSize(350, 433));
    QCOMPARE(TPreferences().Get(ZoomPercent, 0, 300), 100);
    program.Rooms().Menu().Menu().Symbols->trigger();
    QVERIFY(program.Rooms().Look().Symbols());
    QVERIFY(TPreferences().Get(BallSymbols));
  }

  void ThePreferencesDialogAppliesOnOkAndNothingOnCancel() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Show();
    const TPlayerChoices before = program.Rooms().Choices().Choices();
    QCOMPARE(before.MusicVolume, 25);
    QCOMPARE(before.EffectVolume, 100);
    TPlayerChoices wanted{2, true, 40, 10, TAnimationPace::Fast, true};
    const auto answer = [&wanted](bool ok) {
      QTimer::singleShot(0, [&wanted, ok] {
        auto* dialog = dynamic_cast<TfrmPreferences*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->ShowChoices(wanted);
        if (ok) dialog->accept();
        else dialog->reject();
      });
    };
    answer(false);
    QTest::keyClick(&lines, Qt::Key_Comma, Qt::ControlModifier);
    QVERIFY(program.Rooms().Choices().Choices() == before);
    answer(true);
    program.Rooms().Menu().Menu().PreferencesItem->trigger();
    QVERIFY(program.Rooms().Choices().Choices() == wanted);
    QCOMPARE(lines.size(), QSize(920, 892));
    QCOMPARE(lines.AnimationTimer(TAnimationTimer::Move).interval(), 28);
    QVERIFY(program.Rooms().Menu().Menu().KeepGameOnExit->isChecked());
    const TPreferences stored;
    QCOMPARE(stored.Get(MusicVolume, 0, 100), 10);
    QCOMPARE(stored.Get(EffectVolume, 0, 100), 40);
    QCOMPARE(stored.Get(PaceChoice, 0, 2), 1);
    QVERIFY(stored.Get(KeepGameOnExit));
  }

  void EveryPacePlaysTheSameGame() {
    QList<TBoard> classic;
    for (TAnimationPace pace : {TAnimationPace::Classic, TAnimationPace::Fast, TAnimationPace::Reduced}) {
      TTestProgram program(11);
      program.Rooms().Look().SetPace(pace);
      program.Start();
      QVERIFY(program.WaitForIdle());
      const QList<TBoard> boards = PlayTurns(program, 6);
      QCOMPARE(boards.size(), 6);
      if (pace == TAnimationPace::Classic) classic = boards;
      else QVERIFY2(boards == classic, pace == TAnimationPace::Fast ? "fast" : "reduced");
    }
  }

  void ReducedMotionHighlightsTheSelectedBallWithoutBouncing() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Rooms().Look().SetPace(TAnimationPace::Reduced);
    program.Start();
    QVERIFY(program.WaitForIdle());
    int ball = 1;
    while (program.Game().Cell(ball) == EmptyCell) ++ball;
    const BallCode code = program.Game().Cell(ball);
    program.ClickCell(ball);
    for (int tick = 0; tick < 5; ++tick) {
      QTest::qWait(lines.AnimationTimer(TAnimationTimer::Jump).interval());
      QVERIFY(Shows(lines, ball, TSpriteSet::Normal, 1, code));
      QVERIFY(lines.CellImage(ball)->Highlighted());
    }
    // Back to the classic pace, the same selection bounces again and loses its highlight.
    program.Rooms().Look().SetPace(TAnimationPace::Classic);
    QVERIFY(QTest::qWaitFor([&] { return Shows(lines, ball, TSpriteSet::Jump, 2, code); }));
    QVERIFY(!lines.CellImage(ball)->Highlighted());
  }
};

QTEST_MAIN(ZoomTest)
#include "ZoomTest.moc"
