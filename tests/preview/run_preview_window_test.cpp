#include "preview/run_preview_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <QWheelEvent>

#include "app/main_window.h"
#include "history/history_files.h"
#include "preview/sheet_view.h"
#include "support/english_interface.h"
#include "support/main_window_fixture.h"
#include "support/recording_target.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/worked_example.h"

namespace {

class RunPreviewWindowTest : public MainWindowFixture {
 protected:
  RunPreviewWindowTest() {
    window->SetPreviewPrintServices(PreviewPrintServices{&target, &target, {}, {}});
    SetUpWorkedExample(window->model());
    window->ShowModel();
    window->show();
  }
  // The window goes before the target it prints to.
  ~RunPreviewWindowTest() override { window.reset(); }

  // Opens the preview through the menu, as the user does.
  RunPreviewWindow* Open() {
    window->findChild<QAction*>(QStringLiteral("action_print_preview"))->trigger();
    RunPreviewWindow* preview = window->run_preview();
    if (preview) preview->resize(900, 700);
    return preview;
  }

  template <typename T>
  T* In(RunPreviewWindow* preview, const char* name) {
    T* child = preview->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  void Click(RunPreviewWindow* preview, const char* name) {
    QTest::mouseClick(In<QPushButton>(preview, name), Qt::LeftButton);
  }
  void Type(RunPreviewWindow* preview, const char* name, const QString& text) {
    QLineEdit* field = In<QLineEdit>(preview, name);
    field->selectAll();
    QTest::keyClicks(field, text);
  }
  bool HistoryWritten() const {
    return QFileInfo::exists(folder.File(HistoryFileName(QStringLiteral("record_"), 1)));
  }

  RecordingTarget target;
};

// The caption of the widget `step` places before (-1) or after (+1) `widget` in its row; empty
// where there is none.
QString Beside(QWidget* widget, int step) {
  QLayout* row = widget->parentWidget()->layout();
  QLayoutItem* item = row->itemAt(row->indexOf(widget) + step);
  QWidget* beside = item ? item->widget() : nullptr;
  if (auto* label = qobject_cast<QLabel*>(beside)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(beside)) return button->text();
  return {};
}

void Wheel(SheetView* view, int delta, Qt::KeyboardModifiers modifiers = {},
           std::optional<QPointF> mouse = std::nullopt) {
  const QPointF at = mouse.value_or(view->viewport()->rect().center());
  QWheelEvent event(at, view->viewport()->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view->viewport(), &event);
}

}  // namespace

TEST_F(RunPreviewWindowTest, FileMenuOpensTheModalPreviewOfTheJobWithCtrlP) {
  QMenu* file = window->findChild<QMenu*>(QStringLiteral("menu_file"));
  ASSERT_NE(file, nullptr);
  QAction* action = window->findChild<QAction*>(QStringLiteral("action_print_preview"));
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), QStringLiteral("列印預覽(&V)…"));
  EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  const QList<QAction*> entries = file->actions();
  EXPECT_LT(entries.indexOf(action),
            entries.indexOf(window->findChild<QAction*>(QStringLiteral("action_quit"))));

  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->windowTitle(), QStringLiteral("列印預覽"));
  EXPECT_EQ(preview->windowModality(), Qt::WindowModal);
  EXPECT_EQ(preview->view()->sheet_count(), 5);
  EXPECT_EQ(In<QLabel>(preview, "page_count")->text(), QStringLiteral("頁, 共 5 頁"));
  EXPECT_TRUE(
      In<QTextBrowser>(preview, "summary")->toPlainText().contains(u"第 2 區段: 箱號 26–40"));
  EXPECT_TRUE(prompter->messages.isEmpty());

  // The job is a copy: the main window's model may change, the preview's pages do not.
  window->model().blocks[1].blk_end = 5;
  EXPECT_EQ(preview->plan().label_count(), 40);
}

// The letters after & on the window's buttons and in the captions of its fields, sorted.
QStringList Mnemonics(QWidget* window) {
  QStringList letters;
  for (const QWidget* child : window->findChildren<QWidget*>()) {
    const auto* button = qobject_cast<const QAbstractButton*>(child);
    const auto* label = qobject_cast<const QLabel*>(child);
    const QString text = button ? button->text() : label && label->buddy() ? label->text() : "";
    if (text.contains(u'&')) letters << text.section(u'&', 1).left(1).toUpper();
  }
  letters.sort();
  return letters;
}

