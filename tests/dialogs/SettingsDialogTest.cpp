// The settings dialog: its form, what each showing presents, the change flags and Balls.cfg after
// OK, the record offered when the game must end, the sound boxes, and the ways out without a change.
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <array>

#include "DialogTestSupport.h"
#include "FlatButton.h"
#include "GameSettings.h"
#include "HomePage.h"
#include "NameDialog.h"
#include "RadioGroup.h"
#include "RecordDialogs.h"
#include "SettingsDialog.h"
#include "SettingsFile.h"
#include "SoundUnavailable.h"
#include "TopLista.h"
#include "TopTenDialog.h"

namespace {

QCheckBox* Box(QWidget& form, int number) { return Control<QCheckBox>(form, QStringLiteral("CheckBox%1").arg(number)); }
TRadioGroup* Level(QWidget& form) { return Control<TRadioGroup>(form, QStringLiteral("grpLevel")); }
TRadioGroup* Music(QWidget& form) { return Control<TRadioGroup>(form, QStringLiteral("grpMusic")); }

void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(5, control->height() / 2)); }
void ClickOk(QWidget& form) { Click(Control(form, QStringLiteral("btnOK"))); }

QByteArray Bytes(const TGameSettings& settings) {
  return QByteArray(reinterpret_cast<const char*>(&settings), TGameSettings::Size);
}

constexpr TSettingsChanges NoChange{};

// Settings unlike the defaults in every field that has a box or an item.
constexpr TGameSettings Varied = {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 4};

}  // namespace

Q_DECLARE_METATYPE(TSettingsChanges)

class SettingsDialogTest : public QObject {
  Q_OBJECT

public slots:
  // The desktop's handler for web and file addresses while a test listens for the home page.
  void OpenUrl(const QUrl& url) { OpenedUrls << url; }

private:
  QList<QUrl> OpenedUrls;

