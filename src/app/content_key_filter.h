#pragma once

#include <QHash>
#include <QObject>

class QWidget;

// Watches the template's content boxes for the editing keys and reports them with the row of the
// box: Enter (either Enter key) as it is pressed, Up and Down as they are let go. Acting on the
// release moves the focus once however long an arrow is held, since the repeats are skipped.
class ContentKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit ContentKeyFilter(QObject* parent = nullptr) : QObject(parent) {}

  void Watch(QWidget* box, int row);

 signals:
  void EnterPressed(int row);
  void ArrowReleased(int row, int key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<const QObject*, int> rows_;
};