TEST_F(RunPreviewWindowTest, OpensOnTheMainWindowsScreenHasMnemonicsAndClosesWithEscape) {
  window->findChild<QAction*>(QStringLiteral("action_print_preview"))->trigger();
  RunPreviewWindow* preview = window->run_preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->screen(), window->screen());
  EXPECT_EQ(Mnemonics(preview), (QStringList{"C", "N", "O", "P", "R", "S", "T", "Z"}));
  // From a field as from the pages.
  QTest::keyClick(In<QLineEdit>(preview, "sheets_from"), Qt::Key_Escape);
  EXPECT_FALSE(preview->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window->run_preview(), nullptr);
}

TEST_F(RunPreviewWindowTest, AFailedPrintCheckOpensNothing) {
  window->model().l_pbox = QString();
  window->ShowModel();
  EXPECT_EQ(Open(), nullptr);
  EXPECT_EQ(prompter->messages,
            QStringList{QStringLiteral("每P的箱數輸入錯誤: 每墊板的箱數必須是 1 以上的數字。")});
}

TEST_F(RunPreviewWindowTest, NavigationTurnsThePages) {
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  SheetView* view = preview->view();
  auto* page = In<QSpinBox>(preview, "page_number");
  EXPECT_FALSE(In<QPushButton>(preview, "previous_page")->isEnabled());
  const struct {
    const char* button;
    qint64 sheet;
  } steps[] = {{"next_page", 2}, {"last_page", 5}, {"previous_page", 4}, {"first_page", 1}};
  for (const auto& step : steps) {
    Click(preview, step.button);
    EXPECT_EQ(view->sheet(), step.sheet) << step.button;
    EXPECT_EQ(page->value(), step.sheet) << step.button;
  }
  page->setValue(3);
  EXPECT_EQ(view->sheet(), 3);
  Click(preview, "last_page");
  EXPECT_FALSE(In<QPushButton>(preview, "next_page")->isEnabled());

  // In the whole-page view a notch of the wheel turns a sheet.
  view->ShowSheet(2);
  ASSERT_EQ(view->zoom_mode(), ZoomMode::kWholePage);
  Wheel(view, -120);
  EXPECT_EQ(view->sheet(), 3);
  Wheel(view, 120);
  Wheel(view, 60);  // half a notch does not yet turn it
  EXPECT_EQ(view->sheet(), 2);
  EXPECT_EQ(page->value(), 2);
}

// The paper's spot (inches from its corner) at `point` of the viewport.
QPointF PaperAt(SheetView* view, const QPointF& point) {
  return (point - view->PageRect().topLeft()) / view->dpi();
}

TEST_F(RunPreviewWindowTest, ZoomStepsKeepTheSpotUnderTheMouseOrInTheMiddle) {
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  preview->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(preview));
  SheetView* view = preview->view();
  auto* zoom = In<QComboBox>(preview, "zoom");
  EXPECT_EQ(zoom->count(), 2 + int(kZoomSteps.size()));  // 整頁, 頁寬 and the steps
  const int whole_page = view->dpi();
  QTest::keyClick(zoom, Qt::Key_Down);
  EXPECT_EQ(view->zoom_mode(), ZoomMode::kPageWidth);
  // The page is taller than the view now: the wheel scrolls before it turns the sheet.
  Wheel(view, -120);
  EXPECT_EQ(view->sheet(), 1);

  // From the fit up by steps: the keys keep the middle of the view (which moves as the scroll bars
  // come and go), Ctrl+wheel the spot under the mouse.
  const QPointF mouse = QRectF(view->viewport()->rect()).center() + QPointF(-80, 60);
  const double fit = view->zoom_percent();
  const struct {
    Qt::Key key;
    int wheel, steps;
  } steps[] = {{Qt::Key_Plus, 0, 1}, {Qt::Key_Equal, 0, 2}, {{}, 240, 4}, {Qt::Key_Minus, 0, 3}};
  for (const auto& step : steps) {
    const QPointF spot = step.wheel ? mouse : QRectF(view->viewport()->rect()).center();
    const QPointF before = PaperAt(view, spot);
    if (step.wheel) Wheel(view, step.wheel, Qt::ControlModifier, mouse);
    if (!step.wheel) QTest::keyClick(preview, step.key, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(zoom->currentText(), QStringLiteral("%1 %").arg(ZoomStep(fit, step.steps)));
    EXPECT_LE(((PaperAt(view, spot) - before) * view->dpi()).manhattanLength(), 1) << step.steps;
  }
  QTest::keyClick(zoom, Qt::Key_Home);
  EXPECT_EQ(view->dpi(), whole_page);
}

