#pragma once

#include <QObject>
#include <array>

#include "model/main_model.h"

class MainWindow;
class QLineEdit;
class QMenu;

// The rows' sizes in the main window, beside its other controls: 編輯 → 行的字型… with its
// dialog, a 字型 submenu in each content box's context menu (the mouse's right button, or the
// keyboard's menu key or Shift+F10), and each content box showing its row's size, a 粗體 row's
// text bold and a 放大 row's bold and twice as wide, with a tooltip that says so. Every choice is
// a step of the job's undo history.
class RowSizeControls : public QObject {
  Q_OBJECT

 public:
  // `boxes` are the content boxes l_content(0..15) of `window`.
  RowSizeControls(MainWindow* window, const std::array<QLineEdit*, MainModel::kRows>& boxes);

  // Adds 行的字型(&F)… to the 編輯 menu.
  void AddEditAction(QMenu* edit_menu);
  // Shows the sizes of the model in the content boxes.
  void Show(const MainModel& model);

  void OpenDialog();
  // The 字型 submenu of row `row`, its size checked; a pick sets the row's size.
  QMenu* SizeMenu(int row, QWidget* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetSize(int row, RowSize size);

  MainWindow* window_;
  std::array<QLineEdit*, MainModel::kRows> boxes_;
};
