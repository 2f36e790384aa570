// The author card's layout and its mail link.
#include "AuthorCard.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "DialogForms.h"
#include "ShellOpen.h"

namespace {

constexpr int SwShow = 5;

// A label that reports a left click, as the card's mail link.
class TLinkLabel : public QLabel {
public:
  TLinkLabel(QWidget* parent, TfrmMi& card) : QLabel(parent), Card(card) {}

protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Card.labEmailClick();
  }

private:
  TfrmMi& Card;
};

}  // namespace

TfrmMi::TfrmMi()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  //: The title of a maker's card in the credits: "Us!", said with a wink.
  setWindowTitle(tr("Mi !"));
  setFixedSize(260, 150);
  setFont(ArialFont(13, false));

  labName = new QLabel(this);
  labName->setGeometry(10, 12, 240, 20);
  labName->setAlignment(Qt::AlignCenter);
  labName->setFont(ArialFont(15, true));
  labRole = new QLabel(this);
  labRole->setGeometry(10, 40, 240, 18);
  labRole->setAlignment(Qt::AlignCenter);
  labEmail = new TLinkLabel(this, *this);
  labEmail->setGeometry(10, 68, 240, 18);
  labEmail->setAlignment(Qt::AlignCenter);
  QFont link = ArialFont(13, false);
  link.setUnderline(true);
  labEmail->setFont(link);
  labEmail->setStyleSheet(QStringLiteral("color: blue"));
  labEmail->setCursor(Qt::PointingHandCursor);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setGeometry(92, 106, 75, 28);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmMi::ShowAuthor(const TAuthor& author) {
  labName->setText(author.Name);
  labRole->setText(author.Role);
  labEmail->setText(author.Email);
  Email = author.Email;
  exec();
}

void TfrmMi::labEmailClick() {
  ShellOpen("mailto:" + Email.toStdString(), "", "", SwShow);
}
