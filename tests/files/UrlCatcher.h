// Stands in for the desktop's handlers of links and keeps what they were given.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class TUrlCatcher : public QObject {
  Q_OBJECT
public:
  QList<QUrl> Urls;
public slots:
  void Open(const QUrl& url) { Urls.append(url); }
};
