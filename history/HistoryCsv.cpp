// The exported history's text.
#include "HistoryCsv.h"

#include <QSaveFile>

#include "HistoryColumns.h"

QByteArray HistoryCsv(const std::vector<TGameRecord>& games) {
  QByteArray text;
  text.reserve(static_cast<qsizetype>(games.size() + 1) * 96);
  for (std::size_t i = 0; i < HistoryColumns.size(); ++i) {
    if (i > 0) text += ',';
    text += HistoryColumns[i];
  }
  text += "\r\n";
  for (const TGameRecord& game : games) {
    const TRecordFields fields = FieldsOf(game);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) text += ',';
      text += fields[i].toString().toUtf8();
    }
    text += "\r\n";
  }
  return text;
}

bool SaveHistoryCsv(const std::vector<TGameRecord>& games, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(HistoryCsv(games));
  return file.commit();
}
