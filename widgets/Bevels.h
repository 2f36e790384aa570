// Panels with an inner and an outer one-pixel bevel, and the bare bevel box that frames the game screen.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

enum class TBevelCut { None, Lowered, Raised };

// Draws a bevel of `width` pixels (one at the classic size) along the inside of rect: lowered is dark at
// the top and left, light at the bottom and right; raised the other way round.
void DrawBevel(QPainter& painter, const QRect& rect, TBevelCut cut, const QPalette& palette, int width);

// A panel: its colour, an outer then an inner bevel, and a caption centred in its font and colour. The
// bevels grow with the window's zoom step.
class TBevelPanel : public QWidget {
public:
  TBevelPanel(QWidget* parent, TBevelCut outer, TBevelCut inner, QColor color);

  void SetLook(TBevelCut outer, TBevelCut inner, QColor color);
  void SetCaption(const QString& caption);
  QString Caption() const { return CaptionText; }
  void SetCaptionColor(QColor color);
  TBevelCut Outer() const { return OuterCut; }
  TBevelCut Inner() const { return InnerCut; }
  QColor Color() const { return FillColor; }
  // The area inside both bevels, where child controls go.
  QRect ClientArea() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TBevelCut OuterCut;
  TBevelCut InnerCut;
  QColor FillColor;
  QColor CaptionColor = Qt::black;
  QString CaptionText;
};

// A bevel box without a fill; clicks pass through it to what lies beneath.
class TBevel : public QWidget {
public:
  TBevel(QWidget* parent, TBevelCut cut);
  TBevelCut Cut() const { return BoxCut; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TBevelCut BoxCut;
};
