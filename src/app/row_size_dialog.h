#pragma once

#include <QDialog>
#include <array>

#include "model/main_model.h"

class QComboBox;
class QLabel;

// 編輯 → 行的字型…: the sixteen rows of the block on screen, each with its text and a choice of
// 一般, 粗體 and 放大, and a note under them naming every 放大 row whose next row holds text (the
// two would print over each other).
class RowSizeDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RowSizeDialog(const MainModel& model, QWidget* parent = nullptr);

  // The sizes as chosen, row by row.
  std::array<RowSize, MainModel::kRows> sizes() const;

 private:
  void UpdateNote();

  std::array<QString, MainModel::kRows> texts_;
  std::array<QComboBox*, MainModel::kRows> choices_{};
  QLabel* note_ = nullptr;
};
