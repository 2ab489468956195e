#pragma once

#include <QFrame>
#include <QImage>

#include "picture/picture_settings.h"

// The main window's thumbnail box "Picture1". It keeps what was last drawn into it, so the drawing
// survives the window being covered, and draws nothing by itself: a new pic_file_name shows only
// after the user clicks the box.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  explicit PictureBox(QWidget* parent = nullptr);

  // The box's width in twips, as the thumbnail is fitted to it.
  double width_twips() const { return width_twips_; }
  void set_width_twips(double twips) { width_twips_ = twips; }

  // Draws the picture at the top-left corner, over whatever the box showed.
  void DrawThumbnail(const Thumbnail& thumbnail);
  // Empties the box.
  void Clear();

  // What the box shows, inside its frame.
  const QImage& canvas() const { return canvas_; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage BlankCanvas(const QSize& size) const;
  void FitCanvas();

  double width_twips_ = 0;
  QImage canvas_;
  bool pressed_ = false;
};
