// Picks the translation files for the player's language from the embedded resources.
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// A translator owned by the application, installed only when its file was found.
bool Install(QCoreApplication& application, const QString& file, const QString& folder) {
  auto* translator = new QTranslator(&application);
  if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) return true;
  delete translator;
  return false;
}

}  // namespace

QString InstallTranslations(QCoreApplication& application, const QStringList& languages) {
  // English, which every text is written in, ends the search.
  for (QString language : languages) {
    language.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (language == QLatin1String("C") || language.startsWith(QLatin1String("en"))) return {};
    // The loader tries "de_AT" and then "de", so a regional variant finds its language.
    if (!Install(application, QStringLiteral("brindlow_") + language, QStringLiteral(":/i18n"))) continue;
    Install(application, QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return language.section(QLatin1Char('_'), 0, 0);
  }
  return {};
}
