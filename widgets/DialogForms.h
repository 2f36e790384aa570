// What the game's dialog forms share: their window, their font, their place on the screen and the
// lookup of a control by its name.
#pragma once

#include <QFont>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cassert>

class QFrame;
class QTabBar;

// Arial of the given pixel height; on Linux the font configuration answers with a metric twin.
QFont ArialFont(int pixelSize, bool bold);

// The window of the top ten, the settings and the statistics: a title bar with the system menu and
// a close button, and no button to minimise or maximise it.
inline constexpr Qt::WindowFlags DialogWindowFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// The opening those dialogs share: their title, their fixed client size and their font, and a
// lowered bevel over the whole client area, laid first so that every control made after lies on it.
void OpenBevelledForm(QWidget& form, const QString& title, QSize size, const QFont& font);

// The tab control of a dialog by level: a widget "Tab" at `geometry` on the form, holding the tab bar
// "TabBar" with the three levels and, beneath it, the one raised page that the three tabs share.
struct TLevelTabs {
  QWidget* Tab;
  QTabBar* Bar;
  QFrame* Page;
};
// The three levels' names, in the player's language.
QStringList LevelNames();

TLevelTabs CreateLevelTabs(QWidget& form, const QRect& geometry);

// Places the form in the middle of the screen it is on, its frame included.
void CenterOnScreen(QWidget& form);

// The form's control of that name, compared without regard to case. Every name a form asks for is
// one it created itself, so a miss is a programming error.
template <typename T>
T* FindControl(const QWidget& form, const QString& name) {
  const QList<T*> controls = form.findChildren<T*>();
  const auto found = std::find_if(controls.begin(), controls.end(), [&name](const T* control) {
    return control->objectName().compare(name, Qt::CaseInsensitive) == 0;
  });
  assert(found != controls.end() && "the form has no control of that name");
  return *found;
}
