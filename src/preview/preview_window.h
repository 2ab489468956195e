#pragma once

#include <QFrame>
#include <QWidget>
#include <functional>
#include <optional>

#include "preview/preview_drawing.h"

class QPushButton;

// The box "Picture1" of the preview window: one label wide, it draws the label it was last given
// whenever it is painted, so the drawing survives the window being covered.
class PreviewBox : public QFrame {
  Q_OBJECT

 public:
  explicit PreviewBox(QWidget* parent = nullptr);

  // Clears the box and draws `label` from the top.
  void ShowLabel(const PreviewLabel& label);
  const std::optional<PreviewLabel>& label() const { return label_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<PreviewLabel> label_;
};

// The preview window "show_preview" ("結果預覽"): one label of the main window's template at
// printed size. It reads the template afresh each time it becomes the active window and changes
// nothing. The box grows below the label's sixteen lines when a barcode or picture reaches further
// down the label, so nothing of the label is cut off. It deletes itself when closed, so the next
// opening starts with an empty box.
class PreviewWindow : public QWidget {
  Q_OBJECT

 public:
  // `source` gives the main window's template as it stands at that moment.
  using Source = std::function<PreviewLabel()>;

  explicit PreviewWindow(Source source, QWidget* parent = nullptr);

  // Reads the template and draws it again.
  void Redraw();

  PreviewBox* box() const { return picture1_; }

 protected:
  bool event(QEvent* event) override;

 private:
  void FitToLabel(const PreviewLabel& label);

  Source source_;
  PreviewBox* picture1_ = nullptr;
  QPushButton* ok_ = nullptr;
};
