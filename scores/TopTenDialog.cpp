// The top-ten dialog's form, its filling and its highlight.
#include "TopTenDialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>

#include "Bevels.h"
#include "DialogForms.h"
#include "GameSettings.h"
#include "ImageControl.h"
#include "ImageStorage.h"
#include "ScoreNames.h"
#include "TopLista.h"
#include "WindowZoom.h"

namespace {

constexpr int FirstRowTop = 48;
constexpr int RowPitch = 32;

int RowTop(int row) { return FirstRowTop + RowPitch * (row - 1); }

// A fresh list's places hold " Player 1" to " Player 10", the leading blank marking them, until players
// take them: they are shown in the player's language while the file keeps them as they are.
QString ShownName(const std::string& name) {
  static const QRegularExpression untaken(QStringLiteral("^ Player (\\d+)$"));
  const QString text = QString::fromStdString(Utf8FromLatin1(name));
  const QRegularExpressionMatch match = untaken.match(text);
  //: The name of a top-ten place no player has taken yet, %1 its number; keep the leading blank.
  return match.hasMatch() ? TfrmTop10::tr(" Player %1").arg(match.captured(1)) : text;
}

// Row 8 has always read "8", without the point the others carry.
QString PlaceLabel(int row) { return row == 8 ? QStringLiteral("8") : QString::number(row) + QLatin1Char('.'); }

QLabel* NewRowPanel(QWidget& tab, const QString& name, const QRect& geometry, Qt::Alignment alignment) {
  auto* panel = new QLabel(&tab);
  panel->setObjectName(name);
  panel->setGeometry(geometry);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  panel->setAlignment(alignment | Qt::AlignVCenter);
  panel->setIndent(2);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::WindowText, Qt::black);
  panel->setPalette(palette);
  return panel;
}

// A mark: an 18 x 18 picture, stretched, in a 20 x 20 black panel with a lowered bevel.
void NewMark(QWidget& tab, int image, int left, int top) {
  auto* panel = new TBevelPanel(&tab, TBevelCut::Lowered, TBevelCut::None, Qt::black);
  panel->setGeometry(left, top, 20, 20);
  auto* mark = new TImageControl(panel);
  mark->setObjectName(QStringLiteral("Image") + QString::number(image));
  mark->setGeometry(panel->ClientArea());
  mark->SetStretch(true);
}

}  // namespace

TfrmTop10::TfrmTop10(const TImageStorage& normalSprites, const TGameVariables& game, QWidget* parent)
    : QDialog(parent, DialogWindowFlags),
      NormalSprites(normalSprites),
      Game(game) {
  CreateControls();
  FormCreate();
}

void TfrmTop10::CreateControls() {
  OpenBevelledForm(*this, tr("Top Ten"), QSize(350, 433), ArialFont(13, true));

  // The tab control: one page shared by the three tabs, the tab only choosing the list.
  const TLevelTabs tabs = CreateLevelTabs(*this, QRect(8, 8, 333, 377));
  Tab = tabs.Bar;
  connect(Tab, &QTabBar::currentChanged, this, [this] { TabChange(); });

  for (int row = 1; row <= TopTenRows; ++row) CreateRow(*tabs.Tab, row);

  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  ok->setGeometry(56, 392, 233, 33);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmTop10::CreateRow(QWidget& tab, int row) {
  const int top = RowTop(row);
  auto* label = new QLabel(PlaceLabel(row), &tab);
  label->setObjectName(QStringLiteral("Label") + QString::number(row));
  label->setGeometry(row == 10 ? 8 : 16, top, 22, 20);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  NewMark(tab, row, 32, top);
  NewMark(tab, row + TopTenRows, 56, top);
  NewRowPanel(tab, QStringLiteral("panName") + QString::number(row), QRect(80, top, 185, 20), Qt::AlignLeft);
  NewRowPanel(tab, QStringLiteral("panScore") + QString::number(row), QRect(272, top, 49, 20), Qt::AlignHCenter);
}

void TfrmTop10::FormCreate() {
  for (int row = 1; row <= TopTenRows; ++row) {
    const QString number = QString::number(row);
    NamePanels[row - 1] = FindControl<QLabel>(*this, QStringLiteral("panName") + number);
    ScorePanels[row - 1] = FindControl<QLabel>(*this, QStringLiteral("panScore") + number);
    JokerMarks[row - 1] = FindControl<TImageControl>(*this, QStringLiteral("image") + number);
    BombMarks[row - 1] = FindControl<TImageControl>(*this, QStringLiteral("image") + QString::number(row + TopTenRows));
  }
  ResetRowFonts();
}

void TfrmTop10::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  ResetRowFonts();
  {
    // Choosing the current level's tab is not the player's change of tab.
    const QSignalBlocker quiet(Tab);
    Tab->setCurrentIndex(GameSettings.Level);
  }
  FillTopTen();
}

void TfrmTop10::TabChange() {
  ResetRowFonts();
  FillTopTen();
}

void TfrmTop10::done(int result) {
  ResetRowFonts();
  QDialog::done(result);
}

void TfrmTop10::ResetRowFonts() {
  QFont regular = font();
  regular.setPointSizeF(8 * WindowZoom(*this));
  regular.setBold(false);
  for (int row = 0; row < TopTenRows; ++row) {
    NamePanels[row]->setFont(regular);
    ScorePanels[row]->setFont(regular);
  }
}

void TfrmTop10::FillTopTen() {
  const int level = Tab->currentIndex();
  if (Game.LastRank != 0 && level == GameSettings.Level) {
    QFont highlight = font();
    highlight.setPointSizeF(9 * WindowZoom(*this));
    highlight.setBold(true);
    NamePanels[Game.LastRank - 1]->setFont(highlight);
    ScorePanels[Game.LastRank - 1]->setFont(highlight);
  }
  const QPixmap& joker = NormalSprites.GetSprite(1, JokerBall);
  const QPixmap& bomb = NormalSprites.GetSprite(1, BombBall);
  for (int row = 1; row <= TopTenRows; ++row) {
    const TScoreEntry& entry = ScoreTable.Entry(level, row);
    NamePanels[row - 1]->setText(ShownName(entry.Name()));
    ScorePanels[row - 1]->setText(QString::number(entry.Score));
    JokerMarks[row - 1]->SetPicture(entry.Jokers != 0 ? joker : QPixmap());
    BombMarks[row - 1]->SetPicture(entry.Bombs != 0 ? bomb : QPixmap());
  }
}
