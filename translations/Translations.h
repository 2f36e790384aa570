// The player's language: the game's own texts and the toolkit's dialog texts, chosen by the locale.
#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

// Installs the translations for the first of `languages` (the player's order of preference, as
// QLocale::uiLanguages gives it) that the game speaks. English, and so a language the game has no
// translation for that comes before English, keeps the English texts. The toolkit's own texts
// (standard buttons, file dialogs) follow the same language. Returns the language taken ("de",
// "hr", ...), or an empty text for English.
QString InstallTranslations(QCoreApplication& application,
                            const QStringList& languages = QLocale::system().uiLanguages());
