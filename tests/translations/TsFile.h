// Reads a translation file's messages, for the checks of the translations.
#pragma once

#include <QString>

#include <vector>

struct TTsMessage {
  QString Context;
  QString Source;
  QString Disambiguation;
  QString Translation;
  // Empty for a finished translation, else "unfinished", "obsolete" or "vanished".
  QString State;
};

// The messages of the .ts file at `path`; `error` says why when it cannot be read whole.
std::vector<TTsMessage> ReadTsFile(const QString& path, QString& error);

// The committed translation file of a language ("de", "hr", ...).
QString CommittedTsFile(const QString& language);
