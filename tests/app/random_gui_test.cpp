// Several thousand random clicks, keys and pastes at the main window and whatever windows they
// open, with the message boxes answered at random. Nothing may crash or hang; afterwards every
// history record is still sixteen lines, no row holds a control character, the controls show the
// job, and its whole undo history undoes and redoes back to it. It runs in the sanitizer build too,
// where a memory or undefined-behaviour fault stops it.
//
// CRATEMARK_GUI_SEED and CRATEMARK_GUI_EVENTS choose the run; a failure prints its seed.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

#include "about/help_document.h"
#include "app/main_window.h"
#include "history/history_files.h"
#include "job/job_commands.h"
#include "job/job_session.h"
#include "model/file_reading.h"
#include "model/row_text.h"
#include "support/recording_target.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"

namespace {

using Random = std::mt19937;

int EnvInt(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// Answers every question at random and counts what it was shown.
class RandomPrompter : public Prompter {
 public:
  explicit RandomPrompter(Random& random) : random_(random) {}
  void Message(const QString&) override { ++messages; }
  bool AskYesNo(const QString&) override {
    ++questions;
    return random_() % 2 == 0;
  }
  SaveChoice AskSaveChanges(const QString&) override {
    ++questions;
    const SaveChoice choices[] = {SaveChoice::kSave, SaveChoice::kDiscard, SaveChoice::kCancel};
    return choices[random_() % 3];
  }
  int messages = 0;
  int questions = 0;

 private:
  Random& random_;
};

// Every other guide "opens in the editor"; the rest fall back to the program's own help window.
class NoEditor : public DocumentOpener {
 public:
  void Open(const QString&, std::function<void(bool opened)> done) override {
    done(++calls_ % 2 == 0);
  }

 private:
  int calls_ = 0;
};

// Closes the dialogs that run an event loop of their own (file dialogs, the printer settings):
// while one is open the test's next event cannot be sent, as a person would close it too. A modal
// window the test's events can reach (the whole-run preview) is left open for a while first.
class DialogCloser : public QObject {
 public:
  DialogCloser() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { CloseIf(in_action); });
    timer_.start();
  }

  // True while an event of the test is being handled: a modal window seen then holds up the test.
  bool in_action = false;
  int closed = 0;

  // Closes the open modal window when `now`, or when it has stood through many of the test's
  // steps.
  void CloseIf(bool now) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    if (modal != seen_) {
      seen_ = modal;
      steps_ = 0;
    }
    if (!now && ++steps_ < 300) return;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->reject();
    } else {
      modal->close();
    }
    ++closed;
  }

 private:
  QTimer timer_;
  QPointer<QWidget> seen_;
  int steps_ = 0;
};

// Stops the process when the event loop has not come back for a minute: a hang fails the test
// with a word, rather than waiting for the test driver's time-out.
class Watchdog {
 public:
  Watchdog() : thread_([this] { Watch(); }) {}
  ~Watchdog() {
    done_ = true;
    thread_.join();
  }
  void Alive(int step) { step_ = step; }

 private:
  void Watch() {
    int seen = -1;
    auto since = std::chrono::steady_clock::now();
    while (!done_) {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      if (step_ != seen) {
        seen = step_;
        since = std::chrono::steady_clock::now();
      } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(60)) {
        std::fprintf(stderr, "random GUI test: no progress for 60 s at step %d: a hang\n", seen);
        std::abort();
      }
    }
  }

  std::atomic<bool> done_{false};
  std::atomic<int> step_{0};
  std::thread thread_;
};

class RandomGuiTest : public testing::Test {
 protected:
  RandomGuiTest() : old_dir(QDir::currentPath()) {
    QDir::setCurrent(folder.path());
    // Files that once hung or hurt the program, for the pastes to name.
    ::mkfifo(QFile::encodeName(folder.File(QStringLiteral("fifo.png"))).constData(), 0600);
    QFile::link(QStringLiteral("/dev/zero"), folder.File(QStringLiteral("zero.bmp")));
    QFile::link(QStringLiteral("/dev/zero"), folder.File(QStringLiteral("record_004")));
    test_pictures::Write(folder.File(QStringLiteral("logo.png")), 40, 20);
    QByteArray old_record = "OLD\r\nP/NO.:\r\nC/NO.:\r\n";
    for (int row = 3; row < 16; ++row) old_record += "\r\n";
    folder.Write(QStringLiteral("record_002"), old_record);
  }
  ~RandomGuiTest() override { QDir::setCurrent(old_dir); }

  TempFolder folder;
  QString old_dir;
};

