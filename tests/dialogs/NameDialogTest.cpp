// The name-entry dialog: what Enter stores for each kind of typed name, the name kept for the next
// record, and a save that fails.
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "DialogTestSupport.h"
#include "GameSettings.h"
#include "NameDialog.h"
#include "Random.h"
#include "TopLista.h"

namespace {

// The stored name's bytes, ISO 8859-1 with the leading space.
QByteArray StoredBytes(int level, int place) {
  return QByteArray::fromStdString(ScoreTable.Entry(level, place).Name());
}

// Whether Score.dat holds exactly the table in memory.
bool FileHoldsTable(const std::string& folder) {
  const TScoreTable inMemory = ScoreTable;
  TRandom unused;
  LoadScores(folder, unused);
  const bool same = ScoreTable == inMemory;
  ScoreTable = inMemory;
  return same;
}

QLineEdit* NameBox(TfrmUpis& dialog) { return dialog.findChild<QLineEdit*>(QStringLiteral("playerName")); }

}  // namespace

class NameDialogTest : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void TheFormIsAnEditBoxUnderItsCaption() {
    TDialogFixture fixture;
    TfrmUpis dialog(fixture.Folder(), fixture.Game);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter Your Name"));
    QCOMPARE(dialog.size(), QSize(266, 41));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(dialog.findChildren<QPushButton*>().isEmpty());
    QLineEdit* name = NameBox(dialog);
    QVERIFY(name != nullptr);
    QCOMPARE(name->geometry(), QRect(8, 8, 249, 24));
    QVERIFY(name->font().bold());
    QCOMPARE(name->font().pixelSize(), 13);
    QCOMPARE(dialog.font().family(), QStringLiteral("Arial"));
    QVERIFY(name->text().isEmpty());
  }

  void EnterStoresTheTypedNameAndSavesTheTable_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("empty") << QString() << QByteArray(" Chicken!");
    QTest::newRow("blank") << QStringLiteral("    ") << QByteArray(" Chicken!");
    QTest::newRow("spaces kept around") << QStringLiteral("  Ann Lee  ") << QByteArray("   Ann Lee  ");
    QTest::newRow("40 characters") << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn")
                                   << QByteArray(" ABCDEFGHIJKLMNOPQRSTUVWXYZabc");
    QTest::newRow("ISO 8859-1") << QStringLiteral("Zo\u00EB \u00D8rsted") << QByteArray(" Zo\xEB \xD8rsted");
    QTest::newRow("outside ISO 8859-1") << QStringLiteral("Ji\u0159\u00ED") << QByteArray(" Ji?\xED");
  }

  void EnterStoresTheTypedNameAndSavesTheTable() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    TDialogFixture fixture;
    GameSettings.Level = 1;
    QVERIFY(InsertScore(fixture.Game, 60, 1, 0));
    QCOMPARE(int(fixture.Game.LastRank), 2);
    const QByteArray otherPlaceBefore = StoredBytes(1, 3);
    TfrmUpis dialog(fixture.Folder(), fixture.Game);

    WhenModal<TfrmUpis>([&](TfrmUpis& shown) {
      TypeText(NameBox(shown), typed);
      QCOMPARE(NameBox(shown)->text(), typed);
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QCOMPARE(StoredBytes(1, 2), stored);
    QCOMPARE(StoredBytes(1, 3), otherPlaceBefore);
    QCOMPARE(StoredBytes(0, 2), QByteArray(" Player 2"));
    QVERIFY(FileHoldsTable(fixture.Folder()));
  }

  void TheNextShowingPresentsThePreviousNameSelected() {
    TDialogFixture fixture;
    QVERIFY(InsertScore(fixture.Game, 30, 0, 0));
    TfrmUpis dialog(fixture.Folder(), fixture.Game);
    WhenModal<TfrmUpis>([](TfrmUpis& shown) {
      TypeText(NameBox(shown), QStringLiteral("Ann"));
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
    });
    dialog.exec();

    QVERIFY(InsertScore(fixture.Game, 200, 0, 0));
    QCOMPARE(int(fixture.Game.LastRank), 1);
    QString presented;
    QString selected;
    WhenModal<TfrmUpis>([&](TfrmUpis& shown) {
      presented = NameBox(shown)->text();
      selected = NameBox(shown)->selectedText();
      TypeText(NameBox(shown), QStringLiteral("Bob"));
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
    });
    dialog.exec();
    QCOMPARE(presented, QStringLiteral("Ann"));
    QCOMPARE(selected, QStringLiteral("Ann"));
    QCOMPARE(StoredBytes(0, 1), QByteArray(" Bob"));
    // The earlier record moved down a place with its name.
    QCOMPARE(StoredBytes(0, 5), QByteArray(" Ann"));
  }

  void EnterAloneKeepsThePreviousName() {
    TDialogFixture fixture;
    QVERIFY(InsertScore(fixture.Game, 30, 0, 0));
    TfrmUpis dialog(fixture.Folder(), fixture.Game);
    NameBox(dialog)->setText(QStringLiteral("Ann"));
    WhenModal<TfrmUpis>([](TfrmUpis& shown) { QTest::keyClick(NameBox(shown), Qt::Key_Enter); });
    dialog.exec();
    QCOMPARE(StoredBytes(0, 4), QByteArray(" Ann"));
  }

  void EscapeDoesNotLeaveThePlaceWithAnotherPlayersName() {
    TDialogFixture fixture;
    QVERIFY(InsertScore(fixture.Game, 30, 0, 0));
    TfrmUpis dialog(fixture.Folder(), fixture.Game);
    bool openAfterEscape = false;
    WhenModal<TfrmUpis>([&](TfrmUpis& shown) {
      QTest::keyClick(NameBox(shown), Qt::Key_Escape);
      openAfterEscape = shown.isVisible();
      TypeText(NameBox(shown), QStringLiteral("Cy"));
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
    });
    dialog.exec();
    QVERIFY(openAfterEscape);
    QCOMPARE(StoredBytes(0, 4), QByteArray(" Cy"));
  }

  void AFailedSaveKeepsTheDialogOpenAndEnterTriesAgain() {
    TDialogFixture fixture;
    const QByteArray fileBefore = fixture.FileBytes("Score.dat");
    QVERIFY(InsertScore(fixture.Game, 30, 0, 0));
    // A folder where the scrambler's work file must go makes the save fail.
    QVERIFY(QDir(fixture.Directory.path()).mkpath(QStringLiteral("$$$$$.$$/blocked")));
    TfrmUpis dialog(fixture.Folder(), fixture.Game);

    QString reported;
    bool openAfterFailure = false;
    QByteArray inMemoryAfterFailure;
    QByteArray fileAfterFailure;
    WhenModal<TfrmUpis>([&](TfrmUpis& shown) {
      TypeText(NameBox(shown), QStringLiteral("Dee"));
      WhenModal<QMessageBox>([&](QMessageBox& box) {
        reported = box.text();
        QCOMPARE(box.icon(), QMessageBox::Critical);
        box.accept();
      });
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
      openAfterFailure = shown.isVisible();
      inMemoryAfterFailure = StoredBytes(0, 4);
      fileAfterFailure = fixture.FileBytes("Score.dat");
      QDir(fixture.FilePath("$$$$$.$$")).removeRecursively();
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QVERIFY2(reported.contains(QStringLiteral("$$$$$.$$")), qPrintable(reported));
    QVERIFY(openAfterFailure);
    QCOMPARE(inMemoryAfterFailure, QByteArray(" Dee"));
    QCOMPARE(fileAfterFailure, fileBefore);
    QVERIFY(FileHoldsTable(fixture.Folder()));
    QCOMPARE(StoredBytes(0, 4), QByteArray(" Dee"));
  }

  void AfterAFailedSaveEscapeClosesWithTheNameInMemory() {
    TDialogFixture fixture;
    QVERIFY(InsertScore(fixture.Game, 30, 0, 0));
    QVERIFY(QDir(fixture.Directory.path()).mkpath(QStringLiteral("$$$$$.$$/blocked")));
    TfrmUpis dialog(fixture.Folder(), fixture.Game);
    WhenModal<TfrmUpis>([&](TfrmUpis& shown) {
      TypeText(NameBox(shown), QStringLiteral("Eve"));
      WhenModal<QMessageBox>([](QMessageBox& box) { box.accept(); });
      QTest::keyClick(NameBox(shown), Qt::Key_Return);
      QTest::keyClick(NameBox(shown), Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(StoredBytes(0, 4), QByteArray(" Eve"));
  }
};

QTEST_MAIN(NameDialogTest)
#include "NameDialogTest.moc"
