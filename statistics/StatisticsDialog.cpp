// The Statistics window's form, its filling from the history, and its export and reset.
#include "StatisticsDialog.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>

#include "DialogForms.h"
#include "GameSettings.h"
#include "History.h"
#include "HistoryCsv.h"
#include "ScoreCharts.h"
#include "StatisticsMath.h"

namespace {

constexpr int RowHeight = 17;

// The summary's rows: the caption and the label's name; the lines by length follow them.
constexpr std::array<std::pair<const char*, const char*>, 7> SummaryRows{{
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Games played"), "labGames"},
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Best score"), "labBest"},
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Average score"), "labAverage"},
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Median score"), "labMedian"},
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Time played"), "labTime"},
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Longest line"), "labLongest"},
    {QT_TRANSLATE_NOOP("TfrmStatistics", "Games with undo"), "labUndo"},
}};

constexpr std::array<const char*, 10> LastGamesColumns{
    QT_TRANSLATE_NOOP("TfrmStatistics", "Ended"),   QT_TRANSLATE_NOOP("TfrmStatistics", "Score"),
    QT_TRANSLATE_NOOP("TfrmStatistics", "Moves"),   QT_TRANSLATE_NOOP("TfrmStatistics", "Lines"),
    QT_TRANSLATE_NOOP("TfrmStatistics", "Longest"), QT_TRANSLATE_NOOP("TfrmStatistics", "Time"),
    QT_TRANSLATE_NOOP("TfrmStatistics", "Jokers"),  QT_TRANSLATE_NOOP("TfrmStatistics", "Bombs"),
    QT_TRANSLATE_NOOP("TfrmStatistics", "Undo"),    QT_TRANSLATE_NOOP("TfrmStatistics", "End")};

QString DurationText(std::int64_t seconds) {
  if (seconds < 60) return TfrmStatistics::tr("%1 s").arg(seconds);
  if (seconds < 3600)
    return TfrmStatistics::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  return TfrmStatistics::tr("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'));
}

QString EndText(TEndReason reason) {
  switch (reason) {
    case TEndReason::Full: return TfrmStatistics::tr("Board full", "how a game ended");
    case TEndReason::New: return TfrmStatistics::tr("New game", "how a game ended");
    case TEndReason::Settings: return TfrmStatistics::tr("Settings", "how a game ended");
    case TEndReason::Close: return TfrmStatistics::tr("Closed", "how a game ended");
  }
  return {};
}

// The moment in the player's own time zone, to the minute.
QString LocalTime(const std::string& isoUtc) {
  const QDateTime moment = QDateTime::fromString(QString::fromStdString(isoUtc), Qt::ISODate);
  return moment.isValid() ? moment.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

QChartView* NewChart(QWidget& parent, const QString& title, const char* name) {
  auto* chart = new QChart;
  chart->setTitle(title);
  chart->setTitleFont(ArialFont(13, true));
  chart->setAnimationOptions(QChart::NoAnimation);
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->legend()->setAlignment(Qt::AlignTop);
  auto* view = new QChartView(chart, &parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setRenderHint(QPainter::Antialiasing);
  view->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  view->setMinimumSize(120, 120);
  return view;
}

}  // namespace

TfrmStatistics::TfrmStatistics(THistory& history, QWidget* parent)
    : QDialog(parent, DialogWindowFlags),
      History(history) {
  CreateControls();
}

void TfrmStatistics::CreateControls() {
  OpenBevelledForm(*this, tr("Statistics"), QSize(880, 720), ArialFont(13, false));

  // As on the top ten: one page shared by the three tabs, the tab only choosing the level.
  const TLevelTabs tabs = CreateLevelTabs(*this, QRect(8, 8, width() - 16, height() - 64));
  Tab = tabs.Bar;
  Tab->setFont(ArialFont(13, true));
  connect(Tab, &QTabBar::currentChanged, this, [this] { FillTab(); });
  QFrame* page = tabs.Page;

  Pages = new QStackedWidget(page);
  Pages->setGeometry(page->rect().adjusted(2, 2, -2, -2));
  EmptyNote = new QLabel(Pages);
  EmptyNote->setObjectName(QStringLiteral("labEmpty"));
  EmptyNote->setAlignment(Qt::AlignCenter);
  EmptyNote->setWordWrap(true);
  EmptyNote->setFont(ArialFont(16, false));
  EmptyNote->setMargin(60);
  Pages->addWidget(EmptyNote);

  auto* filled = new QWidget(Pages);
  filled->setObjectName(QStringLiteral("Filled"));
  auto* grid = new QGridLayout(filled);
  grid->setContentsMargins(8, 8, 8, 8);
  grid->addWidget(CreateSummary(), 0, 0);
  QChartView* trend = NewChart(*filled, tr("Last %1 games").arg(ChartedGames), "Trend");
  QChartView* spread = NewChart(*filled, tr("All scores"), "Histogram");
  Trend = trend->chart();
  Spread = spread->chart();
  Spread->legend()->hide();
  grid->addWidget(trend, 0, 1);
  grid->addWidget(spread, 0, 2);
  grid->addWidget(CreateLastGames(), 1, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(2, 1);
  grid->setRowStretch(0, 1);
  Pages->addWidget(filled);

  ExportButton = new QPushButton(tr("Export..."), this);
  ExportButton->setObjectName(QStringLiteral("btnExport"));
  ExportButton->setGeometry(8, height() - 46, 140, 33);
  connect(ExportButton, &QPushButton::clicked, this, [this] { ExportClick(); });
  ResetButton = new QPushButton(tr("Reset..."), this);
  ResetButton->setObjectName(QStringLiteral("btnReset"));
  ResetButton->setGeometry(156, height() - 46, 140, 33);
  connect(ResetButton, &QPushButton::clicked, this, [this] { ResetClick(); });
  auto* ok = new QPushButton(tr("OK"), this);
  ok->setObjectName(QStringLiteral("BitBtn1"));
  ok->setGeometry(width() - 241, height() - 46, 233, 33);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* TfrmStatistics::CreateSummary() {
  auto* box = new QWidget;
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(4, 0, 12, 0);
  grid->setVerticalSpacing(2);
  int row = 0;
  const auto addRow = [&](const QString& caption, const QString& name) {
    grid->addWidget(new QLabel(caption), row, 0);
    auto* figure = new QLabel;
    figure->setObjectName(name);
    figure->setFont(ArialFont(13, true));
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figure->setMinimumWidth(90);
    grid->addWidget(figure, row++, 1);
    Figures.push_back(figure);
  };
  for (const auto& [caption, name] : SummaryRows) addRow(tr(caption), QString::fromLatin1(name));
  auto* heading = new QLabel(tr("Lines by length"));
  heading->setFont(ArialFont(13, true));
  grid->addWidget(heading, row++, 0, 1, 2, Qt::AlignBottom);
  for (int length = FirstLineLength; length <= LastLineLength; ++length) {
    addRow(tr("%1 balls").arg(length), QStringLiteral("labLines%1").arg(length));
  }
  grid->setRowStretch(row, 1);
  return box;
}

QWidget* TfrmStatistics::CreateLastGames() {
  LastGames = new QTableWidget(0, static_cast<int>(LastGamesColumns.size()));
  LastGames->setObjectName(QStringLiteral("LastGames"));
  QStringList headings;
  for (const char* column : LastGamesColumns) headings << tr(column);
  LastGames->setHorizontalHeaderLabels(headings);
  LastGames->verticalHeader()->hide();
  LastGames->verticalHeader()->setDefaultSectionSize(RowHeight);
  LastGames->verticalHeader()->setMinimumSectionSize(RowHeight);
  LastGames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LastGames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  LastGames->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  LastGames->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  LastGames->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LastGames->setSelectionMode(QAbstractItemView::NoSelection);
  LastGames->setFocusPolicy(Qt::NoFocus);
  QFont small = font();
  small.setPixelSize(12);
  LastGames->setFont(small);
  // All twenty rows at once, no scrolling.
  LastGames->setFixedHeight(LastGames->horizontalHeader()->sizeHint().height() + RowHeight * LastGamesRows +
                            2 * LastGames->frameWidth());
  return LastGames;
}

void TfrmStatistics::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  {
    // Choosing the settings' level is not the player's change of tab.
    const QSignalBlocker quiet(Tab);
    Tab->setCurrentIndex(GameSettings.Level);
  }
  Reload();
}

void TfrmStatistics::Reload() {
  Games = History.Games();
  ExportButton->setEnabled(!Games.empty());
  ResetButton->setEnabled(!Games.empty());
  FillTab();
}

void TfrmStatistics::FillTab() {
  const int level = Tab->currentIndex();
  const std::vector<int> scores = ScoresOf(Games, level);
  if (scores.empty()) {
    EmptyNote->setText(tr("No games at the %1 level yet.\n\nEvery game you finish is counted here: "
                             "play one, then come back to see how you are doing.")
                           .arg(Tab->tabText(level)));
    Pages->setCurrentIndex(0);
    return;
  }
  FillSummary(level);
  FillTrendChart(*Trend, scores);
  FillHistogramChart(*Spread, scores);
  FillLastGames(level);
  Pages->setCurrentIndex(1);
}

void TfrmStatistics::FillSummary(int level) {
  const TLevelSummary summary = Summarize(Games, level);
  std::vector<QString> texts{
      QString::number(summary.Games),
      QString::number(summary.Best),
      QString::number(summary.Average, 'f', 1),
      QString::number(summary.Median),
      DurationText(summary.SecondsPlayed),
      summary.LongestLine == 0 ? QStringLiteral("-") : tr("%1 balls").arg(summary.LongestLine),
      QString::number(summary.GamesWithUndo),
  };
  for (const int count : summary.LinesByLength) texts.push_back(QString::number(count));
  for (std::size_t i = 0; i < texts.size(); ++i) Figures[i]->setText(texts[i]);
}

void TfrmStatistics::FillLastGames(int level) {
  LastGames->setRowCount(0);
  int row = 0;
  for (auto game = Games.rbegin(); game != Games.rend() && row < LastGamesRows; ++game) {
    if (game->Level != level) continue;
    LastGames->insertRow(row);
    //: Marks a game of the last games' list that was played with jokers, with bombs or with undo.
    const QString yes = tr("yes");
    const QStringList cells{LocalTime(game->EndedAt),
                            QString::number(game->Score),
                            QString::number(game->Moves),
                            QString::number(game->Lines),
                            QString::number(game->LongestLine),
                            DurationText(game->SecondsPlayed),
                            game->Jokers ? yes : QString(),
                            game->Bombs ? yes : QString(),
                            game->UndoUsed ? yes : QString(),
                            EndText(game->EndReason)};
    for (int column = 0; column < cells.size(); ++column) {
      auto* item = new QTableWidgetItem(cells[column]);
      item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      LastGames->setItem(row, column, item);
    }
    ++row;
  }
}

bool TfrmStatistics::ExportTo(const QString& path) { return SaveHistoryCsv(History.Games(), path); }

void TfrmStatistics::ExportClick() {
  const QString path = QFileDialog::getSaveFileName(this, tr("Export history"),
                                                    QDir::home().filePath(QStringLiteral("brindlow-history.csv")),
                                                    tr("CSV files (*.csv)"));
  if (path.isEmpty() || ExportTo(path)) return;
  QMessageBox::warning(this, tr("Export history"), tr("The history could not be written to %1.").arg(path));
}

void TfrmStatistics::ResetClick() {
  const auto answer = QMessageBox::question(
      this, tr("Reset statistics"),
      tr("Erase the history of all %1 games at every level? This cannot be undone.").arg(Games.size()),
      QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
  if (answer != QMessageBox::Yes) return;
  if (!History.Reset()) {
    QMessageBox::warning(this, tr("Reset statistics"), tr("The history could not be erased just now."));
  }
  Reload();
}
