#pragma once

// The About box "Form2": the program's title line and a few lines about it, drawn through the
// drawing surface (about_text.h), and the button button_ok that closes the box.

#include <QStringList>
#include <QWidget>

class QPushButton;

class AboutBox : public QWidget {
  Q_OBJECT

 public:
  // Shows the About box of `owner`, modeless: a new one when none is open, else the open one,
  // brought to the front. The box belongs to `owner` and is deleted when it closes.
  static AboutBox* ShowFor(QWidget* owner);

  explicit AboutBox(QWidget* parent = nullptr);

  // The width the text is centred on: the box's outer width, frame included, in twips; the client
  // width while the window system has not given it a frame yet.
  double OuterWidthTwips() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CentreOnScreen();

  QStringList lines_;
  QPushButton* button_ok_ = nullptr;
};
