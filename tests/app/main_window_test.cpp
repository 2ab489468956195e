#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <cstring>

#include "app/language.h"
#include "support/language_restorer.h"
#include "support/main_window_fixture.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "version.h"

namespace {

QRect TwipRect(int left, int top, int width, int height) {
  return QRect(MainWindow::Twips(left), MainWindow::Twips(top), MainWindow::Twips(width),
               MainWindow::Twips(height));
}

QString Caption(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text();
  if (auto* box = qobject_cast<QComboBox*>(w)) return box->currentText();
  if (auto* frame = qobject_cast<QGroupBox*>(w)) return frame->title();
  return {};
}

// Whether a caption shows whole in its control at the control's font: a label's on one line
// within its width, a word-wrapped label's within its width and height, a button's within the
// part of the button its style leaves for the text.
bool CaptionFits(QWidget* w, const QString& caption) {
  const QFontMetrics metrics(w->font());
  if (auto* label = qobject_cast<QLabel*>(w)) {
    if (!label->wordWrap()) return metrics.horizontalAdvance(caption) <= label->width();
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), QWIDGETSIZE_MAX),
                                              Qt::TextWordWrap, caption);
    return needed.width() <= label->width() && needed.height() <= label->height();
  }
  QStyleOptionButton option;
  option.initFrom(w);
  option.text = caption;
  const QRect room = w->style()->subElementRect(QStyle::SE_PushButtonContents, &option, w);
  return metrics.horizontalAdvance(caption) <= room.width();
}

using MainWindowTest = MainWindowFixture;

}  // namespace

