// The job commands as the window binds them: the 檔案 menu, the title, the question before unsaved
// changes are lost and the recent jobs. What the commands do is tested in tests/job.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/barcode_dialog.h"
#include "app/job_controller.h"
#include "app/main_window.h"
#include "app/packing_list_dialog.h"
#include "app/startup.h"
#include "job/job_commands.h"
#include "job/job_session.h"
#include "picture/picture_box.h"
#include "support/main_window_fixture.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "version.h"

namespace {

const QString kProgram = QStringLiteral("Cratemark %1版").arg(QLatin1String(kCratemarkVersion));

class JobMenuTest : public MainWindowFixture {
 protected:
  // A window started without the recent jobs of earlier tests.
  JobMenuTest() {
    QSettings(QSettings::UserScope, QStringLiteral("Cratemark"), QStringLiteral("Cratemark"))
        .remove(QStringLiteral("recent_jobs"));
    OpenWindow();
    window->show();
  }

  // Shortcuts reach the active window only.
  void Shortcut(Qt::Key key) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), key, Qt::ControlModifier);
  }

  QString Title() {
    QCoreApplication::processEvents();
    return window->windowTitle();
  }

  // A job file of one block with "SAVED" in row 0.
  QString WriteJob(const QString& name, const QString& picture = {}) {
    MainModel model;
    model.work_dir = folder.path();
    StartUp(model);
    model.l_content[0] = QStringLiteral("SAVED");
    model.l_end = QStringLiteral("10");
    model.pic_file_name = picture;
    ScriptedPrompter quiet;
    EXPECT_TRUE(SaveJobFile(model, quiet, folder.File(name)));
    return folder.File(name);
  }
};

TEST_F(JobMenuTest, TheFileMenuHoldsTheJobCommandsAndThePreviewBeforeQuit) {
  auto* menu = window->findChild<QMenu*>(QStringLiteral("menu_file"));
  ASSERT_NE(menu, nullptr);
  QStringList names;
  for (QAction* action : menu->actions()) {
    if (!action->isSeparator()) names << action->objectName();
  }
  EXPECT_EQ(names, (QStringList{"action_new_job", "action_open_job", "action_save_job",
                                "action_save_job_as", "action_import_packing_list",
                                "action_barcode_settings", "action_print_preview",
                                "action_printer_fit", "action_quit"}));
  const struct {
    const char* name;
    const char* text;
    QKeySequence keys;
  } actions[] = {
      {"action_new_job", "開新工作(&N)", QKeySequence(Qt::CTRL | Qt::Key_N)},
      {"action_open_job", "開啟工作(&O)…", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"action_save_job", "儲存工作(&S)", QKeySequence(Qt::CTRL | Qt::Key_S)},
      {"action_save_job_as", "另存新檔(&A)…", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {"action_import_packing_list", "匯入裝箱單(&I)…", QKeySequence()},
      {"action_barcode_settings", "條碼設定(&B)…", QKeySequence()},
  };
  for (const auto& a : actions) {
    QAction* action = Action(a.name);
    ASSERT_NE(action, nullptr) << a.name;
    EXPECT_EQ(action->text(), QString::fromUtf8(a.text));
    EXPECT_EQ(action->shortcut(), a.keys) << a.name;
  }
}

TEST_F(JobMenuTest, TheTitleNamesTheJobAndStarsUnsavedChanges) {
  EXPECT_EQ(Title(), kProgram);
  QTest::keyClicks(Row(3), QStringLiteral("x"));
  EXPECT_EQ(Title(), QStringLiteral("未命名工作* - ") + kProgram);
  QTest::keyClick(Row(3), Qt::Key_Backspace);
  EXPECT_EQ(Title(), kProgram) << "typed back, the job is as it was";

  const QString path = WriteJob(QStringLiteral("客戶A.cratemark"));
  ASSERT_TRUE(window->session().Open(path));
  EXPECT_EQ(Row(0)->text(), QStringLiteral("SAVED"));
  EXPECT_EQ(Title(), QStringLiteral("客戶A.cratemark - ") + kProgram) << "opening changes nothing";

  QTest::keyClicks(Row(5), QStringLiteral("NEW"));
  EXPECT_EQ(Title(), QStringLiteral("客戶A.cratemark* - ") + kProgram);
  Shortcut(Qt::Key_S);
  EXPECT_EQ(Title(), QStringLiteral("客戶A.cratemark - ") + kProgram);
  EXPECT_TRUE(folder.Read(QStringLiteral("客戶A.cratemark")).contains("NEW"));
  EXPECT_TRUE(prompter->messages.isEmpty()) << prompter->messages.join(u'|').toStdString();
}

TEST_F(JobMenuTest, UnsavedChangesAreAskedAboutBeforeTheyAreLost) {
  const QString question = QStringLiteral("工作「客戶A.cratemark」有還沒儲存的修改, 要先儲存嗎?");
  const QString path = WriteJob(QStringLiteral("客戶A.cratemark"));
  ASSERT_TRUE(window->session().Open(path));
  QTest::keyClicks(Row(5), QStringLiteral("EDIT"));

  // 開新工作 and closing, each answered 取消: nothing happens.
  prompter->save_answers = {SaveChoice::kCancel, SaveChoice::kCancel};
  Shortcut(Qt::Key_N);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Row(5)->text(), QStringLiteral("EDIT"));
  EXPECT_EQ(prompter->questions, (QStringList{question, question}));

  // 不儲存 for 開新工作: the start-up state.
  prompter->save_answers = {SaveChoice::kDiscard};
  Action("action_new_job")->trigger();
  EXPECT_EQ(Row(0)->text(), QString());
  EXPECT_EQ(Title(), kProgram);
  EXPECT_FALSE(folder.Read(QStringLiteral("客戶A.cratemark")).contains("EDIT"));

  // 儲存 when closing a job with a file: the file gets the edit and the window closes.
  ASSERT_TRUE(window->session().Open(path));
  QTest::keyClicks(Row(5), QStringLiteral("EDIT"));
  prompter->save_answers = {SaveChoice::kSave};
  prompter->questions.clear();
  EXPECT_TRUE(window->close());
  EXPECT_EQ(prompter->questions, QStringList{question});
  EXPECT_TRUE(folder.Read(QStringLiteral("客戶A.cratemark")).contains("EDIT"));
}

