#pragma once

#include <QLineEdit>
#include <QStringList>

// An edit field with a list and no drop-down button: Up and Down step to the previous and next
// entry of the list and show it; the user may also type into it.
class AlignmentField : public QLineEdit {
  Q_OBJECT

 public:
  AlignmentField(const QStringList& entries, QWidget* parent = nullptr);

  const QStringList& entries() const { return entries_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QStringList entries_;
};