TEST_F(MainWindowTest, EveryControlStandsAtItsPlace) {
  EXPECT_EQ(window->windowTitle(),
            QStringLiteral("Cratemark %1版").arg(QLatin1String(kCratemarkVersion)));
  // The client area keeps its size below the menu bar; the window cannot be resized.
  EXPECT_EQ(window->client_area()->size(), TwipRect(0, 0, 11235, 6450).size());
  window->show();
  EXPECT_GE(window->client_area()->geometry().top(), window->menuBar()->geometry().bottom());
  EXPECT_EQ(window->minimumSize(), window->maximumSize());

  const struct {
    const char* name;
    int left, top, width, height;
    const char* caption;
    const char* tooltip;
  } controls[] = {
      {"Label1", 120, 0, 495, 255, "區段", ""},
      {"l_block", 720, 0, 975, 300, "1", ""},
      {"Label2", 2040, 0, 1455, 255, "箱號編號: from", ""},
      {"l_start", 3480, 0, 615, 270, "1", ""},
      {"Label3", 4200, 0, 135, 255, "to", ""},
      {"l_end", 4440, 0, 615, 270, "", ""},
      {"Label4", 6600, 0, 855, 255, "尾數箱?", ""},
      {"l_last", 7440, 0, 735, 300, "Yes", ""},
      {"Label8", 120, 480, 1575, 255, "每墊板的箱數:", ""},
      {"l_pbox", 1680, 480, 615, 270, "", "請在此鍵入每塊P上所置的貨品箱數"},
      {"Label9", 2400, 480, 735, 255, "箱/墊板", ""},
      {"Label10", 3480, 480, 2655, 255, "本區段墊板編號的起始數:", ""},
      {"l_p_start_text", 6120, 480, 615, 270, "1", ""},
      {"Label11", 6960, 480, 615, 255, "混打?", ""},
      {"p_mix_box", 7560, 480, 735, 300, "No", ""},
      {"Label7", 0, 840, 495, 255, "對齊", ""},
      {"Label5", 840, 840, 495, 255, "行數", ""},
      {"Label6", 1560, 840, 495, 255, "內容", ""},
      {"Frame2", 6480, 915, 735, 4215, "C/NO", ""},
      {"Frame1", 7200, 915, 735, 4215, "P/NO.", ""},
      {"l_array(0)", 0, 1200, 615, 300, "置中", "按上下鍵可以修改對齊方法"},
      {"l_line(15)", 840, 4800, 495, 255, "16", ""},
      {"l_content(15)", 1560, 4800, 4815, 270, "", ""},
      {"l_c(0)", 120, 270, 495, 255, "1", "選此讓C/NO印在此行"},
      {"l_c(8)", 120, 2190, 375, 255, "9", "選此讓C/NO印在此行"},
      {"l_p(1)", 120, 270, 495, 255, "1", "選此讓P/NO印在此行"},
      {"l_p(16)", 120, 3870, 495, 255, "16", "選此讓P/NO印在此行"},
      {"Label12", 8040, 840, 2415, 255, "前10筆資料,敬請享用...", ""},
      {"record_list", 8040, 1080, 2415, 2220, "",
       "點此叫出前列印過的10筆之一的資料.此list中show出的格式為: 編號,第一行內容"},
      {"Label13", 8040, 3480, 1455, 255, "插入圖型預覽", ""},
      {"Picture1", 8040, 3720, 1455, 1095, "", "預覽您已選擇好的圖案"},
      {"Label14", 9600, 3840, 735, 255, "離左邊界", ""},
      {"pic_d_left", 10320, 3840, 615, 270, "1",
       "調整您想要列印的圖案是離一張標籤的左邊緣有多少距離(mm)"},
      {"Label17", 10920, 3840, 255, 255, "mm", ""},
      {"Label15", 9600, 4200, 735, 255, "離上邊界", ""},
      {"pic_d_top", 10320, 4200, 615, 270, "1",
       "調整您想要列印的圖案是離一張標籤的上邊緣有多少距離(mm)"},
      {"Label18", 10920, 4200, 255, 255, "mm", ""},
      {"Label19", 9600, 4560, 735, 375, "調整尺吋(寬)", ""},
      {"pic_size", 10320, 4560, 615, 270, "",
       "編輯此欄位可以讓您調整印出圖片的寬度,而其高度會照比例縮放"},
      {"Label20", 10920, 4560, 375, 255, "mm", ""},
      {"Label16", 8040, 4920, 1095, 255, "檔案路徑", ""},
      {"choose_pic_file", 7920, 5160, 735, 270, "瀏覽", ""},
      {"pic_file_name", 8640, 5160, 2415, 270, "",
       "按左邊的\"瀏覽\"按鈕或直接輸入絕對路徑可以讓您選擇想要加在麥頭上面的圖案檔,"
       "可以是bmp,jpg,gif,png格式"},
      {"l_move_up", 1560, 5160, 615, 375, "上移", "全部的內容往上移一行"},
      {"l_move_down", 2280, 5160, 615, 375, "下移", "全部的內容往下移一行"},
      {"l_print", 3360, 5400, 1935, 975, "印吧", ""},
      {"add_block", 480, 6000, 1215, 375, "新增區段", ""},
      {"l_remove", 1920, 6000, 1335, 375, "移除本區段", "按此刪除本區段資料"},
      {"show_pre", 5520, 6000, 855, 375, "預覽", ""},
      {"Command1", 6600, 6000, 735, 375, "Refresh", ""},
      {"help_doc", 9120, 6000, 1095, 375, "說明文件", ""},
      {"About", 10440, 6000, 615, 375, "About", ""},
  };
  for (const auto& c : controls) {
    QWidget* w = Control(QString::fromUtf8(c.name));
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(w->geometry(), TwipRect(c.left, c.top, c.width, c.height)) << c.name;
    EXPECT_EQ(Caption(w), QString::fromUtf8(c.caption)) << c.name;
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(c.tooltip)) << c.name;
  }

  for (int i = 0; i < 16; ++i) {
    const QString n = QString::number(i);
    ASSERT_NE(Control(QStringLiteral("l_array(%1)").arg(i)), nullptr) << i;
    EXPECT_EQ(Control(QStringLiteral("l_content(%1)").arg(i))->geometry().top(),
              MainWindow::Twips(1200 + 240 * i));
    EXPECT_EQ(Control(QStringLiteral("l_c(%1)").arg(i))->parentWidget()->objectName(),
              QStringLiteral("Frame2"));
    EXPECT_EQ(Control(QStringLiteral("l_p(%1)").arg(i + 1))->geometry().top(),
              MainWindow::Twips(270 + 240 * i));
    EXPECT_EQ(Control(QStringLiteral("l_content(%1)").arg(i))->font().family(),
              QStringLiteral("細明體"));
  }
  EXPECT_EQ(Control(QStringLiteral("l_print"))->font().pointSizeF(), 27.75);
  EXPECT_EQ(Control(QStringLiteral("choose_pic_file"))->font().family(),
            QStringLiteral("新細明體"));
  EXPECT_EQ(Control<QComboBox>(QStringLiteral("l_block"))->count(), 2);
  EXPECT_TRUE(Control<QComboBox>(QStringLiteral("l_block"))->isEditable());
  EXPECT_TRUE(Control<QComboBox>(QStringLiteral("l_last"))->isEditable());
  EXPECT_TRUE(Control<QComboBox>(QStringLiteral("p_mix_box"))->isEditable());
}

