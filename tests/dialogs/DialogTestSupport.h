// Shared by the dialog tests: a program folder of their own, the main window's normal sprites, and
// a way to act inside a modal dialog once its own event loop runs.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "GameVariables.h"
#include "ImageStorage.h"
#include "ScoreDialogs.h"

// A program folder with a fresh default score table and the default settings (not yet on disk),
// and the game variables of a running game with no record yet.
class TDialogFixture {
public:
  TDialogFixture();

  std::string Folder() const { return Directory.path().toStdString(); }
  QString FilePath(const char* name) const { return Directory.filePath(QString::fromLatin1(name)); }
  QByteArray FileBytes(const char* name) const;

  QTemporaryDir Directory;
  TGameVariables Game;
};

// The form's control of that name; a missing control ends the test binary with its name.
template <typename T = QWidget>
T* Control(QWidget& form, const QString& name) {
  T* control = form.findChild<T*>(name);
  if (control == nullptr) qFatal("no control %s", qPrintable(name));
  return control;
}

// The main window's normal sprite set, filled from the sprite form as the window fills it.
const TImageStorage& NormalSprites();

// Types the text key by key, as a keyboard whose keys give any character would.
void TypeText(QWidget* widget, const QString& text);

// Runs `action` once on the first visible modal widget of type T, from inside that widget's own
// event loop; gives up silently after `timeoutMs`, which leaves the test to notice what is missing.
template <typename T>
void WhenModal(std::function<void(T&)> action, int timeoutMs = 5000) {
  auto* poll = new QTimer;
  auto waited = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, waited, action, timeoutMs] {
    auto* modal = dynamic_cast<T*>(QApplication::activeModalWidget());
    *waited += poll->interval();
    if ((modal != nullptr && modal->isVisible()) || *waited > timeoutMs) {
      poll->stop();
      poll->deleteLater();
      if (modal != nullptr && modal->isVisible()) action(*modal);
    }
  });
  poll->start(10);
}

// Records the dialogs that a record would bring, without showing any.
class TRecordingDialogs : public IScoreDialogs {
public:
  void ShowNameDialog() override { Shown << QStringLiteral("name"); }
  void ShowTopTen() override { Shown << QStringLiteral("top ten"); }
  QStringList Shown;
};
