// Lays the sprites out in their catalogue order, ten to a row, with a gap of a few pixels between them.
#include "ContactSheet.h"

#include <QFont>
#include <QPainter>

#include "ArtScale.h"
#include "SpriteCatalog.h"

namespace {

constexpr int Gap = 6;
constexpr int LabelWidth = 90;
constexpr int Columns = 10;

}  // namespace

QImage SpriteContactSheet(double scale, TBallMarking marking) {
  const std::vector<QImage> sprites = RenderSpriteSheet(scale, marking);
  const int side = ScaledLength(SpriteSize, scale);
  const int rows = SpriteSlotCount / Columns;
  QImage sheet(LabelWidth + Columns * (side + Gap) + Gap, rows * (side + Gap) + Gap, QImage::Format_RGB32);
  sheet.fill(QColor(96, 96, 104));
  QPainter painter(&sheet);
  QFont font("Liberation Sans");
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const std::vector<TSpriteSlot> catalog = SpriteSlots();
  for (int row = 0; row < rows; ++row) {
    const int top = Gap + row * (side + Gap);
    const std::string& first = catalog[static_cast<std::size_t>(row * Columns)].Name;
    painter.drawText(QRect(Gap, top, LabelWidth - Gap, side), Qt::AlignVCenter,
                     QString::fromStdString(first.substr(0, first.size() - 1)));
    for (int column = 0; column < Columns; ++column) {
      QImage sprite = sprites[static_cast<std::size_t>(row * Columns + column)];
      if (sprite.isNull()) continue;
      sprite.setDevicePixelRatio(1);  // placed pixel for pixel
      painter.drawImage(LabelWidth + column * (side + Gap), top, sprite);
    }
  }
  return sheet;
}
