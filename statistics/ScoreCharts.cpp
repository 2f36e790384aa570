// The trend and histogram charts, rebuilt from the scores at each filling.
#include "ScoreCharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

#include "StatisticsMath.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ScoreCharts", text); }

void Clear(QChart& chart) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) {
    chart.removeAxis(axis);
    delete axis;
  }
}

// The upright axis, from 0 to a round number far enough above `highest` that its point or bar shows
// whole, in whole numbers.
QValueAxis* CountAxis(QChart& chart, int highest, const QString& title) {
  auto* axis = new QValueAxis;
  axis->setRange(0, std::max(highest, 4) + std::max(1, highest / 10));
  axis->applyNiceNumbers();
  axis->setLabelFormat(QStringLiteral("%d"));
  axis->setTitleText(title);
  chart.addAxis(axis, Qt::AlignLeft);
  return axis;
}

}  // namespace

void FillTrendChart(QChart& chart, const std::vector<int>& scores) {
  Clear(chart);
  const std::size_t shown = std::min(scores.size(), static_cast<std::size_t>(ChartedGames));
  const std::size_t first = scores.size() - shown;
  // The average runs over the games before the first one shown too, so its start is not cut short.
  const std::vector<double> averages = MovingAverage(scores, AverageWindow);
  auto* points = new QScatterSeries;
  points->setName(Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Score")));
  points->setMarkerSize(6);
  points->setColor(QColor(0x3060c0));
  points->setBorderColor(QColor(0x3060c0));
  auto* average = new QLineSeries;
  average->setName(Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Average of %1")).arg(AverageWindow));
  average->setPen(QPen(QColor(0xd04020), 2));
  int highest = 0;
  for (std::size_t i = first; i < scores.size(); ++i) {
    const double game = static_cast<double>(i + 1);
    points->append(game, scores[i]);
    average->append(game, averages[i]);
    highest = std::max(highest, scores[i]);
  }
  chart.addSeries(points);
  chart.addSeries(average);
  auto* games = new QValueAxis;
  games->setRange(static_cast<double>(first) + 0.5, static_cast<double>(scores.size()) + 0.5);
  games->setLabelFormat(QStringLiteral("%d"));
  games->setTitleText(Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Game")));
  // Ticks at round game numbers, five or so along the axis.
  int step = 1;
  for (int scale = 1; static_cast<int>(shown) / step > 6; scale *= 10) {
    for (const int factor : {2, 5, 10}) {
      step = factor * scale;
      if (static_cast<int>(shown) / step <= 6) break;
    }
  }
  games->setTickType(QValueAxis::TicksDynamic);
  games->setTickAnchor(0);
  games->setTickInterval(step);
  chart.addAxis(games, Qt::AlignBottom);
  QValueAxis* axis = CountAxis(chart, highest, Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Score")));
  for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(points), static_cast<QAbstractSeries*>(average)}) {
    series->attachAxis(games);
    series->attachAxis(axis);
  }
}

void FillHistogramChart(QChart& chart, const std::vector<int>& scores) {
  Clear(chart);
  const THistogram histogram = Histogram(scores, HistogramBins);
  auto* counts = new QBarSet(Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Games")));
  counts->setColor(QColor(0x40a060));
  QStringList ranges;
  int most = 0;
  for (std::size_t i = 0; i < histogram.Counts.size(); ++i) {
    const int low = histogram.First + static_cast<int>(i) * histogram.Width;
    counts->append(histogram.Counts[i]);
    ranges << QString::number(low);
    most = std::max(most, histogram.Counts[i]);
  }
  auto* series = new QBarSeries;
  series->setBarWidth(0.9);
  series->append(counts);
  chart.addSeries(series);
  auto* axisX = new QBarCategoryAxis;
  axisX->append(ranges);
  // Small enough that every bin keeps its number whole; numbers of three digits and more are turned
  // on end, as the narrowest bins leave them less width than they need.
  QFont labels = axisX->labelsFont();
  labels.setPixelSize(10);
  axisX->setLabelsFont(labels);
  if (histogram.First + static_cast<int>(histogram.Counts.size() - 1) * histogram.Width >= 100) axisX->setLabelsAngle(-90);
  axisX->setTitleText(histogram.Width == 1 ? Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Score"))
                                               : Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Score, from")));
  chart.addAxis(axisX, Qt::AlignBottom);
  QValueAxis* axisY = CountAxis(chart, most, Tr(QT_TRANSLATE_NOOP("ScoreCharts", "Games")));
  series->attachAxis(axisX);
  series->attachAxis(axisY);
}
