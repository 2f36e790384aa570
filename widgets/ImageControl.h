// An image control: shows one picture, unscaled or stretched, opaque or with its bottom-left
// pixel's colour see-through; carries a tag and reports left clicks.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class TImageControl : public QWidget {
public:
  explicit TImageControl(QWidget* parent);

  // The image keeps its own copy of the picture (a shared copy: the source never changes through it).
  void SetPicture(const QPixmap& picture);
  const QPixmap& Picture() const { return Assigned; }
  void ClearPicture() { SetPicture(QPixmap()); }

  void SetStretch(bool stretch);
  // A steady frame in the highlight colour over the picture, as thick as the window's bevels.
  void SetHighlight(bool highlight);
  bool Highlighted() const { return Highlight; }
  void SetTransparent(bool transparent);

  int Tag = 0;
  // Runs on a left click: press and release over the image.
  std::function<void(TImageControl&)> OnClick;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void PrepareShown();

  QPixmap Assigned;
  // The picture as it is drawn: stretched and masked once when assigned, not at every paint.
  QPixmap Shown;
  bool Stretch = false;
  bool Transparent = false;
  bool Highlight = false;
  bool Pressed = false;
};
