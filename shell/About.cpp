// The credits dialog's layout and its makers.
#include "About.h"

#include <QLabel>
#include <QPushButton>

#include <cassert>

#include "DialogForms.h"
#include "Version.h"

const std::array<TAuthor, 3>& TfrmAbout::Authors() {
  // Filled at each call, so the captions are those of the language installed at the time.
  static std::array<TAuthor, 3> authors;
  authors = {{
      {tr("&Code"), tr("The Brindlow team"), tr("Code: rules, windows and files"), QStringLiteral("code@brindlow.example")},
      {tr("A&rtwork"), tr("The Brindlow team"), tr("Artwork: balls, start picture, icons"),
       QStringLiteral("artwork@brindlow.example")},
      {tr("&Sound and music"), tr("The Brindlow team"), tr("Sound effects and music"),
       QStringLiteral("sound@brindlow.example")},
  }};
  return authors;
}

TfrmAbout::TfrmAbout()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(tr("About"));
  setFixedSize(280, 190);
  setFont(ArialFont(13, false));

  auto* title = new QLabel(QString::fromLatin1(BrindlowTitle), this);
  title->setGeometry(10, 12, 260, 22);
  title->setAlignment(Qt::AlignCenter);
  title->setFont(ArialFont(17, true));
  auto* credit = new QLabel(tr("made by The Brindlow team"), this);
  credit->setGeometry(10, 38, 260, 18);
  credit->setAlignment(Qt::AlignCenter);

  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(Authors()[i].Button, this);
    button->setGeometry(60, 70 + i * 36, 160, 28);
    connect(button, &QPushButton::clicked, this, [this, i] { btnAuthorClick(i); });
    AuthorButtons[i] = button;
  }
}

void TfrmAbout::btnAuthorClick(int index) {
  assert(AuthorCard != nullptr);
  AuthorCard->ShowAuthor(Authors()[index]);
}
