// The help window's text and its ways of closing.
#include "Help.h"

#include <QMouseEvent>
#include <QTextEdit>

namespace {

// The paragraphs' leading blanks and the two blanks after "get" are part of the text.
constexpr const char* HelpLines[] = {
    "",
    "   Your aim is to put five balls in line, horizontal, ",
    "vertical or diagonal so they could disappear. ",
    "   Every move you make, you get  three new balls, ",
    "except when you put a line of five. ",
    "   You can, of course, make a line of six or more ",
    "balls and if you do you get more points. ",
    "   There are some special options you can turn on",
    "if you wish, such are joker ball or bomb.",
    "   Joker ball can be used as a replacement for any",
    "color, and a bomb is used to blast all the balls on",
    "the fields next to it. ",
    "   Bomb is activated the moment you move it from ",
    "its starting field. ",
    "   There are also three levels of hardness, you ",
    "can choose whether you want three, four or five ",
    "balls to be added on your every move. ",
    "",
    "",
};

QFont BoldArial13() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

}  // namespace

TfrmHelp::TfrmHelp()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QStringLiteral("Playing Help"));
  setFixedSize(345, 417);
  setFont(BoldArial13());

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setGeometry(8, 8, 329, 401);
  RichEdit1->setFont(BoldArial13());
  QPalette colours = RichEdit1->palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Base, Qt::black);
    colours.setColor(group, QPalette::Text, QColor(128, 128, 255));
  }
  RichEdit1->setPalette(colours);
  RichEdit1->setReadOnly(true);
  RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
  RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QStringList lines;
  for (const char* line : HelpLines) lines << QString::fromLatin1(line);
  RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
  // Disabled, the text takes neither focus nor clicks: every key and click reaches the window.
  RichEdit1->setEnabled(false);
}

void TfrmHelp::FormKeyDown() { accept(); }

void TfrmHelp::FormMouseDown(Qt::MouseButtons buttons) {
  if (buttons & (Qt::LeftButton | Qt::RightButton)) accept();
}

bool TfrmHelp::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      FormKeyDown();
      return true;
    case QEvent::MouseButtonPress:
      FormMouseDown(static_cast<QMouseEvent*>(event)->buttons());
      return true;
    default:
      return QDialog::event(event);
  }
}