// What a clerk might paste: text from spreadsheets and e-mails, numbers of every width, paths.
QStringList Pastes(const TempFolder& folder) {
  return {
      QStringLiteral("LINE1\r\nLINE2\nLINE3"),
      QString(400, u'9'),
      QStringLiteral("１２３"),
      QStringLiteral("－５．５"),
      QStringLiteral("\t\x01\x7f\u2028"),
      QStringLiteral("1e400"),
      QStringLiteral("32766"),
      QStringLiteral("-32769"),
      QStringLiteral("25"),
      QStringLiteral("0"),
      QStringLiteral("P/NO.:"),
      QStringLiteral("C/NO.:"),
      QStringLiteral("台灣製造 嘉義"),
      QString(3000, u'W'),
      QString(),
      QStringLiteral("尾數箱"),
      folder.File(QStringLiteral("fifo.png")),
      folder.File(QStringLiteral("zero.bmp")),
      folder.File(QStringLiteral("logo.png")),
      QStringLiteral("/dev/zero"),
      folder.path(),
  };
}

// The keys the test presses. Nothing that opens a context menu (its loop would wait for a click
// that never comes).
const Qt::Key kKeys[] = {
    Qt::Key_Return, Qt::Key_Enter, Qt::Key_Up,      Qt::Key_Down,      Qt::Key_Left,
    Qt::Key_Right,  Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Backspace, Qt::Key_Delete,
    Qt::Key_Home,   Qt::Key_End,   Qt::Key_Space,   Qt::Key_Escape,    Qt::Key_PageDown,
    Qt::Key_S,      Qt::Key_Q,     Qt::Key_N,       Qt::Key_G,         Qt::Key_M,
    Qt::Key_R,      Qt::Key_1,     Qt::Key_5,       Qt::Key_0,         Qt::Key_Minus,
};

// Types `text` into `widget` a character at a time, as an input method delivers it: the key
// events carry the text, whatever keyboard key made it.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Puts the window into a state that prints, as a clerk would before pressing 印吧, so that the
// random events reach the print run and the history too.
void MakePrintable(MainWindow& window, Random& random) {
  const auto field = [&window](const char* name) {
    return window.findChild<QLineEdit*>(QLatin1String(name));
  };
  for (QLineEdit* edit : window.findChildren<QLineEdit*>()) {
    // The combo box l_last holds a line edit of its own.
    if (edit->parentWidget() && edit->parentWidget()->objectName() == u"l_last") {
      edit->setText(QStringLiteral("No"));
    }
  }
  field("l_end")->setText(QString::number(random() % 40));
  field("l_pbox")->setText(QString::number(random() % 12));
  const int pallet = int(random() % 16);
  const int carton = int(random() % 16);
  QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("l_p(%1)").arg(pallet + 1)),
                    Qt::LeftButton);
  QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("l_c(%1)").arg(carton)),
                    Qt::LeftButton);
  if (random() % 2 == 0) {
    QTest::mouseClick(window.findChild<QAbstractButton*>(QStringLiteral("l_print")),
                      Qt::LeftButton);
  }
}

QList<QWidget*> Targets() {
  QList<QWidget*> targets;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (!window->isVisible()) continue;
    targets << window;
    for (QWidget* child : window->findChildren<QWidget*>()) {
      if (child->isVisible() && child->isEnabled()) targets << child;
    }
  }
  return targets;
}

}  // namespace

