// The dialogs from the main window: the options applied when the settings dialog closes, and the
// record's two dialogs at a change of game options and at closing.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "DialogTestSupport.h"
#include "GameSettings.h"
#include "NameDialog.h"
#include "RadioGroup.h"
#include "SettingsDialog.h"
#include "TopLista.h"
#include "TopTenDialog.h"
#include "UiTestSupport.h"

namespace {

std::array<BallCode, 82> Cells(TGame& game) {
  std::array<BallCode, 82> cells{};
  for (int cell = 1; cell <= CellCount; ++cell) cells[cell] = game.Cell(cell);
  return cells;
}

void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, control->height() / 2)); }
void ClickOk(QWidget& form) { Click(form.findChild<QWidget*>(QStringLiteral("btnOK"))); }

// Names the record and closes both dialogs, noting what each showed.
void AnswerRecordDialogs(QStringList& seen, const QString& name, QWidget& over) {
  WhenModal<TfrmUpis>([&seen, name, &over](TfrmUpis& shown) {
    seen << QStringLiteral("name, window %1").arg(over.isVisible() ? "open" : "gone");
    TypeText(shown.findChild<QLineEdit*>(QStringLiteral("playerName")), name);
    QTest::keyClick(shown.findChild<QLineEdit*>(QStringLiteral("playerName")), Qt::Key_Return);
  });
  WhenModal<TfrmTop10>([&seen](TfrmTop10& shown) {
    const QLabel* first = shown.findChild<QLabel*>(QStringLiteral("panName1"));
    seen << QStringLiteral("top ten on tab %1:%2").arg(shown.findChild<QTabBar*>()->currentIndex()).arg(first->text());
    QTest::keyClick(&shown, Qt::Key_Escape);
  });
}

}  // namespace

class WindowDialogsTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void OkWithoutAChangeKeepsTheGameGoing() {
    TTestProgram program;
    program.Start();
    QVERIFY(program.WaitForIdle());
    program.Game().Variables.Score = 500;
    const auto before = Cells(program.Game());
    WhenModal<TfrmSettings>([](TfrmSettings& shown) { ClickOk(shown); });
    program.Lines().btnClick(3);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(Cells(program.Game()), before);
    QCOMPARE(int(program.Game().Variables.Score), 500);
    QCOMPARE(int(program.Game().Variables.ScoreSubmitted), 0);
    // The record is still open: closing brings its dialogs.
    QStringList seen;
    AnswerRecordDialogs(seen, QStringLiteral("Al"), program.Lines());
    program.Lines().close();
    QCOMPARE(seen.size(), 2);
  }

  void ViewNextSwitchesThePreviewAtOnceAndTheGameGoesOn() {
    TTestProgram program;
    program.Start();
    QVERIFY(program.WaitForIdle());
    QWidget* preview = program.Lines().findChild<QWidget*>(QStringLiteral("panNext"));
    QWidget* expert = program.Lines().findChild<QWidget*>(QStringLiteral("panExpertMode"));
    const bool shownBefore = GameSettings.ViewNext != 0;
    QCOMPARE(expert->isVisible(), !shownBefore);
    const auto before = Cells(program.Game());
    WhenModal<TfrmSettings>([](TfrmSettings& shown) {
      Click(shown.findChild<QCheckBox*>(QStringLiteral("CheckBox0")));
      ClickOk(shown);
    });
    program.Lines().btnClick(3);
    QCOMPARE(expert->isVisible(), shownBefore);
    QCOMPARE(preview->isVisible() && !expert->isVisible(), !shownBefore);
    QCOMPARE(Cells(program.Game()), before);
  }

  void ALevelChangeOffersTheRecordToTheOldLevelThenStartsANewGame() {
    TTestProgram program;
    program.Start();
    QVERIFY(program.WaitForIdle());
    QCOMPARE(int(GameSettings.Level), 0);
    program.Game().Variables.Score = 500;
    QStringList seen;
    AnswerRecordDialogs(seen, QStringLiteral("Ida"), program.Lines());
    WhenModal<TfrmSettings>([](TfrmSettings& shown) {
      Click(shown.findChild<TRadioGroup*>(QStringLiteral("grpLevel"))->Item(2));
      ClickOk(shown);
    });
    program.Lines().btnClick(3);
    QVERIFY(program.WaitForIdle());
    QCOMPARE(seen, QStringList({"name, window open", "top ten on tab 0: Ida"}));
    QCOMPARE(int(ScoreTable.Entry(0, 1).Score), 500);
    QCOMPARE(int(ScoreTable.Entry(2, 1).Score), 100);
    // The new game runs at the new level, with its own score and nothing to highlight.
    QCOMPARE(int(GameSettings.Level), 2);
    QCOMPARE(int(program.Game().Variables.Score), 0);
    QCOMPARE(int(program.Game().Variables.LastRank), 0);
    QCOMPARE(program.Game().Fields().BallsPerTurn, 5);
  }

  void ClosingDuringARecordGameShowsBothDialogsBeforeTheEnd() {
    TTestProgram program;
    program.Start();
    QVERIFY(program.WaitForIdle());
    program.Game().Variables.Score = 300;
    QStringList seen;
    AnswerRecordDialogs(seen, QStringLiteral("Jo"), program.Lines());
    program.Lines().close();
    QCOMPARE(seen, QStringList({"name, window open", "top ten on tab 0: Jo"}));
    QVERIFY(!program.Lines().isVisible());
    // The record reached the disk before the program ended.
    const TScoreTable named = ScoreTable;
    TRandom unused;
    LoadScores(program.Directory.path().toStdString(), unused);
    QVERIFY(ScoreTable == named);
  }

  void AMissingSoundBankGreysTheSoundGroupsAndOkStoresSilence() {
    TTestProgram program(7, false);
    program.Start();
    QVERIFY(program.WaitForIdle());
    bool greyed = false;
    WhenModal<TfrmSettings>([&greyed](TfrmSettings& shown) {
      greyed = !shown.findChild<QWidget*>(QStringLiteral("grpSounds"))->isEnabled() &&
               !shown.findChild<QWidget*>(QStringLiteral("grpMusic"))->isEnabled();
      ClickOk(shown);
    });
    program.Lines().btnClick(3);
    QVERIFY(greyed);
    QFile file(program.Directory.filePath(QStringLiteral("Balls.cfg")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    QCOMPARE(stored.size(), 11);
    QCOMPARE(int(stored[4]), 1);
    QCOMPARE(int(stored[10]), 0);
  }
};

QTEST_MAIN(WindowDialogsTest)
#include "WindowDialogsTest.moc"
