#include "picture/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "model/units.h"
#include "print/painter_surface.h"
#include "widgets/screen_twips.h"

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  canvas_ = BlankCanvas(contentsRect().size());
}

QImage PictureBox::BlankCanvas(const QSize& size) const {
  QImage canvas(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  canvas.fill(Qt::transparent);
  // The canvas measures twips as the screen does, so a thumbnail is as wide as the box.
  const int dots_per_meter = DotsPerMetre(ScreenDpi());
  canvas.setDotsPerMeterX(dots_per_meter);
  canvas.setDotsPerMeterY(dots_per_meter);
  return canvas;
}

void PictureBox::DrawThumbnail(const Thumbnail& thumbnail) {
  FitCanvas();
  {
    QPainter painter(&canvas_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PainterSurface surface(painter, width_twips_);
    surface.DrawPicture(thumbnail.picture, 0, 0, thumbnail.width, thumbnail.height);
  }
  update();
}

void PictureBox::Clear() {
  canvas_ = BlankCanvas(contentsRect().size());
  update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  FitCanvas();
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), canvas_);
}

void PictureBox::FitCanvas() {
  // Keep what is drawn when the box changes size; where it grew it shows blank. (A hidden widget
  // gets no resize event, so this runs before each use rather than on resizing.)
  const QSize size = contentsRect().size().expandedTo(QSize(1, 1));
  if (canvas_.size() == size) return;
  QImage canvas = BlankCanvas(size);
  {
    QPainter painter(&canvas);
    painter.drawImage(0, 0, canvas_);
  }
  canvas_ = canvas;
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QFrame::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->pos());
  pressed_ = false;
  QFrame::mouseReleaseEvent(event);
  if (click) emit clicked();
}