TEST_F(RandomGuiTest, ThousandsOfClicksKeysAndPastesNeitherCrashNorHang) {
  const int seed = EnvInt("CRATEMARK_GUI_SEED", 20240611);
  const int events = EnvInt("CRATEMARK_GUI_EVENTS", 3000);
  std::printf("random GUI test: seed %d, %d events\n", seed, events);
  SCOPED_TRACE(seed);
  Random random(seed);
  const auto pick = [&random](auto size) { return int(random() % uint32_t(size)); };

  auto prompter = std::make_unique<RandomPrompter>(random);
  RandomPrompter* answers = prompter.get();
  QPointer<MainWindow> window = new MainWindow(std::move(prompter));
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->SetDocumentOpener(std::make_unique<NoEditor>());
  // Runs go onto a recording surface; a long one is cancelled at its second sheet.
  RecordingTarget target;
  window->SetPrintDevices(&target, &target);
  window->SetPreviewPrintServices({&target, &target, {}, {}});
  // 結束 closes the main window; the test opens it again rather than end.
  QApplication::setQuitOnLastWindowClosed(false);
  window->show();
  DialogCloser closer;
  int reopened = 0;
  const QStringList pastes = Pastes(folder);

  Watchdog watchdog;
  int printed = 0;
  int windows_seen = 0;
  for (int step = 0; step < events; ++step) {
    watchdog.Alive(step);
    printed += target.surface.finished_documents();
    target = RecordingTarget();
    target.cancel_at_sheet = 2;
    target.has_printer = random() % 8 != 0;
    target.pdf_answer = folder.File(QStringLiteral("labels.pdf"));

    closer.CloseIf(false);
    if (!window->isVisible()) {
      window->show();
      ++reopened;
    }
    const QList<QWidget*> targets = Targets();
    ASSERT_FALSE(targets.isEmpty());
    windows_seen =
        std::max(windows_seen, int(std::count_if(targets.begin(), targets.end(),
                                                 [](QWidget* w) { return w->isWindow(); })));
    // The buttons are the commands: they get a good share of the clicks.
    QList<QWidget*> buttons;
    for (QWidget* w : targets) {
      if (qobject_cast<QPushButton*>(w)) buttons << w;
    }
    QWidget* widget = !buttons.isEmpty() && pick(100) < 40 ? buttons[pick(buttons.size())]
                                                           : targets[pick(targets.size())];
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : widget;
    const int what = pick(100);
    closer.in_action = true;
    if (what < 35) {
      const QPoint at(pick(std::max(1, widget->width())), pick(std::max(1, widget->height())));
      if (what < 30) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
      } else {
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
      }
    } else if (what < 55) {
      QTest::keyClick(focus, kKeys[pick(std::size(kKeys))]);
    } else if (what < 70) {
      const QString& text = pastes[pick(pastes.size())];
      Type(focus, text.left(40));
    } else if (what < 85) {
      QApplication::clipboard()->setText(pastes[pick(pastes.size())]);
      // Half the pastes replace the whole text, so fields hold exactly what was pasted.
      if (pick(2) == 0) QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    } else if (what < 90) {
      QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
    } else if (what < 93) {
      MakePrintable(*window, random);
    } else if (what < 94) {
      // A menu entry chosen, as from the menu bar or by its shortcut.
      QList<QAction*> actions;
      for (QAction* action : window->findChildren<QAction*>()) {
        if (action->isEnabled() && !action->isSeparator() && !action->menu()) actions << action;
      }
      if (!actions.isEmpty()) actions[pick(actions.size())]->trigger();
    } else if (what < 96) {
      // A picture path typed in whole, as the clerk does; the clicks then show or print it.
      window->findChild<QLineEdit*>(QStringLiteral("pic_file_name"))
          ->setText(pastes[pick(pastes.size())]);
    } else {
      widget->setFocus();
    }
    closer.in_action = false;
    if (step % 50 == 0) {
      QTest::qWait(40);  // long enough for the key filter's wait to end
    } else {
      QCoreApplication::processEvents();
    }
    ASSERT_FALSE(window.isNull()) << "the main window went away at step " << step;
  }

  // What the run leaves must still be sound.
  for (int n = 1; n <= kHistoryFiles; ++n) {
    const QString name = HistoryFileName(QStringLiteral("record_"), n);
    if (!IsRegularFile(folder.File(name))) continue;
    const auto lines = ReadHistoryLines(folder.File(name));
    ASSERT_TRUE(lines) << name.toStdString();
    EXPECT_EQ(lines->size(), 16) << name.toStdString();
  }
  for (QLineEdit* row : window->findChildren<QLineEdit*>()) {
    if (!row->objectName().startsWith(QStringLiteral("l_content"))) continue;
    EXPECT_EQ(WithoutControlCharacters(row->text()), row->text())
        << row->objectName().toStdString();
  }
  // Every edit reached the job, and the whole history undoes and redoes back to it.
  const auto job = [&window] { return JobBytesAsSaved(window->model()); };
  const auto shown = job();
  EXPECT_EQ(JobBytesAsSaved(window->ModelOnScreen()), shown);
  const int steps = int(window->session().history().count());
  while (window->session().history().canUndo()) window->session().Undo();
  while (window->session().history().canRedo()) window->session().Redo();
  EXPECT_EQ(job(), shown) << steps << " steps";
  EXPECT_EQ(JobBytesAsSaved(window->ModelOnScreen()), shown);
  std::printf(
      "random GUI test: %d messages, %d questions answered, %d runs printed, up to %d windows "
      "open, %d dialogs closed, the main window reopened %d times, %d undo steps\n",
      answers->messages, answers->questions, printed, windows_seen, closer.closed, reopened, steps);
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != window) w->close();
  }
  delete window;
}
