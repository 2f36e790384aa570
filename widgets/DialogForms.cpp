// The dialog forms' opening, font, placement and level tabs.
#include "DialogForms.h"

#include <QCoreApplication>
#include <QFrame>
#include <QScreen>
#include <QTabBar>

#include "Bevels.h"

QFont ArialFont(int pixelSize, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

void OpenBevelledForm(QWidget& form, const QString& title, QSize size, const QFont& font) {
  form.setWindowTitle(title);
  form.setFixedSize(size);
  form.setFont(font);
  auto* bevel = new TBevel(&form, TBevelCut::Lowered);
  bevel->setGeometry(form.rect());
}

void CenterOnScreen(QWidget& form) {
  const QScreen* screen = form.screen();
  if (screen == nullptr) return;
  // Before the first show the frame is not known yet; the client area stands in for it.
  const QRect frame = form.frameGeometry();
  const QPoint centre = screen->availableGeometry().center();
  form.move(centre.x() - frame.width() / 2, centre.y() - frame.height() / 2);
}

QStringList LevelNames() {
  return {QCoreApplication::translate("Levels", "Normal"), QCoreApplication::translate("Levels", "Hard"),
          QCoreApplication::translate("Levels", "Impossible")};
}

TLevelTabs CreateLevelTabs(QWidget& form, const QRect& geometry) {
  auto* tab = new QWidget(&form);
  tab->setObjectName(QStringLiteral("Tab"));
  tab->setGeometry(geometry);
  auto* bar = new QTabBar(tab);
  bar->setObjectName(QStringLiteral("TabBar"));
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setDrawBase(false);
  bar->setExpanding(false);
  for (const QString& level : LevelNames()) bar->addTab(level);
  const int barHeight = bar->sizeHint().height();
  bar->setGeometry(0, 0, tab->width(), barHeight);
  auto* page = new QFrame(tab);
  page->setFrameStyle(QFrame::Panel | QFrame::Raised);
  page->setGeometry(0, barHeight - 1, tab->width(), tab->height() - barHeight + 1);
  page->lower();
  return {tab, bar, page};
}