TEST_F(JobMenuTest, TheThumbnailShowsTheOpenedJobsPicture) {
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(folder.File(QStringLiteral("logo.png"))));
  auto* box = window->findChild<PictureBox*>(QStringLiteral("Picture1"));
  ASSERT_TRUE(window->session().Open(
      WriteJob(QStringLiteral("logo.cratemark"), folder.File(QStringLiteral("logo.png")))));
  EXPECT_EQ(box->canvas().pixelColor(2, 2), QColor(Qt::red));
  EXPECT_EQ(Title(), QStringLiteral("logo.cratemark - ") + kProgram) << "pic_size stays as saved";
  Action("action_new_job")->trigger();
  EXPECT_NE(box->canvas().pixelColor(2, 2), QColor(Qt::red));
}

TEST_F(JobMenuTest, BarcodeSettingsAreTheJobsAndMarkItUnsaved) {
  // The dialog is modal: it is worked once it is open, `answer` saying what to do in it.
  const auto open_dialog = [&](const std::function<void(BarcodeDialog&)>& answer) {
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<BarcodeDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    Action("action_barcode_settings")->trigger();
  };
  BarcodeFields fields = FieldsFromSettings(BarcodeSettings());
  fields.kind = BarcodeKind::kSscc;
  fields.company_prefix = QStringLiteral("471234");  // six digits

  // A bad field: its message, the dialog stays open with what was typed; Cancel then changes
  // nothing.
  open_dialog([&](BarcodeDialog& dialog) {
    dialog.SetFields(fields);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.Fields(), fields);
  });
  EXPECT_EQ(prompter->messages,
            QStringList{QStringLiteral("「GS1 廠商代碼」要填 7 到 10 位數字, 現在是「471234」。")});
  EXPECT_EQ(window->model().barcode, BarcodeSettings());
  EXPECT_EQ(Title(), kProgram);

  fields.company_prefix = QStringLiteral("4712345");
  open_dialog([&](BarcodeDialog& dialog) {
    dialog.SetFields(fields);
    dialog.accept();
  });
  EXPECT_EQ(window->model().barcode.kind, BarcodeKind::kSscc);
  EXPECT_EQ(window->model().barcode.company_prefix, QStringLiteral("4712345"));
  EXPECT_EQ(Title(), QStringLiteral("未命名工作* - ") + kProgram);

  // Opening it again shows the settings; 開新工作 puts them back to none.
  open_dialog([&](BarcodeDialog& dialog) { EXPECT_EQ(dialog.Fields(), fields); });
  prompter->save_answers = {SaveChoice::kDiscard};
  Action("action_new_job")->trigger();
  EXPECT_EQ(window->model().barcode, BarcodeSettings());
}

