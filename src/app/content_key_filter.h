#pragma once

#include <QHash>
#include <QObject>
#include <QTimer>

class QKeyEvent;
class QLineEdit;
class QWidget;

// Watches the template's content boxes for the editing keys and reports them with the row of the
// box: Enter (either Enter key) as it is pressed, Up and Down as they are let go. Characters typed
// into the blanks between a head and a tail take the place of blanks (see BlanksTypedOver).
//
// Acting on the release makes a held arrow move the focus once. X11 sends a held key as pairs of
// release and press with the same time stamp, and the toolkit does not always see that a release
// belongs to such a pair when the press has not reached the program yet. So a release is reported
// only after a short wait in which no press of the same key with the same time stamp followed.
class ContentKeyFilter : public QObject {
  Q_OBJECT

 public:
  // How long a released arrow waits for the press that would make it a repeat.
  static constexpr int kSettleMs = 30;

  explicit ContentKeyFilter(QObject* parent = nullptr);

  void Watch(QWidget* box, int row);

 signals:
  void EnterPressed(int row);
  void ArrowReleased(int row, int key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TypeOverBlanks(QLineEdit& box, const QKeyEvent& key);
  void Press(int row, const QKeyEvent& key);
  void Release(int row, const QKeyEvent& key);
  // Reports the waiting release now.
  void Settle();

  QHash<const QObject*, int> rows_;
  QTimer settle_;
  bool waiting_ = false;
  int waiting_row_ = 0;
  int waiting_key_ = 0;
  quint64 waiting_time_ = 0;
};