  // The fixture's settings, as start-up leaves them: loaded from Balls.cfg.
  static void StoreSettings(TDialogFixture& fixture, const TGameSettings& settings) {
    GameSettings = settings;
    SaveSettings(fixture.Folder());
  }

private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void EveryControlHasItsPlaceCaptionAndFont() {
    TDialogFixture fixture;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(dialog.size(), QSize(457, 215));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
    QCOMPARE(dialog.font().family(), QStringLiteral("Arial"));
    QCOMPARE(dialog.font().pixelSize(), 13);
    QVERIFY(!dialog.font().bold());

    const struct {
      const char* Name;
      QRect Geometry;
      const char* Caption;
      bool Bold;
    } controls[] = {
        {"GroupBox2", {8, 8, 105, 89}, "Game settings", true},
        {"grpLevel", {8, 104, 105, 81}, "Level", true},
        {"grpSounds", {128, 8, 105, 177}, "Sounds", true},
        {"grpMusic", {248, 8, 201, 137}, "Music", true},
    };
    for (const auto& expected : controls) {
      auto* group = Control<QGroupBox>(dialog, QString::fromLatin1(expected.Name));
      QCOMPARE(group->geometry(), expected.Geometry);
      QCOMPARE(group->title(), QString::fromLatin1(expected.Caption));
      QCOMPARE(group->font().bold(), expected.Bold);
    }
    for (const char* name : {"btnOK", "btnCancel"}) QVERIFY(Control(dialog, QString::fromLatin1(name))->font().bold());
    auto* ok = Control<QPushButton>(dialog, QStringLiteral("btnOK"));
    QCOMPARE(ok->geometry(), QRect(256, 156, 81, 25));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QVERIFY(ok->isDefault());
    auto* cancel = Control<QPushButton>(dialog, QStringLiteral("btnCancel"));
    QCOMPARE(cancel->geometry(), QRect(360, 156, 81, 25));
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));

    const struct {
      int Number;
      const char* Group;
      const char* Caption;
      int Top;
    } boxes[] = {
        {0, "GroupBox2", "View next", 24}, {1, "GroupBox2", "Jokers", 24 + 20}, {2, "GroupBox2", "Bombs", 64},
        {10, "grpSounds", "Sounds off", 24}, {11, "grpSounds", "Create", 56},  {12, "grpSounds", "Jump", 80},
        {13, "grpSounds", "Move", 104},      {14, "grpSounds", "Stuck", 128},  {15, "grpSounds", "Break", 152},
    };
    for (const auto& expected : boxes) {
      QCheckBox* box = Box(dialog, expected.Number);
      QCOMPARE(box->text(), QString::fromLatin1(expected.Caption));
      QCOMPARE(box->parentWidget()->objectName(), QString::fromLatin1(expected.Group));
      QCOMPARE(box->pos(), QPoint(8, expected.Top));
      QCOMPARE(box->property("Tag").toInt(), expected.Number);
    }

    const QStringList levels = {"Normal", "Hard", "Impossible"};
    const QStringList music = {"Music off", "Song #1", "Song #2", "Song #3", "Song #4",
                               "Song #5",   "Song #6", "Song #7", "Song #8", "Random"};
    for (int i = 0; i < levels.size(); ++i) QCOMPARE(Level(dialog)->Item(i)->text(), levels[i]);
    for (int i = 0; i < music.size(); ++i) QCOMPARE(Music(dialog)->Item(i)->text(), music[i]);
    // One column of levels; two columns of songs, the first from "Music off" down to "Song #4".
    QCOMPARE(Level(dialog)->Item(0)->x(), Level(dialog)->Item(2)->x());
    QVERIFY(Level(dialog)->Item(0)->y() < Level(dialog)->Item(1)->y());
    QCOMPARE(Music(dialog)->Item(4)->x(), Music(dialog)->Item(0)->x());
    QCOMPARE(Music(dialog)->Item(5)->y(), Music(dialog)->Item(0)->y());
    QVERIFY(Music(dialog)->Item(5)->x() > Music(dialog)->Item(4)->x());
    for (int i = 0; i < music.size(); ++i) {
      QVERIFY(Music(dialog)->rect().contains(Music(dialog)->Item(i)->geometry()));
    }

    auto* home = Control<TFlatButton>(dialog, QStringLiteral("btnHomePage"));
    QCOMPARE(home->geometry(), QRect(8, 190, 441, 22));
    QCOMPARE(home->text(), QStringLiteral("Brindlow HomePage ") + QString::fromStdString(HomePage().Address));
    QCOMPARE(home->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(home->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    QVERIFY(!home->font().bold());
    dialog.close();
  }

  void EachShowingPresentsTheSettingsAsStored() {
    TDialogFixture fixture;
    StoreSettings(fixture, Varied);
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    SettingsChanges = {true, true, true, true};
    dialog.show();
    QCOMPARE(SettingsChanges, NoChange);
    const std::array<int, 9> numbers = {0, 1, 2, 10, 11, 12, 13, 14, 15};
    const std::array<int, 9> bytes = {0, 1, 2, 4, 5, 6, 7, 8, 9};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
      QCOMPARE(Box(dialog, numbers[i])->isChecked(), Varied.Byte(bytes[i]) != 0);
    }
    QCOMPARE(Level(dialog)->ItemIndex(), 1);
    QCOMPARE(Music(dialog)->ItemIndex(), 4);
    // Whatever the controls held at the last close, a showing starts again from GameSettings.
    Click(Box(dialog, 0));
    Level(dialog)->SetItemIndex(2);
    dialog.close();
    GameSettings.Music = 9;
    dialog.show();
    QVERIFY(!Box(dialog, 0)->isChecked());
    QCOMPARE(Level(dialog)->ItemIndex(), 1);
    QCOMPARE(Music(dialog)->ItemIndex(), 9);
    dialog.close();
  }

  void OkWithoutAChangeRaisesNoFlagAndRewritesTheSameBytes() {
    TDialogFixture fixture;
    StoreSettings(fixture, Varied);
    const QByteArray stored = fixture.FileBytes("Balls.cfg");
    QCOMPARE(stored, Bytes(Varied));
    // Gone from the disk, so that only a fresh write can bring the file back.
    QVERIFY(QFile::remove(fixture.FilePath("Balls.cfg")));
    fixture.Game.Score = 500;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    WhenModal<TfrmSettings>([](TfrmSettings& shown) { ClickOk(shown); });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(SettingsChanges, NoChange);
    QCOMPARE(fixture.FileBytes("Balls.cfg"), stored);
    QCOMPARE(GameSettings, Varied);
    QVERIFY(records.Shown.isEmpty());
    QCOMPARE(int(fixture.Game.ScoreSubmitted), 0);
  }

  void EachChangeRaisesItsOwnFlagOnly_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<TSettingsChanges>("flags");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("value");
    QTest::newRow("view next") << 0 << TSettingsChanges{.ViewNextChanged = true} << 0 << 0;
    QTest::newRow("music") << 1 << TSettingsChanges{.MusicChanged = true} << 10 << 3;
    QTest::newRow("sounds off") << 2 << NoChange << 4 << 1;
    QTest::newRow("an effect") << 3 << NoChange << 7 << 0;
  }

  void EachChangeRaisesItsOwnFlagOnly() {
    QFETCH(int, change);
    QFETCH(TSettingsChanges, flags);
    QFETCH(int, byte);
    QFETCH(int, value);
    TDialogFixture fixture;
    StoreSettings(fixture, DefaultSettings);
    // A running game with a record in it: none of these changes may end it.
    fixture.Game.Score = 500;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    WhenModal<TfrmSettings>([change](TfrmSettings& shown) {
      switch (change) {
        case 0: Click(Box(shown, 0)); break;
        case 1: Click(Music(shown)->Item(3)); break;
        case 2: Click(Box(shown, 10)); break;
        default: Click(Box(shown, 13)); break;
      }
      ClickOk(shown);
    });
    dialog.exec();
    QCOMPARE(SettingsChanges, flags);
    TGameSettings expected = DefaultSettings;
    expected.Byte(byte) = static_cast<std::uint8_t>(value);
    QCOMPARE(GameSettings, expected);
    QCOMPARE(fixture.FileBytes("Balls.cfg"), Bytes(expected));
    QVERIFY(records.Shown.isEmpty());
    QCOMPARE(int(fixture.Game.ScoreSubmitted), 0);
  }

  void AnEditUndoneBeforeOkRaisesNoFlag() {
    TDialogFixture fixture;
    StoreSettings(fixture, DefaultSettings);
    fixture.Game.Score = 500;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    WhenModal<TfrmSettings>([](TfrmSettings& shown) {
      for (const int box : {0, 1, 2}) {
        Click(Box(shown, box));
        Click(Box(shown, box));
      }
      Click(Level(shown)->Item(2));
      Click(Level(shown)->Item(0));
      Click(Music(shown)->Item(0));
      Click(Music(shown)->Item(9));
      ClickOk(shown);
    });
    dialog.exec();
    QCOMPARE(SettingsChanges, NoChange);
    QCOMPARE(GameSettings, DefaultSettings);
    QVERIFY(records.Shown.isEmpty());
  }

  void EndingTheGameOffersItsScoreToTheOldLevelOverTheDialog_data() {
    QTest::addColumn<int>("change");
    QTest::addColumn<TSettingsChanges>("flags");
    QTest::newRow("jokers") << 1 << TSettingsChanges{.JokersBombsChanged = true};
    QTest::newRow("bombs") << 2 << TSettingsChanges{.JokersBombsChanged = true};
    QTest::newRow("level") << 3 << TSettingsChanges{.LevelChanged = true};
  }

  void EndingTheGameOffersItsScoreToTheOldLevelOverTheDialog() {
    QFETCH(int, change);
    QFETCH(TSettingsChanges, flags);
    TDialogFixture fixture;
    TGameSettings hard = DefaultSettings;
    hard.Level = 1;
    StoreSettings(fixture, hard);
    const TScoreTable::TList impossibleBefore = ScoreTable.Lists[2];
    // The game was started with jokers and no bombs; 45 beats place 3 of the Hard list (33).
    fixture.Game = {.Score = 45, .GameJokers = 1, .GameBombs = 0, .ScoreSubmitted = 0, .LastRank = 0};

    TfrmUpis nameDialog(fixture.Folder(), fixture.Game);
    TfrmTop10 topTen(NormalSprites(), fixture.Game);
    TRecordDialogs records([&]() -> TfrmUpis& { return nameDialog; }, [&]() -> TfrmTop10& { return topTen; });
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);

    QStringList seen;
    WhenModal<TfrmUpis>([&](TfrmUpis& shown) {
      seen << QStringLiteral("name over %1").arg(dialog.isVisible() ? "settings" : "nothing");
      TypeText(shown.findChild<QLineEdit*>(QStringLiteral("playerName")), QStringLiteral("Gil"));
      QTest::keyClick(shown.findChild<QLineEdit*>(QStringLiteral("playerName")), Qt::Key_Return);
    });
    WhenModal<TfrmTop10>([&](TfrmTop10& shown) {
      auto* tabs = shown.findChild<QTabBar*>(QStringLiteral("TabBar"));
      const QLabel* name = shown.findChild<QLabel*>(QStringLiteral("panName3"));
      seen << QStringLiteral("top ten over %1 on tab %2, row 3 %3 %4")
                  .arg(dialog.isVisible() ? "settings" : "nothing")
                  .arg(tabs->currentIndex())
                  .arg(name->text())
                  .arg(name->font().bold() ? "bold" : "plain");
      QTest::keyClick(&shown, Qt::Key_Return);
    });
    WhenModal<TfrmSettings>([change](TfrmSettings& shown) {
      if (change == 3) Click(Level(shown)->Item(2));
      else Click(Box(shown, change));
      ClickOk(shown);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));

    QCOMPARE(seen, QStringList({"name over settings", "top ten over settings on tab 1, row 3  Gil bold"}));
    QCOMPARE(SettingsChanges, flags);
    QCOMPARE(int(fixture.Game.ScoreSubmitted), 1);
    const TScoreEntry& record = ScoreTable.Entry(1, 3);
    QCOMPARE(QByteArray::fromStdString(record.Name()), QByteArray(" Gil"));
    QCOMPARE(int(record.Score), 45);
    QCOMPARE(int(record.Jokers), 1);
    QCOMPARE(int(record.Bombs), 0);
    QVERIFY(ScoreTable.Lists[2] == impossibleBefore);
    // The new choice is in force and on disk only after the record went to the old level's list.
    TGameSettings expected = hard;
    if (change == 3) expected.Level = 2;
    else expected.Byte(change) = 1;
    QCOMPARE(GameSettings, expected);
    QCOMPARE(fixture.FileBytes("Balls.cfg"), Bytes(expected));
  }

  void EndingTheGameEndsItsOfferEvenWithoutARecord() {
    TDialogFixture fixture;
    StoreSettings(fixture, DefaultSettings);
    fixture.Game.Score = 5;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    WhenModal<TfrmSettings>([](TfrmSettings& shown) {
      Click(Level(shown)->Item(1));
      ClickOk(shown);
    });
    dialog.exec();
    QVERIFY(records.Shown.isEmpty());
    QCOMPARE(int(fixture.Game.ScoreSubmitted), 1);
    QVERIFY(SettingsChanges.LevelChanged);
  }

  void AScoreAlreadyOfferedIsNotOfferedAgain() {
    TDialogFixture fixture;
    StoreSettings(fixture, DefaultSettings);
    fixture.Game.Score = 500;
    fixture.Game.ScoreSubmitted = 1;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    WhenModal<TfrmSettings>([](TfrmSettings& shown) {
      Click(Box(shown, 1));
      ClickOk(shown);
    });
    dialog.exec();
    QVERIFY(records.Shown.isEmpty());
    QCOMPARE(int(ScoreTable.Entry(0, 1).Score), 100);
  }

  void SoundsOffGreysTheEffectsAndKeepsTheirTicks() {
    TDialogFixture fixture;
    TGameSettings mixed = DefaultSettings;
    mixed.SoundJump = 0;
    mixed.SoundBreak = 0;
    StoreSettings(fixture, mixed);
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    const auto effects = [&dialog] {
      QString state;
      for (int box = 11; box <= 15; ++box) {
        state += Box(dialog, box)->isEnabled() ? QLatin1Char('E') : QLatin1Char('g');
        state += Box(dialog, box)->isChecked() ? QLatin1Char('x') : QLatin1Char('-');
      }
      return state;
    };
    dialog.show();
    QCOMPARE(effects(), QStringLiteral("ExE-ExExE-"));
    Click(Box(dialog, 10));
    QCOMPARE(effects(), QStringLiteral("gxg-gxgxg-"));
    Click(Box(dialog, 10));
    QCOMPARE(effects(), QStringLiteral("ExE-ExExE-"));
    // The space bar ticks the box as a click does, and greys the effects as well.
    Box(dialog, 10)->setFocus();
    QTest::keyClick(Box(dialog, 10), Qt::Key_Space);
    QVERIFY(Box(dialog, 10)->isChecked());
    QCOMPARE(effects(), QStringLiteral("gxg-gxgxg-"));
    ClickOk(dialog);
    QVERIFY(!dialog.isVisible());
    TGameSettings expected = mixed;
    expected.SoundsOff = 1;
    QCOMPARE(GameSettings, expected);
    QCOMPARE(SettingsChanges, NoChange);
    // Stored as off, the effects come up greyed at the next showing.
    dialog.show();
    QCOMPARE(effects(), QStringLiteral("gxg-gxgxg-"));
    dialog.close();
  }

  void CancelEscapeAndTheCloseBoxChangeNothing_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("close box") << 2;
  }

  void CancelEscapeAndTheCloseBoxChangeNothing() {
    QFETCH(int, way);
    TDialogFixture fixture;
    StoreSettings(fixture, Varied);
    QVERIFY(QFile::remove(fixture.FilePath("Balls.cfg")));
    fixture.Game.Score = 500;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    WhenModal<TfrmSettings>([way](TfrmSettings& shown) {
      for (const int box : {0, 1, 2, 10, 11}) Click(Box(shown, box));
      Click(Level(shown)->Item(2));
      Click(Music(shown)->Item(7));
      if (way == 0) Click(Control(shown, QStringLiteral("btnCancel")));
      else if (way == 1) QTest::keyClick(&shown, Qt::Key_Escape);
      else shown.close();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(SettingsChanges, NoChange);
    QCOMPARE(GameSettings, Varied);
    QVERIFY(!QFile::exists(fixture.FilePath("Balls.cfg")));
    QVERIFY(records.Shown.isEmpty());
    QCOMPARE(int(fixture.Game.ScoreSubmitted), 0);
    dialog.show();
    QCOMPARE(Box(dialog, 1)->isChecked(), true);
    QCOMPARE(Box(dialog, 11)->isChecked(), true);
    QVERIFY(Box(dialog, 11)->isEnabled());
    QCOMPARE(Level(dialog)->ItemIndex(), 1);
    QCOMPARE(Music(dialog)->ItemIndex(), 4);
    dialog.close();
  }

  void AMissingSoundBankGreysBothGroupsAndStoresSilence() {
    TDialogFixture fixture;
    TGameSettings onDisk = DefaultSettings;
    onDisk.Music = 5;
    StoreSettings(fixture, onDisk);
    // What start-up does when Sound.dat is missing: silence, in memory only.
    SoundUnavailable = 1;
    GameSettings.SoundsOff = 1;
    GameSettings.Music = 0;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    for (int showing = 1; showing <= 2; ++showing) {
      WhenModal<TfrmSettings>([](TfrmSettings& shown) {
        QVERIFY(!Control(shown, QStringLiteral("grpSounds"))->isEnabled());
        QVERIFY(!Control(shown, QStringLiteral("grpMusic"))->isEnabled());
        QVERIFY(Control(shown, QStringLiteral("GroupBox2"))->isEnabled());
        QVERIFY(Level(shown)->isEnabled());
        QVERIFY(Box(shown, 10)->isChecked());
        QCOMPARE(Music(shown)->ItemIndex(), 0);
        // Clicks on the greyed groups reach nothing.
        Click(Box(shown, 10));
        Click(Music(shown)->Item(3));
        ClickOk(shown);
      });
      QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    }
    const QByteArray stored = fixture.FileBytes("Balls.cfg");
    QCOMPARE(int(stored[4]), 1);
    QCOMPARE(int(stored[10]), 0);
    QCOMPARE(SettingsChanges, NoChange);
    SoundUnavailable = 0;
  }

  void AFailedSaveKeepsTheDialogOpenAndItsChangesOwed() {
    TDialogFixture fixture;
    StoreSettings(fixture, DefaultSettings);
    QVERIFY(QFile::remove(fixture.FilePath("Balls.cfg")));
    QVERIFY(QDir(fixture.Directory.path()).mkpath(QStringLiteral("Balls.cfg/blocked")));
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    QString reported;
    bool openAfterFailure = false;
    WhenModal<TfrmSettings>([&](TfrmSettings& shown) {
      Click(Level(shown)->Item(2));
      WhenModal<QMessageBox>([&](QMessageBox& box) {
        reported = box.text();
        box.accept();
      });
      ClickOk(shown);
      openAfterFailure = shown.isVisible();
      Click(Control(shown, QStringLiteral("btnCancel")));
    });
    dialog.exec();
    QVERIFY2(reported.contains(QStringLiteral("Balls.cfg")), qPrintable(reported));
    QVERIFY(openAfterFailure);
    // The new level is in force for this run, so the game that started at the old one must end.
    QCOMPARE(int(GameSettings.Level), 2);
    QCOMPARE(SettingsChanges, TSettingsChanges{.LevelChanged = true});
    QCOMPARE(int(fixture.Game.ScoreSubmitted), 1);
  }

  // The page the caption names is the one that opens, and it exists: the guide built beside the
  // program unless the build names a web page.
  void TheHomePageButtonOpensTheAddressItShows() {
    TDialogFixture fixture;
    TRecordingDialogs records;
    TfrmSettings dialog(nullptr, fixture.Folder(), fixture.Game, records);
    OpenedUrls.clear();
    const QStringList schemes = {QStringLiteral("https"), QStringLiteral("file")};
    for (const QString& scheme : schemes) QDesktopServices::setUrlHandler(scheme, this, "OpenUrl");
    dialog.show();
    const QString caption = Control<TFlatButton>(dialog, QStringLiteral("btnHomePage"))->text();
    Click(Control(dialog, QStringLiteral("btnHomePage")));
    for (const QString& scheme : schemes) QDesktopServices::unsetUrlHandler(scheme);
    const QUrl shown(caption.mid(QStringLiteral("Brindlow HomePage ").size()));
    QCOMPARE(OpenedUrls, QList<QUrl>{shown});
    QVERIFY(!caption.contains(QStringLiteral("example.org")));
    if (shown.isLocalFile()) QVERIFY2(QFileInfo::exists(shown.toLocalFile()), qPrintable(shown.toLocalFile()));
    QVERIFY(dialog.isVisible());
    dialog.close();
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "SettingsDialogTest.moc"