TEST_F(MainWindowTest, NoOptionIsOnAtStartAndTheModelCanTurnThemOff) {
  for (int i = 0; i < 16; ++i) {
    EXPECT_FALSE(Control<QAbstractButton>(QStringLiteral("l_c(%1)").arg(i))->isChecked());
    EXPECT_FALSE(Control<QAbstractButton>(QStringLiteral("l_p(%1)").arg(i + 1))->isChecked());
  }
  window->model().pallet_row = 2;
  window->model().carton_row = 5;
  window->ShowModel();
  EXPECT_TRUE(Control<QAbstractButton>(QStringLiteral("l_p(3)"))->isChecked());
  EXPECT_TRUE(Control<QAbstractButton>(QStringLiteral("l_c(5)"))->isChecked());
  window->model().pallet_row = MainModel::kNoRow;
  window->model().carton_row = MainModel::kNoRow;
  window->ShowModel();
  EXPECT_FALSE(Control<QAbstractButton>(QStringLiteral("l_p(3)"))->isChecked());
  EXPECT_FALSE(Control<QAbstractButton>(QStringLiteral("l_c(5)"))->isChecked());
}

TEST_F(MainWindowTest, TabOrderRunsThroughTheBlockFieldsAndTheRows) {
  QStringList expected{"l_block", "l_start", "l_end", "l_last", "l_pbox"};
  for (int i = 0; i < 16; ++i) expected << QStringLiteral("l_content(%1)").arg(i);
  expected << QStringLiteral("add_block");

  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  Control(QStringLiteral("l_block"))->setFocus();
  for (const QString& name : expected) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    // A combo box's line edit is part of its box.
    QWidget* owner =
        qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
    EXPECT_EQ(owner->objectName(), name);
    QTest::keyClick(focus, Qt::Key_Tab);
  }
}

TEST_F(MainWindowTest, UpAndDownStepThroughTheAlignments) {
  window->show();
  auto* field = Control<QLineEdit>(QStringLiteral("l_array(3)"));
  field->setFocus();
  QTest::keyClick(field, Qt::Key_Down);
  EXPECT_EQ(field->text(), QStringLiteral("靠左"));
  QTest::keyClick(field, Qt::Key_Down);
  EXPECT_EQ(field->text(), QStringLiteral("靠右"));
  QTest::keyClick(field, Qt::Key_Down);
  EXPECT_EQ(field->text(), QStringLiteral("靠右"));
  QTest::keyClick(field, Qt::Key_Up);
  QTest::keyClick(field, Qt::Key_Up);
  QTest::keyClick(field, Qt::Key_Up);
  EXPECT_EQ(field->text(), QStringLiteral("置中"));

  field->clear();
  QTest::keyClicks(field, QStringLiteral("xy"));
  EXPECT_EQ(field->text(), QStringLiteral("xy")) << "the field takes typing";
  window->ReadControls();
  EXPECT_EQ(window->model().l_array[3], QStringLiteral("xy"));
}

TEST_F(MainWindowTest, HistoryListIsFilledFromTheWorkingFolder) {
  folder.Write(QStringLiteral("record_002"), "MADE IN TAIWAN\r\n");
  MainWindow second(std::make_unique<ScriptedPrompter>());
  auto* list = second.findChild<QListWidget*>(QStringLiteral("record_list"));
  ASSERT_EQ(list->count(), 1);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("02,MADE IN TAIWAN"));
}

TEST_F(MainWindowTest, PrintButtonRunsThePrintRunOnTheFields) {
  // Stopped by its first check before anything reaches a printer: the remainder option is "Yes"
  // at start and no remainder has been set up.
  auto& prompter = static_cast<ScriptedPrompter&>(window->prompter());
  Control<QLineEdit>(QStringLiteral("l_start"))->setText(QStringLiteral("5"));
  QTest::mouseClick(Control<QPushButton>(QStringLiteral("l_print")), Qt::LeftButton);
  EXPECT_EQ(prompter.messages,
            QStringList{QStringLiteral("你還沒有編輯尾數頁ㄛ! 請編輯之或將尾數頁選項改成No")});
  EXPECT_EQ(window->model().l_start, QStringLiteral("5"));
}

