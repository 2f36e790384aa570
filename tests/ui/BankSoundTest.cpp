// The game's own sound layer in the window: the bank checked, unpacked for the run and released at
// the end, and a damaged or missing bank turning the run silent with one warning.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "BankSound.h"
#include "BuiltSoundBank.h"
#include "GameSettings.h"
#include "MixerLibrary.h"
#include "PlaySoundFile.h"
#include "SettingsFile.h"
#include "Program.h"
#include "SoundUnavailable.h"

class TBankSoundTest : public QObject {
  Q_OBJECT

private slots:
  void init() {
    // The unpacked files go to a private folder below this test's own runtime folder.
    QVERIFY(Runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", Runtime.path().toLocal8Bit());
  }

  // First, while no earlier case has opened the process's one device.
  void TheKeptVolumesOpenNoDeviceBeforeTheFirstFrameAndHoldFromTheFirstSound() {
    QTemporaryDir program;
    QVERIFY(QFile::copy(QString::fromUtf8(BuiltSoundBankPath), program.filePath(QStringLiteral("Sound.dat"))));
    qputenv("XDG_CONFIG_HOME", program.path().toLocal8Bit());
    QFile conf(program.filePath(QStringLiteral("brindlow/brindlow.conf")));
    QVERIFY(QDir(program.path()).mkpath(QStringLiteral("brindlow")) && conf.open(QIODevice::WriteOnly));
    conf.write("[Sound]\nEffectVolume=50\nMusicVolume=0\n");
    conf.close();
    QStringList warnings;
    TBankSound sound;
    TProgram windows(Folders(program), sound, Recorder(warnings));
    // The window and its extras are made, the volumes taken: still no device, which opens after the frame.
    QCOMPARE(Mixer()->QuerySpec(nullptr, nullptr, nullptr), 0);
    windows.Show();
    QTRY_VERIFY(windows.Lines().StartFinished());
    QVERIFY(Mixer()->QuerySpec(nullptr, nullptr, nullptr) != 0);
    QCOMPARE(Mixer()->Volume(0, -1), 64);
    QCOMPARE(Mixer()->VolumeMusic(-1), 0);
    windows.Lines().close();
  }

  void TheBankIsUnpackedForTheRunAndReleasedAtTheEnd() {
    QTemporaryDir program;
    QVERIFY(QFile::copy(QString::fromUtf8(BuiltSoundBankPath), program.filePath(QStringLiteral("Sound.dat"))));
    QStringList warnings;
    TBankSound sound;
    {
      TProgram windows(Folders(program), sound, Recorder(warnings));
      QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
      QCOMPARE(SoundUnavailable, 0);
      // Nothing is unpacked before the window's first frame, and everything right after it.
      QCOMPARE(Unpacked(), QStringList());
      windows.Show();
      QVERIFY(QTest::qWaitForWindowExposed(&windows.Lines()));
      QTRY_VERIFY(windows.Lines().StartFinished());
      QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
      const QStringList unpacked = Unpacked();
      QCOMPARE(unpacked.size(), 19 + 1);
      QVERIFY(unpacked.contains(QStringLiteral("Semaphore.qzr")));
      windows.Lines().close();
    }
    // The only running copy was the last to close: nothing of it stays behind.
    QCOMPARE(Unpacked(), QStringList());
  }

  void WithTheMusicOffTheDeviceIsLetGoAfterTheLastSoundAndTakenAgainForTheNext() {
    QTemporaryDir program;
    QVERIFY(QFile::copy(QString::fromUtf8(BuiltSoundBankPath), program.filePath(QStringLiteral("Sound.dat"))));
    SetDefaultSettings();
    GameSettings.Music = 0;
    SaveSettings(program.path().toStdString());
    QStringList warnings;
    TBankSound sound;
    TProgram windows(Folders(program), sound, Recorder(warnings));
    windows.Show();
    QTRY_VERIFY(windows.Lines().StartFinished());
    QVERIFY(SoundFilePlaying());
    QVERIFY(sound.WatchingForSilence());
    // The start-up sound ends, the device goes, and nothing is left ticking.
    QTRY_VERIFY_WITH_TIMEOUT(!sound.WatchingForSilence(), 8000);
    QVERIFY(!SoundFilePlaying());
    windows.Lines().PlayEffect(TSoundEffect::Create);
    QVERIFY(SoundFilePlaying());
    QVERIFY(sound.WatchingForSilence());
    windows.Lines().close();
  }

  void ADamagedBankIsNamedOnceAndTheRunIsSilent() {
    QTemporaryDir program;
    QFile(program.filePath(QStringLiteral("Sound.dat"))).open(QIODevice::WriteOnly);
    QStringList warnings;
    TBankSound sound;
    TProgram windows(Folders(program), sound, Recorder(warnings));
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings.first().startsWith(QStringLiteral("Warning: ")));
    QVERIFY(!warnings.first().contains(QStringLiteral("missing")));
    QCOMPARE(SoundUnavailable, 1);
    QCOMPARE(GameSettings.SoundsOff, 1);
    QCOMPARE(GameSettings.Music, 0);
    QCOMPARE(Unpacked(), QStringList());
    windows.Lines().close();
  }

  void AMissingBankIsReportedWithItsOwnWarning() {
    QTemporaryDir program;
    QStringList warnings;
    TBankSound sound;
    TProgram windows(Folders(program), sound, Recorder(warnings));
    QCOMPARE(warnings, QStringList{QStringLiteral("Warning: Sound file is missing!")});
    QCOMPARE(SoundUnavailable, 1);
    windows.Lines().close();
    QCOMPARE(Unpacked(), QStringList());
  }

private:
  static TGameFolders Folders(const QTemporaryDir& program) {
    const std::string folder = program.path().toStdString();
    return TGameFolders{folder, folder};
  }

  static TLinesServices::TWarn Recorder(QStringList& warnings) {
    return [&warnings](QWidget*, const QString& title, const QString& text) {
      warnings << title + QStringLiteral(": ") + text;
    };
  }

  // The files in this run's private sound folder (it may not exist yet).
  QStringList Unpacked() const {
    QStringList names;
    for (const QString& folder : QDir(Runtime.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
      names << QDir(Runtime.filePath(folder)).entryList(QDir::Files);
    return names;
  }

  QTemporaryDir Runtime;
};

QTEST_MAIN(TBankSoundTest)
#include "BankSoundTest.moc"
