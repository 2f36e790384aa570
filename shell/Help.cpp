// The help window's text and its ways of closing.
#include "Help.h"

#include <QMouseEvent>
#include <QTextEdit>

namespace {

// The paragraphs' leading blanks and the two blanks after "get" are part of the text. Each line is
// translated on its own; an empty line stays empty.
struct THelpLine {
  const char* source;
  const char* comment;
};
constexpr THelpLine HelpLines[] = {
    {"", ""},
    //: One line of the help text, in a box about 44 letters wide; a line that opens with three
    //: blanks starts a paragraph. The translation may spread a paragraph over its lines freely.
    QT_TRANSLATE_NOOP3("TfrmHelp", "   Your aim is to put five balls in line, horizontal, ", "help line 2 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "vertical or diagonal so they could disappear. ", "help line 3 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "   Every move you make, you get  three new balls, ", "help line 4 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "except when you put a line of five. ", "help line 5 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "   You can, of course, make a line of six or more ", "help line 6 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "balls and if you do you get more points. ", "help line 7 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "   There are some special options you can turn on", "help line 8 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "if you wish, such are joker ball or bomb.", "help line 9 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "   Joker ball can be used as a replacement for any", "help line 10 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "color, and a bomb is used to blast all the balls on", "help line 11 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "the fields next to it. ", "help line 12 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "   Bomb is activated the moment you move it from ", "help line 13 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "its starting field. ", "help line 14 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "   There are also three levels of hardness, you ", "help line 15 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "can choose whether you want three, four or five ", "help line 16 of 19"),
    QT_TRANSLATE_NOOP3("TfrmHelp", "balls to be added on your every move. ", "help line 17 of 19"),
    {"", ""},
    {"", ""},
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
  setWindowTitle(tr("Playing Help"));
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
  for (const auto& line : HelpLines) lines << (*line.source == 0 ? QString() : tr(line.source, line.comment));
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
