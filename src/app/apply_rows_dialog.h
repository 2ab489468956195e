#pragma once

#include <QDialog>
#include <vector>

struct MainModel;
class QListWidget;
class QPushButton;

// 套用到其他區段…: the job's other entries (numbered blocks, and the remainder carton once set up),
// each with a tick box, for the rows on screen to be copied to.
class ApplyRowsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ApplyRowsDialog(const MainModel& model, QWidget* parent = nullptr);

  // The entries ticked, in the job's order.
  std::vector<int> chosen() const;
  void SetChosen(const std::vector<int>& entries);

  // "第 3 區段", or 尾數箱 for the entry after the last numbered block.
  static QString EntryName(const MainModel& model, int entry);

 private:
  void UpdateButtons();

  QListWidget* list_ = nullptr;
  QPushButton* all_ = nullptr;
  QPushButton* apply_ = nullptr;
};
