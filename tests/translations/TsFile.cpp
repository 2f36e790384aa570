// Reads a translation file with the stream reader: contexts, messages and their translations.
#include "TsFile.h"

#include <QFile>
#include <QXmlStreamReader>

std::vector<TTsMessage> ReadTsFile(const QString& path, QString& error) {
  std::vector<TTsMessage> messages;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    error = path + QStringLiteral(": ") + file.errorString();
    return messages;
  }
  QXmlStreamReader xml(&file);
  QString context;
  TTsMessage message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      message = {context, {}, {}, {}, {}};
    } else if (name == QLatin1String("source")) {
      message.Source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      message.Disambiguation = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      message.State = xml.attributes().value(QLatin1String("type")).toString();
      message.Translation = xml.readElementText();
      messages.push_back(message);
    }
  }
  if (xml.hasError()) error = path + QStringLiteral(": ") + xml.errorString();
  return messages;
}

QString CommittedTsFile(const QString& language) {
  return QStringLiteral(BRINDLOW_TRANSLATIONS_DIR "/brindlow_%1.ts").arg(language);
}