TEST_F(JobMenuTest, AnUnchangedJobClosesWithoutAQuestion) {
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(prompter->questions.isEmpty());
}

TEST_F(JobMenuTest, RecentJobsOpenAndAMissingOneLeavesTheList) {
  const QString first = WriteJob(QStringLiteral("first.cratemark"));
  const QString second = WriteJob(QStringLiteral("second.cratemark"));
  ASSERT_TRUE(window->session().Open(first));
  ASSERT_TRUE(window->session().Open(second));
  ASSERT_NE(Action("action_recent_2"), nullptr);
  EXPECT_EQ(Action("action_recent_1")->text(), QStringLiteral("&1 second.cratemark"));
  EXPECT_EQ(Action("action_recent_2")->text(), QStringLiteral("&2 first.cratemark"));

  Action("action_recent_2")->trigger();
  EXPECT_EQ(window->session().job_path(), first);
  EXPECT_EQ(Action("action_recent_1")->text(), QStringLiteral("&1 first.cratemark"));

  QFile::remove(second);
  Action("action_recent_2")->trigger();
  EXPECT_EQ(prompter->messages,
            QStringList{
                QStringLiteral("找不到工作檔「%1」, 已經把它從最近的工作清單中移除").arg(second)});
  EXPECT_EQ(Action("action_recent_2"), nullptr);
  EXPECT_EQ(window->session().job_path(), first);

  // Two jobs of one name in different folders show their folders.
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("b")));
  const QString other = WriteJob(QStringLiteral("b/first.cratemark"));
  ASSERT_TRUE(window->session().Open(other));
  EXPECT_EQ(Action("action_recent_1")->text(),
            QStringLiteral("&1 first.cratemark (%1/b)").arg(folder.path()));
  EXPECT_EQ(Action("action_recent_2")->text(),
            QStringLiteral("&2 first.cratemark (%1)").arg(folder.path()));
}

}  // namespace

TEST(PackingListDialog, ShowsEveryBlockToBeMadeAndOffersTheJobsBlocksForTheirRows) {
  MainModel job;
  StartUp(job);
  job.block_count = 3;
  job.current_block = 4;  // the remainder carton on screen
  job.remainder_edited = 1;
  PackingListDialog dialog({{1, 25, 10, 1, false}, {26, 40, 10, 4, true}}, job);
  auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("packing_list_table"));
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 2);
  QStringList second;
  for (int column = 0; column < table->columnCount(); ++column) {
    second << table->item(1, column)->text();
  }
  EXPECT_EQ(second, (QStringList{"2", "26", "40", "10", "4", "Yes"}));

  // Block 1 lends its rows unless another is picked, the remainder carton on screen included.
  auto* source = dialog.findChild<QComboBox*>(QStringLiteral("packing_list_template"));
  ASSERT_NE(source, nullptr);
  QStringList offered;
  for (int i = 0; i < source->count(); ++i) offered << source->itemText(i);
  EXPECT_EQ(offered, (QStringList{"第 1 區段", "第 2 區段", "第 3 區段", "尾數箱"}));
  EXPECT_EQ(dialog.template_entry(), 1);
  source->setCurrentIndex(3);
  EXPECT_EQ(dialog.template_entry(), 4);
}