TEST_F(MainWindowTest, CaptionsSpeakTheInterfaceLanguageAndEnglishOnesFitTheirControls) {
  // The labels and buttons keep the template's places and fonts whatever the language, so an
  // English caption has to be short enough for them; the menus grow with their entries.
  const struct {
    const char* name;
    const char* chinese;
    const char* english;
  } captions[] = {
      {"Label1", "區段", "Block"},
      {"Label2", "箱號編號: from", "Cartons from"},
      {"Label3", "to", "to"},
      {"Label4", "尾數箱?", "Remainder?"},
      {"Label5", "行數", "Row"},
      {"Label6", "內容", "Text"},
      {"Label7", "對齊", "Align"},
      {"Label8", "每墊板的箱數:", "Per pallet:"},
      {"Label9", "箱/墊板", "cartons"},
      {"Label10", "本區段墊板編號的起始數:", "First pallet number:"},
      {"Label11", "混打?", "Mixed?"},
      {"Label12", "前10筆資料,敬請享用...", "Print history (last 10)"},
      {"Label13", "插入圖型預覽", "Picture"},
      {"Label14", "離左邊界", "Left"},
      {"Label15", "離上邊界", "Top"},
      {"Label16", "檔案路徑", "File path"},
      {"Label17", "mm", "mm"},
      {"Label18", "mm", "mm"},
      {"Label19", "調整尺吋(寬)", "Width"},
      {"Label20", "mm", "mm"},
      {"choose_pic_file", "瀏覽", "Browse"},
      {"l_move_up", "上移", "Up"},
      {"l_move_down", "下移", "Down"},
      {"l_print", "印吧", "Print"},
      {"add_block", "新增區段", "Add Block"},
      {"l_remove", "移除本區段", "Remove"},
      {"show_pre", "預覽", "Preview"},
      {"Command1", "Refresh", "Refresh"},
      {"help_doc", "說明文件", "User Guide"},
      {"About", "About", "About"},
      {"menu_file", "檔案(&F)", "&File"},
      {"action_new_job", "開新工作(&N)", "&New Job"},
      {"action_open_job", "開啟工作(&O)…", "&Open Job…"},
      {"action_save_job", "儲存工作(&S)", "&Save Job"},
      {"action_save_job_as", "另存新檔(&A)…", "Save &As…"},
      {"action_import_packing_list", "匯入裝箱單(&I)…", "&Import Packing List…"},
      {"action_barcode_settings", "條碼設定(&B)…", "&Barcode Settings…"},
      {"action_print_preview", "列印預覽(&V)…", "Print Pre&view…"},
      {"action_printer_fit", "印表機校正(&C)…", "Printer &Calibration…"},
      {"action_quit", "結束(&X)", "&Quit"},
      {"menu_help", "說明(&H)", "&Help"},
      {"action_help", "說明文件(&D)", "&User Guide"},
      {"action_about", "關於 Cratemark(&A)", "&About Cratemark"},
  };
  for (const Language language : {Language::kTraditionalChinese, Language::kEnglish}) {
    const bool english = language == Language::kEnglish;
    SCOPED_TRACE(english ? "English" : "Chinese");
    const LanguageRestorer restorer;
    ASSERT_EQ(InstallTranslations(language), QStringList());
    MainWindow translated(std::make_unique<ScriptedPrompter>());
    for (const auto& c : captions) {
      const QString name = QString::fromUtf8(c.name);
      const QString expected = QString::fromUtf8(english ? c.english : c.chinese);
      if (auto* menu = translated.findChild<QMenu*>(name)) {
        EXPECT_EQ(menu->title(), expected) << c.name;
      } else if (auto* action = translated.findChild<QAction*>(name)) {
        EXPECT_EQ(action->text(), expected) << c.name;
      } else {
        QWidget* control = translated.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(Caption(control), expected) << c.name;
        // The Chinese captions are the template's own, some of them a little larger than their
        // controls already.
        if (english) {
          EXPECT_TRUE(CaptionFits(control, expected)) << c.name << " is cut";
          // A label draws a caption too long for it smaller; down to this size the letters of a
          // translated caption still read ("to" is as small in both languages).
          if (std::strcmp(c.english, c.chinese) != 0) {
            EXPECT_GE(control->font().pointSizeF(), 8.0) << c.name << " is shrunk too far";
          }
        }
      }
    }
  }
}
