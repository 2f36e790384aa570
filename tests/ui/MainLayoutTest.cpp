// The main window's controls, screens, preview layouts, start-up warning and taskbar icon animation.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "Bevels.h"
#include "FlatButton.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "SilentSound.h"
#include "SoundUnavailable.h"
#include "UiTestSupport.h"

namespace {

template <typename T = QWidget>
T* Control(TfrmLines& lines, const char* name) {
  T* control = lines.findChild<T*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("no control %s", name);
  return control;
}

const QStringList GameControls = {"bvlOkvir", "labBest", "labNext",  "labScore",    "panBest",  "panScore", "panTabla",
                                  "btnNew",   "btnTop10", "btnSettings", "btnAbout", "btnHelp", "btnExit"};

bool FontIs(const QWidget* control, int pixelSize, bool bold) {
  return control->font().pixelSize() == pixelSize && control->font().bold() == bold &&
         control->font().family() == QLatin1String("Arial");
}

}  // namespace

class MainLayoutTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void TheWindowHasItsCaptionFixedSizeAndNoMaximiseBox() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    QCOMPARE(lines.windowTitle(), QStringLiteral("Brindlow v1.52"));
    QCOMPARE(lines.size(), QSize(460, 446));
    QCOMPARE(lines.minimumSize(), lines.maximumSize());
    QVERIFY(!(lines.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(lines.windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(FontIs(&lines, 13, false));
  }

  void TheStartScreenShowsOnlyThePictureUntilItIsClicked() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Show();
    auto* background = Control<TImageControl>(lines, "imgBackground");
    QVERIFY(background->isVisible());
    QCOMPARE(background->geometry(), QRect(0, 0, 460, 446));
    QCOMPARE(background->Picture().size(), QSize(460, 446));
    QCOMPARE(background->toolTip(), QStringLiteral("Click here to play Brindlow!"));
    QCOMPARE(lines.palette().color(QPalette::Window), QColor(Qt::black));
    for (const QString& name : GameControls) QVERIFY2(!Control(lines, qPrintable(name))->isVisible(), qPrintable(name));
    QVERIFY(!Control(lines, "panNext")->isVisible());
    QVERIFY(!Control(lines, "panExpertMode")->isVisible());

    QTest::mouseClick(background, Qt::LeftButton);
    QVERIFY(program.WaitForIdle());
    QVERIFY(!background->isVisible());
    for (const QString& name : GameControls) QVERIFY2(Control(lines, qPrintable(name))->isVisible(), qPrintable(name));
    QCOMPARE(Control(lines, "bvlOkvir")->geometry(), QRect(0, 0, 460, 446));
    QCOMPARE(lines.palette().color(QPalette::Window), lines.palette().color(QPalette::Button));
    QVERIFY(lines.palette().color(QPalette::Window) != QColor(Qt::black));
  }

  void EveryControlHasItsPlaceCaptionAndFont() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    const struct {
      const char* Name;
      QRect Geometry;
    } places[] = {
        {"labBest", {13, 14, 60, 16}},     {"labScore", {307, 14, 60, 16}},   {"labNext", {115, 10, 150, 16}},
        {"btnNew", {384, 80, 65, 32}},     {"btnTop10", {384, 128, 65, 32}},  {"btnSettings", {384, 176, 65, 32}},
        {"btnAbout", {384, 224, 65, 32}},  {"btnHelp", {384, 272, 65, 32}},   {"btnExit", {384, 399, 65, 32}},
        {"panTabla", {10, 75, 360, 360}},  {"panNext", {115, 30, 150, 30}},   {"panBest", {13, 33, 60, 25}},
        {"panScore", {307, 33, 60, 25}},   {"panExpertMode", {115, 30, 150, 30}},
    };
    for (const auto& place : places) QCOMPARE(Control(lines, place.Name)->geometry(), place.Geometry);

    const char* labels[][2] = {{"labBest", "Best"}, {"labScore", "Score"}, {"labNext", "Next"}};
    for (const auto& label : labels) {
      auto* control = Control<QLabel>(lines, label[0]);
      QCOMPARE(control->text(), QString::fromLatin1(label[1]));
      QVERIFY(control->alignment() & Qt::AlignHCenter);
      QVERIFY(FontIs(control, 13, true));
    }
    const char* buttons[][2] = {{"btnNew", "&New"},     {"btnTop10", "&Top 10"}, {"btnSettings", "&Options"},
                                {"btnAbout", "&About"}, {"btnHelp", "&Help"},    {"btnExit", "&Exit"}};
    int tag = 1;
    for (const auto& button : buttons) {
      auto* control = Control<TFlatButton>(lines, button[0]);
      QCOMPARE(control->text(), QString::fromLatin1(button[1]));
      QCOMPARE(control->Tag(), tag++);
      QVERIFY(FontIs(control, 13, true));
      QCOMPARE(control->cursor().shape(), Qt::ArrowCursor);
    }
    for (const char* name : {"panBest", "panScore"}) {
      auto* panel = Control<TBevelPanel>(lines, name);
      QCOMPARE(panel->Caption(), QStringLiteral("0"));
      QCOMPARE(panel->Color(), QColor(Qt::black));
      QCOMPARE(panel->Outer(), TBevelCut::Lowered);
      QCOMPARE(panel->Inner(), TBevelCut::Lowered);
      QVERIFY(FontIs(panel, 15, true));
    }
    auto* expert = Control<TBevelPanel>(lines, "panExpertMode");
    QCOMPARE(expert->Caption(), QStringLiteral("Next what?"));
    QCOMPARE(expert->Outer(), TBevelCut::Lowered);
    QCOMPARE(expert->Inner(), TBevelCut::Raised);
    QVERIFY(FontIs(expert, 15, true));
    // "Next what?" lies above the preview row.
    QVERIFY(lines.children().indexOf(expert) > lines.children().indexOf(Control(lines, "panNext")));
  }

  void EveryCellIsABlackBevelledPanelWithAHandCursorAndItsNumber() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    for (int n = 1; n <= 81; ++n) {
      auto* panel = Control<TBevelPanel>(lines, qPrintable(QStringLiteral("Panel%1").arg(n)));
      QCOMPARE(panel->geometry(), QRect((n - 1) % 9 * 40, (n - 1) / 9 * 40, 40, 40));
      QCOMPARE(panel->Color(), QColor(Qt::black));
      QCOMPARE(panel->Outer(), TBevelCut::Lowered);
      QCOMPARE(panel->Inner(), TBevelCut::Lowered);
      QCOMPARE(panel->cursor().shape(), Qt::PointingHandCursor);
      TImageControl* image = lines.CellImage(n);
      QCOMPARE(image->objectName(), QStringLiteral("Image%1").arg(n));
      QCOMPARE(image->parentWidget(), panel);
      QCOMPARE(image->geometry(), QRect(2, 2, 36, 36));
      QCOMPARE(image->Tag, n);
      QCOMPARE(image->cursor().shape(), Qt::PointingHandCursor);
    }
    for (int i = 1; i <= 5; ++i) {
      TImageControl* image = lines.NextImage(i);
      QCOMPARE(image->objectName(), QStringLiteral("imgNext%1").arg(i));
      QCOMPARE(image->geometry(), QRect(2, 2, 26, 26));
      QCOMPARE(image->parentWidget()->geometry(), QRect((i - 1) * 30, 0, 30, 30));
      QVERIFY(image->cursor().shape() != Qt::PointingHandCursor);
    }
    QVERIFY(Control(lines, "panTabla")->cursor().shape() != Qt::PointingHandCursor);
  }

  void ThePreviewRowIsLaidOutForEachLevel() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    QVERIFY(program.WaitForIdle());
    const struct {
      int Level;
      int Left;
      int Cells;
    } layouts[] = {{1, 130, 4}, {2, 115, 5}, {0, 145, 3}};
    for (const auto& layout : layouts) {
      GameSettings.Level = static_cast<std::uint8_t>(layout.Level);
      lines.btnClick(1);
      QVERIFY(program.WaitForIdle());
      auto* row = Control(lines, "panNext");
      QCOMPARE(row->pos(), QPoint(layout.Left, 30));
      QVERIFY(row->isVisible());
      for (int i = 1; i <= 5; ++i) {
        QCOMPARE(lines.NextImage(i)->parentWidget()->isVisible(), i <= layout.Cells);
        if (i <= layout.Cells) QVERIFY(!lines.NextImage(i)->Picture().isNull());
      }
      // The visible cells are centred over the middle of the board.
      QCOMPARE(layout.Left + layout.Cells * 15, 190);
      QCOMPARE(program.Game().Fields().BallsPerTurn, layout.Cells);
    }
  }

  void WithoutThePreviewTheRowIsCoveredByNextWhat() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    GameSettings.ViewNext = 0;
    program.Start();
    QVERIFY(program.WaitForIdle());
    auto* expert = Control(lines, "panExpertMode");
    QVERIFY(expert->isVisible());
    // The new game shows the row beneath; the panel above still hides it, and the row is filled.
    QVERIFY(Control(lines, "panNext")->isVisible());
    QCOMPARE(expert->geometry(), QRect(115, 30, 150, 30));
    for (int i = 1; i <= 3; ++i)
      QCOMPARE(lines.NextImage(i)->Picture().cacheKey(),
               lines.Sprites(TSpriteSet::Normal).GetSprite(1, program.Game().Fields().NextBalls[i]).cacheKey());
    QVERIFY(lines.childAt(190, 45) == expert || expert->isAncestorOf(lines.childAt(190, 45)));

    GameSettings.ViewNext = 1;
    lines.ApplySettingsChanges({.ViewNextChanged = true});
    QVERIFY(!expert->isVisible());
    QVERIFY(Control(lines, "panNext")->isVisible());
    QCOMPARE(program.BallCount(), 5);
  }

  void TheBestDisplayShowsPlaceOneOfTheLevelFromTheNewGame() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Start();
    QVERIFY(program.WaitForIdle());
    QCOMPARE(Control<TBevelPanel>(lines, "panBest")->Caption(), QStringLiteral("100"));
    QCOMPARE(Control<TBevelPanel>(lines, "panScore")->Caption(), QStringLiteral("0"));
  }

  void AMissingSoundBankIsReportedOnceAndTheRunIsSilent() {
    {
      TTestProgram program(7, false);
      QCOMPARE(program.Warnings, QStringList{QStringLiteral("Warning: Sound file is missing!")});
      QVERIFY(program.Lines().SoundBankMissing());
      QCOMPARE(SoundUnavailable, std::uint8_t{1});
      QCOMPARE(GameSettings.SoundsOff, std::uint8_t{1});
      QCOMPARE(GameSettings.Music, std::uint8_t{0});
    }
    TTestProgram program(7, true);
    QVERIFY(program.Warnings.isEmpty());
    QCOMPARE(SoundUnavailable, std::uint8_t{0});
    QCOMPARE(GameSettings.SoundsOff, DefaultSettings.SoundsOff);
    QCOMPARE(GameSettings.Music, DefaultSettings.Music);
  }

  // Each data file the start had to set aside is said once, in a warning box of its own.
  void DamagedDataFilesAreSetAsideAndEachIsToldOnce() {
    QTemporaryDir directory;
    const QString folder = directory.path();
    const auto write = [&](const char* name, const QByteArray& bytes) {
      QFile file(folder + QLatin1Char('/') + QLatin1String(name));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(bytes);
    };
    write("Sound.dat", {});
    write("Balls.cfg", QByteArray(3, '\x01'));
    write("Score.dat", QByteArray(10, 'x'));
    TSilentSound sound;
    QStringList warnings;
    const auto start = [&] {
      warnings.clear();
      TProgram program(TGameFolders{folder.toStdString(), folder.toStdString()}, sound,
                       [&](QWidget*, const QString& title, const QString& text) { warnings << title + QStringLiteral(": ") + text; });
    };
    start();
    QCOMPARE(warnings.size(), 2);
    QCOMPARE(warnings[0], QStringLiteral("Warning: %1/Balls.cfg was set aside as Balls.cfg.bad: it is 3 bytes long "
                                         "instead of 11, so the default settings are in force.").arg(folder));
    QCOMPARE(warnings[1], QStringLiteral("Warning: %1/Score.dat was set aside as Score.dat.bad: it is 10 bytes long "
                                         "instead of 1082, so the top-ten lists start afresh.").arg(folder));
    QVERIFY(QFile::exists(folder + QStringLiteral("/Balls.cfg.bad")));
    QVERIFY(QFile::exists(folder + QStringLiteral("/Score.dat.bad")));
    start();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
  }

  void TheTaskbarIconCyclesWhileMinimisedAndResumesWhereItStopped() {
    TTestProgram program;
    TfrmLines& lines = program.Lines();
    program.Show();
    for (int frame = 0; frame <= 18; ++frame) QVERIFY(!lines.IconFrame(frame).isNull());
    QVERIFY(!lines.IconTimerControl().isActive());
    QCOMPARE(lines.IconTimerControl().interval(), 100);
    QCOMPARE(lines.IconTimerTag(), 1);

    lines.setWindowState(Qt::WindowMinimized);
    QVERIFY(lines.IsMinimized());
    QVERIFY(lines.IconTimerControl().isActive());
    QTRY_VERIFY_WITH_TIMEOUT(lines.IconTimerTag() >= 4, 2000);
    lines.setWindowState(Qt::WindowNoState);
    QVERIFY(!lines.IsMinimized());
    QVERIFY(!lines.IconTimerControl().isActive());
    QCOMPARE(QApplication::windowIcon().cacheKey(), lines.IconFrame(0).cacheKey());
    const int stopped = lines.IconTimerTag();
    QTest::qWait(250);
    QCOMPARE(lines.IconTimerTag(), stopped);

    lines.setWindowState(Qt::WindowMinimized);
    QTRY_COMPARE_WITH_TIMEOUT(lines.IconTimerTag(), stopped + 1, 1000);
    // The frame shown is the one the tag named before it advanced.
    QCOMPARE(QApplication::windowIcon().cacheKey(), lines.IconFrame(stopped).cacheKey());
    // Past frame 18 the cycle starts again at frame 1, never at the resting frame.
    QTRY_VERIFY_WITH_TIMEOUT(lines.IconTimerTag() <= 3, 3000);
    lines.setWindowState(Qt::WindowNoState);
    QVERIFY(QApplication::windowIcon().cacheKey() == lines.IconFrame(0).cacheKey());
  }
};

QTEST_MAIN(MainLayoutTest)
#include "MainLayoutTest.moc"
