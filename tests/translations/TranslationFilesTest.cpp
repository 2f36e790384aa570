// The translation files against the sources: every text of the sources is in every file, translated,
// with the same placeholders and one keyboard accelerator where the English has one, and nothing
// is left that the sources no longer show.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <set>

#include "TsFile.h"

namespace {

std::vector<TTsMessage> ReadTs(const QString& path) {
  QString error;
  std::vector<TTsMessage> messages = ReadTsFile(path, error);
  EXPECT_TRUE(error.isEmpty()) << error.toStdString();
  return messages;
}

std::string Name(const TTsMessage& message) {
  return (message.Context + QLatin1String(": \"") + message.Source + QLatin1Char('"')).toStdString();
}

std::multiset<QString> Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%(L?\\d+|n)"));
  std::multiset<QString> found;
  for (const auto& match : placeholder.globalMatch(text)) found.insert(match.captured());
  return found;
}

// The letter after the single "&" that marks a keyboard accelerator ("&&" is a plain ampersand).
QList<QChar> Accelerators(const QString& text) {
  QList<QChar> letters;
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) letters << text[i + 1].toLower();
    ++i;
  }
  return letters;
}

class TranslationFiles : public ::testing::TestWithParam<const char*> {
protected:
  QString Committed() const { return CommittedTsFile(QLatin1String(GetParam())); }
};

TEST_P(TranslationFiles, HoldEveryTextOfTheSourcesAndNothingElse) {
  // A copy of the committed file, brought up to date with the sources: a text that is new there
  // comes in unfinished, a text the sources dropped is marked vanished.
  QTemporaryDir folder;
  const QString refreshed = folder.filePath(QStringLiteral("refreshed.ts"));
  ASSERT_TRUE(QFile::copy(Committed(), refreshed));
  QProcess lupdate;
  QStringList arguments{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                        QStringLiteral("-extensions"), QStringLiteral("cpp,h")};
  arguments << QString::fromUtf8(BRINDLOW_TRANSLATED_FOLDERS).split(QLatin1Char(','));
  arguments << QStringLiteral("-ts") << refreshed;
  lupdate.start(QStringLiteral(BRINDLOW_LUPDATE), arguments);
  ASSERT_TRUE(lupdate.waitForFinished(60000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

  for (const TTsMessage& message : ReadTs(refreshed)) {
    const std::string state = message.State.toStdString();
    EXPECT_NE(state, "unfinished") << "not translated: " << Name(message);
    EXPECT_TRUE(state != "vanished" && state != "obsolete") << "no longer in the sources: " << Name(message);
  }
}

TEST_P(TranslationFiles, KeepThePlaceholdersAndAcceleratorsOfTheEnglish) {
  const std::vector<TTsMessage> messages = ReadTs(Committed());
  ASSERT_FALSE(messages.empty());
  // Captions of one window whose accelerators must differ, so each key reaches one control.
  std::map<QString, std::map<QChar, QString>> acceleratorsByContext;
  for (const TTsMessage& message : messages) {
    EXPECT_FALSE(message.Translation.isEmpty()) << "empty translation: " << Name(message);
    EXPECT_EQ(Placeholders(message.Translation), Placeholders(message.Source))
        << Name(message) << " -> " << message.Translation.toStdString();
    const QList<QChar> english = Accelerators(message.Source);
    const QList<QChar> translated = Accelerators(message.Translation);
    EXPECT_EQ(translated.size(), english.size()) << Name(message) << " -> " << message.Translation.toStdString();
    // Paragraphs of the help text open with three blanks in every language.
    EXPECT_EQ(message.Translation.startsWith(QLatin1String("   ")), message.Source.startsWith(QLatin1String("   ")))
        << Name(message) << " -> " << message.Translation.toStdString();
    for (const QChar letter : translated) {
      auto& taken = acceleratorsByContext[message.Context];
      const auto [place, fresh] = taken.emplace(letter, message.Translation);
      EXPECT_TRUE(fresh) << message.Context.toStdString() << ": \"" << message.Translation.toStdString()
                         << "\" and \"" << place->second.toStdString() << "\" share the key " << QString(letter).toStdString();
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFiles, ::testing::Values("de", "es", "fr", "hr"));

}  // namespace
