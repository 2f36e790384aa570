// The file layers' messages in every language: each one the layers really write is translated
// whole, and the English comes back byte for byte where no translation is installed.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "GameFile.h"
#include "InOutError.h"
#include "PlayerMessages.h"
#include "Random.h"
#include "SettingsFile.h"
#include "TopLista.h"
#include "Translations.h"

namespace {

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

// What the layers say about a damaged file of each kind, and about a failed file operation.
QStringList LayerMessages(const QString& folder) {
  const std::string directory = folder.toStdString();
  std::vector<std::string> messages;
  const auto report = [&](const std::string& message) { messages.push_back(message); };
  Write(folder + QLatin1Char('/') + QLatin1String(SettingsFileName), "abc");
  LoadSettings(directory, report);
  Write(folder + QLatin1Char('/') + QLatin1String(ScoreFileName), "abc");
  LoadScores(directory, ProgramRandom(), report);
  Write(folder + QLatin1Char('/') + QLatin1String(GameFileName), "not a game at all");
  try {
    LoadGame(directory);
  } catch (const EDamagedGame& damage) {
    messages.push_back(damage.what());
  }
  messages.push_back(EInOutError("rename", directory + "/Game.sav", "E42").what());
  QStringList texts;
  for (const std::string& message : messages) texts << QString::fromStdString(message);
  return texts;
}

// A message whose path looks like placeholders and patterns: the path is taken as it is.
const QString OddPath = QStringLiteral("/tmp/a %2 (b) [c]$/Balls.cfg");
const std::string OddMessage = OddPath.toStdString() +
                               " was set aside as Balls.cfg.bad: it is 3 bytes long instead of 15, so the default settings are in force.";

}  // namespace

class PlayerMessagesTest : public QObject {
  Q_OBJECT

private slots:
  void EveryLanguageTranslatesTheWholeMessage() {
    QTemporaryDir folder;
    const QStringList english = LayerMessages(folder.path());
    QCOMPARE(english.size(), 4);
    // Words of the English forms that no translation has; the path and the system's reason stay.
    const QRegularExpression englishWords(QStringLiteral("\\b(it|its|is|the|set aside|instead|starts|rename)\\b"));
    for (const char* language : {"de", "es", "fr", "hr"}) {
      QVERIFY(!InstallTranslations(*qApp, {QLatin1String(language)}).isEmpty());
      for (const QString& message : english) {
        const QString translated = PlayerMessage(message.toStdString());
        QVERIFY2(!translated.contains(englishWords), qPrintable(QLatin1String(language) + QLatin1String(": ") + translated));
        QVERIFY2(translated.contains(folder.path()), qPrintable(translated));
      }
      QVERIFY2(PlayerMessage(OddMessage).contains(OddPath), qPrintable(PlayerMessage(OddMessage)));
      for (QTranslator* translator : qApp->findChildren<QTranslator*>()) delete translator;
    }
  }

  void WithoutATranslationTheEnglishStaysAsWritten() {
    QTemporaryDir folder;
    for (const QString& message : LayerMessages(folder.path()))
      QCOMPARE(PlayerMessage(message.toStdString()), message);
    QCOMPARE(PlayerMessage(OddMessage), QString::fromStdString(OddMessage));
    QCOMPARE(PlayerMessage("a message of no known form"), QStringLiteral("a message of no known form"));
  }
};

QTEST_MAIN(PlayerMessagesTest)
#include "PlayerMessagesTest.moc"