TEST_F(RunPreviewWindowTest, HoveringALabelNamesItsBlockCartonAndPallet) {
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  SheetView* view = preview->view();
  view->ShowSheet(4);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
  view->viewport()->repaint();
  ASSERT_EQ(view->pages_painted(), 1) << "only the sheet in view is drawn";
  // Place 2 of sheet 4 holds carton 26, the first of block 2, carried onto pallet 3.
  const QRect page = view->PageRect();
  const QPointF label_centre = target.printable.topLeft() + QPointF(5760 + 2880, 1920);
  const QPoint at = page.topLeft() + (label_centre * view->dpi() / 1440.0).toPoint();
  EXPECT_EQ(view->LabelAt(at), 25);
  QHelpEvent tip(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
  QApplication::sendEvent(view->viewport(), &tip);
  EXPECT_EQ(QToolTip::text(), QStringLiteral("第 4 張第 2 格\n第 2 區段\n箱號 26\n墊板 3"));
  EXPECT_FALSE(view->LabelAt(page.topLeft() + QPoint(2, 2)).has_value());
}

TEST_F(RunPreviewWindowTest, ReprintOfCartonsFromAStartPlaceShowsAndPrintsJustThoseAndNoHistory) {
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  auto* collate = In<QCheckBox>(preview, "collate");
  EXPECT_FALSE(collate->isEnabled()) << "one copy has nothing to sort";
  In<QSpinBox>(preview, "start_place")->setValue(3);
  In<QSpinBox>(preview, "copies")->setValue(2);
  EXPECT_TRUE(collate->isEnabled() && collate->isChecked());
  Type(preview, "cartons_from", QStringLiteral("17"));
  Type(preview, "cartons_to", QStringLiteral("18"));
  EXPECT_TRUE(In<QRadioButton>(preview, "print_cartons")->isChecked());
  EXPECT_EQ(preview->view()->sheet_count(), 1);
  EXPECT_EQ(preview->layout().first_place(), 2);
  // The summary of the whole run and the line on this print count the sheets of both copies.
  EXPECT_TRUE(In<QTextBrowser>(preview, "summary")->toPlainText().contains(u"2 份共 12 張"));
  EXPECT_TRUE(In<QLabel>(preview, "choice_status")->text().endsWith(u", 2 份共 2 張"));

  Click(preview, "print");
  collate->setChecked(false);
  Click(preview, "print");
  EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join(u'\n').toStdString();
  ASSERT_EQ(target.destinations.size(), 2);
  EXPECT_EQ(target.destinations[0].copies, 2);
  EXPECT_TRUE(target.destinations[0].collate);
  EXPECT_FALSE(target.destinations[1].collate);
  QStringList cartons;
  for (const auto& text : target.surface.texts()) {
    if (text.text.startsWith(u"C/NO.")) cartons << text.text.mid(8);
  }
  EXPECT_EQ(cartons, (QStringList{"17", "18", "17", "18"}));  // each print
  EXPECT_FALSE(HistoryWritten());
  EXPECT_TRUE(preview->isVisible());
}

TEST_F(RunPreviewWindowTest, AWholeRunWritesTheHistoryRecordOnPaperOrInAPdfFile) {
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  Click(preview, "print");
  EXPECT_EQ(target.surface.sheets(), 5);
  EXPECT_TRUE(HistoryWritten());

  QFile::remove(folder.File(HistoryFileName(QStringLiteral("record_"), 1)));
  target.pdf_answer = folder.File(QStringLiteral("run.pdf"));
  Click(preview, "save_pdf");
  EXPECT_EQ(target.opened.last(), target.pdf_answer);
  EXPECT_TRUE(HistoryWritten());

  // A file dialog left with Cancel prints nothing.
  QFile::remove(folder.File(HistoryFileName(QStringLiteral("record_"), 1)));
  target.pdf_answer.clear();
  Click(preview, "save_pdf");
  EXPECT_EQ(target.opened.size(), 2);
  EXPECT_FALSE(HistoryWritten());
}

TEST_F(RunPreviewWindowTest, BadChoicesPrintNothingAndStayAsTyped) {
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  Type(preview, "cartons_from", QStringLiteral("50"));
  Type(preview, "cartons_to", QStringLiteral("60"));
  // The pages still show the last choice that was right; the panel says what is wrong.
  EXPECT_EQ(preview->view()->sheet_count(), 5);
  EXPECT_TRUE(In<QLabel>(preview, "choice_status")->text().contains(u"箱號 … 到 …"));
  Click(preview, "print");
  Click(preview, "save_pdf");
  ASSERT_EQ(prompter->messages.size(), 2);
  EXPECT_TRUE(prompter->messages[0].contains(u"箱號 … 到 …"));
  EXPECT_TRUE(target.opened.isEmpty());
  EXPECT_EQ(target.pdf_questions, 0);
  EXPECT_EQ(In<QLineEdit>(preview, "cartons_from")->text(), QStringLiteral("50"));
  EXPECT_EQ(In<QLineEdit>(preview, "cartons_to")->text(), QStringLiteral("60"));

  Type(preview, "sheets_to", QStringLiteral("9"));
  EXPECT_TRUE(In<QRadioButton>(preview, "print_sheets")->isChecked());
  EXPECT_TRUE(In<QLabel>(preview, "choice_status")->text().contains(u"第 … 到 … 張"));
  Click(preview, "print");
  EXPECT_TRUE(prompter->messages.last().contains(u"第 … 到 … 張"));
  EXPECT_TRUE(target.opened.isEmpty());

  // A printer that went away between choice and print.
  if (In<QComboBox>(preview, "printer")->count() == 0) GTEST_SKIP() << "no printer to choose";
  Type(preview, "sheets_to", QStringLiteral("2"));
  EXPECT_EQ(preview->view()->sheet_count(), 2);
  target.printers.clear();
  Click(preview, "print");
  EXPECT_TRUE(prompter->messages.last().contains(u"找不到印表機"))
      << prompter->messages.last().toStdString();
  EXPECT_TRUE(target.opened.isEmpty());
  EXPECT_FALSE(HistoryWritten());
}

// In English the phrases around the page number and the range fields read in English order, and
// the summary and the choice's line come with their figures.
TEST_F(RunPreviewWindowTest, InEnglishThePhrasesReadAroundTheirFields) {
  const EnglishInterface english;
  ASSERT_TRUE(english.loaded());
  RunPreviewWindow* preview = Open();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->windowTitle(), QStringLiteral("Print Preview"));

  const struct {
    const char* field;
    QString before;
    QString after;
  } rows[] = {{"page_number", "Page", "of 5"},
              {"sheets_from", "Sheets", "to"},
              {"sheets_to", "to", "of the preview"},
              {"cartons_from", "Cartons", "to"},
              {"cartons_to", "to", ""}};
  for (const auto& row : rows) {
    QWidget* field = In<QWidget>(preview, row.field);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(Beside(field, -1), row.before) << row.field;
    EXPECT_EQ(Beside(field, 1), row.after) << row.field;
  }

  const QString summary = In<QTextBrowser>(preview, "summary")->toPlainText();
  for (const QString& line : {
           QStringLiteral("Total labels: 40; sheets: 5 (8 places a sheet)"),
           QStringLiteral(
               "Block 2: cartons 26–40, 15 in all; pallets 3–4, of which 5 (cartons "
               "26–30) go onto pallet 3 of an earlier block; starts at sheet 4, place 2"),
       }) {
    EXPECT_TRUE(summary.contains(line)) << summary.toStdString();
  }
  EXPECT_EQ(In<QLabel>(preview, "choice_status")->text(),
            QStringLiteral("Labels in this print: 40; sheets: 5"));
  EXPECT_EQ(Mnemonics(preview), (QStringList{"C", "N", "O", "P", "R", "S", "T", "Z"}));
}
