#include "job/job_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <functional>

#include "job/job_commands.h"
#include "job/recovery_file.h"
#include "job_fixture.h"
#include "support/full_disk.h"
#include "support/model_state.h"
#include "version.h"

namespace {

class JobFileTest : public testing::Test {
 protected:
  JobFileTest() {
    model.work_dir = folder.path();
    MakeConsignment(model, prompter, folder.File(QStringLiteral("logo.png")));
  }

  // Opens `path` into a model that has only been started.
  MainModel Opened(const QString& path) {
    MainModel opened;
    opened.work_dir = folder.path();
    StartUp(opened);
    EXPECT_TRUE(OpenJobFile(opened, prompter, path)) << prompter.messages.join(u'|').toStdString();
    return opened;
  }

  TempFolder folder;
  MainModel model;
  ScriptedPrompter prompter;
};

QJsonArray Blocks(const QJsonObject& job) { return job.value(QStringLiteral("blocks")).toArray(); }

// Changes entry `index` of "blocks" (from 0).
void EditBlock(QJsonObject& job, int index, const std::function<void(QJsonObject&)>& edit) {
  QJsonArray blocks = Blocks(job);
  QJsonObject block = blocks[index].toObject();
  edit(block);
  blocks[index] = block;
  job[QStringLiteral("blocks")] = blocks;
}

void SetRow(QJsonObject& job, int index, const QString& key, int row, const QJsonValue& value) {
  EditBlock(job, index, [&](QJsonObject& block) {
    QJsonArray rows = block[key].toArray();
    rows[row] = value;
    block[key] = rows;
  });
}

void EditBarcode(QJsonObject& job, const QString& key, const QJsonValue& value) {
  QJsonObject barcode = job[QStringLiteral("barcode")].toObject();
  barcode[key] = value;
  job[QStringLiteral("barcode")] = barcode;
}

}  // namespace

TEST_F(JobFileTest, ThreeBlocksARemainderAPictureAndABarcodeSurviveSaveOpenSave) {
  ASSERT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
  ASSERT_EQ(model.block_count, 3);
  ASSERT_EQ(model.remainder_edited, 1);
  const QString first = folder.File(QStringLiteral("客戶A.cratemark"));
  const auto saved = SaveJobFile(model, prompter, first);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved, JobBytesAsSaved(model));

  MainModel opened = Opened(first);
  ExpectSameModel(model, opened, "opened job");
  EXPECT_EQ(opened.blocks[4].blk_content[0], QStringLiteral("LAST CARTON"));
  EXPECT_EQ(opened.blocks[2].blk_array[5], QStringLiteral("靠右"));
  EXPECT_EQ(opened.blocks[1].blk_size[0], RowSize::kLarge);
  EXPECT_EQ(opened.blocks[2].blk_size[5], RowSize::kBold);
  EXPECT_EQ(opened.l_size[5], RowSize::kBold);
  EXPECT_EQ(opened.blocks[2].blk_mix, QStringLiteral("Yes"));
  EXPECT_EQ(opened.barcode.content_template, QStringLiteral("PO4711-{C} 臺灣 {P}"));

  const QString second = folder.File(QStringLiteral("again.cratemark"));
  EXPECT_EQ(SaveJobFile(opened, prompter, second), saved);
  EXPECT_EQ(folder.Read(QStringLiteral("again.cratemark")),
            folder.Read(QStringLiteral("客戶A.cratemark")));
  EXPECT_TRUE(prompter.messages.isEmpty());

  // The remainder carton on screen comes back as "尾數箱"; with the option off, l_block names the
  // last block as the list no longer holds the remainder.
  model.l_block = kRemainderEntry;
  SelectBlock(model, prompter);
  ASSERT_TRUE(SaveJobFile(model, prompter, first));
  opened = Opened(first);
  EXPECT_EQ(opened.current_block, 4);
  EXPECT_EQ(opened.l_block, kRemainderEntry);
  EXPECT_EQ(opened.l_content[0], QStringLiteral("LAST CARTON"));
  model.l_last = QStringLiteral("No");
  ASSERT_TRUE(SaveJobFile(model, prompter, first));
  opened = Opened(first);
  EXPECT_EQ(opened.l_block, QStringLiteral("3"));
  EXPECT_EQ(opened.l_block_list, (QStringList{"1", "2", "3"}));
}

TEST_F(JobFileTest, SavingStoresTheBlockOnScreenFirstAndLooksLikeTheExample) {
  model.l_content[7] = QStringLiteral("typed, not yet stored");
  model.l_end = QStringLiteral("40abc");
  const auto saved = SaveJobFile(model, prompter, folder.File(QStringLiteral("job.cratemark")));
  ASSERT_TRUE(saved);
  EXPECT_EQ(model.blocks[2].blk_content[7], QStringLiteral("typed, not yet stored"));

  const QJsonObject job = QJsonDocument::fromJson(*saved).object();
  EXPECT_EQ(job[QStringLiteral("format")], QStringLiteral("cratemark-job"));
  EXPECT_EQ(job[QStringLiteral("version")], 1);
  EXPECT_EQ(job[QStringLiteral("block_count")], 3);
  EXPECT_EQ(job[QStringLiteral("current_block")], 2);
  EXPECT_EQ(job[QStringLiteral("remainder_edited")], 1);
  EXPECT_EQ(job[QStringLiteral("pallet_row")], 3);
  EXPECT_EQ(job[QStringLiteral("carton_row")], 4);
  EXPECT_EQ(job[QStringLiteral("l_last")], QStringLiteral("Yes"));
  EXPECT_EQ(job[QStringLiteral("picture")][QStringLiteral("pic_d_top")], QStringLiteral("4.5"));
  const QJsonObject second = Blocks(job)[1].toObject();
  EXPECT_EQ(second[QStringLiteral("blk_start")], 26);
  EXPECT_EQ(second[QStringLiteral("blk_end")], 40);
  EXPECT_EQ(second[QStringLiteral("blk_pbox")], 10);
  EXPECT_EQ(second[QStringLiteral("blk_p_start")], 4);
  EXPECT_EQ(second[QStringLiteral("blk_content")].toArray().size(), 16);
  EXPECT_EQ(second[QStringLiteral("blk_size")].toArray()[5], QStringLiteral("粗體"));
  EXPECT_EQ(second[QStringLiteral("blk_size")].toArray()[0], QStringLiteral("一般"));
  EXPECT_EQ(job[QStringLiteral("remainder")][QStringLiteral("blk_start")], 46);
  EXPECT_EQ(job[QStringLiteral("barcode")][QStringLiteral("kind")], QStringLiteral("qr"));
  EXPECT_EQ(job[QStringLiteral("barcode")][QStringLiteral("company_prefix")],
            QStringLiteral("4712345"));
}

TEST_F(JobFileTest, SavingStopsWhereTheJobCouldNotBeOpenedAgain) {
  const QString path = folder.File(QStringLiteral("job.cratemark"));
  folder.Write(QStringLiteral("job.cratemark"), "the old file");
  const struct {
    const char* what;
    std::function<void(MainModel&)> edit;
    QString message;
    QString target;
  } cases[] = {
      {"pallet start SaveBlock refuses",
       [](MainModel& m) { m.l_p_start_text = QStringLiteral("x"); },
       QStringLiteral("「本區段墊板編號的起始數」必須是 -32768 到 32767 之間的整數, "
                      "請修改後再試一次"),
       path},
      {"carton past the print run's numbers",
       [](MainModel& m) { m.l_end = QStringLiteral("40000"); },
       QStringLiteral("無法儲存工作: 第 2 區段的「箱號 to」(blk_end)是 40000, 超出 -32768 到 "
                      "32766 的範圍, 請修改後再儲存"),
       path},
      {"tab in a row", [](MainModel& m) { m.l_content[2] = QStringLiteral("A\tB"); },
       QStringLiteral("無法儲存工作: 第 2 區段第 3 行的「內容」(blk_content)含有控制字元 "
                      "(例如換行或定位字元), 請修改後再儲存"),
       path},
      {"tab in the barcode template",
       [](MainModel& m) { m.barcode.content_template = QStringLiteral("{C}\t{P}"); },
       QStringLiteral("無法儲存工作: 條碼設定的「條碼內容」(template)含有控制字元 "
                      "(例如換行或定位字元), 請修改後再儲存"),
       path},
      // Any text may be typed as an alignment (it prints centred); a job keeps only the three.
      {"alignment typed by hand", [](MainModel& m) { m.l_array[2] = QStringLiteral("diagonal"); },
       QStringLiteral("無法儲存工作: 第 2 區段第 3 行的「對齊」(blk_array)是「diagonal」, "
                      "只能是置中、靠左、靠右或空白, 請修改後再儲存"),
       path},
      {"folder that does not exist", [](MainModel&) {},
       QStringLiteral("無法儲存工作檔「job.cratemark」: 資料夾不存在。\n原來的檔案沒有改變, "
                      "畫面上的工作也都還在; 請空出磁碟空間或換一個資料夾, 再存一次。"),
       folder.File(QStringLiteral("missing/job.cratemark"))},
  };
  for (const auto& c : cases) {
    MainModel edited = model;
    c.edit(edited);
    prompter.messages.clear();
    EXPECT_FALSE(SaveJobFile(edited, prompter, c.target)) << c.what;
    EXPECT_EQ(prompter.messages, QStringList{c.message}) << c.what;
    EXPECT_EQ(folder.Read(QStringLiteral("job.cratemark")), "the old file") << c.what;
  }
}

TEST_F(JobFileTest, UnknownKeysAreIgnoredSoLaterSettingsDoNotStopOpening) {
  QJsonObject job = JobToJson(CaptureJob(model));
  job[QStringLiteral("label_stock")] = QJsonObject{{QStringLiteral("kind"), QStringLiteral("A4")}};
  job[QStringLiteral("printer_offsets")] = 3;
  EditBlock(job, 0, [](QJsonObject& b) { b[QStringLiteral("note")] = QStringLiteral("x"); });
  EditBarcode(job, QStringLiteral("colour"), QStringLiteral("black"));
  folder.Write(QStringLiteral("later.cratemark"), JobBytes(job));
  const MainModel opened = Opened(folder.File(QStringLiteral("later.cratemark")));
  EXPECT_EQ(opened.block_count, 3);
  EXPECT_EQ(opened.barcode, model.barcode);

  // A job saved before barcodes came has none.
  job.remove(QStringLiteral("barcode"));
  folder.Write(QStringLiteral("older.cratemark"), JobBytes(job));
  EXPECT_EQ(Opened(folder.File(QStringLiteral("older.cratemark"))).barcode, BarcodeSettings());
  // One saved before rows had sizes has every row 一般.
  for (int index : {0, 1, 2}) {
    EditBlock(job, index, [](QJsonObject& b) { b.remove(QStringLiteral("blk_size")); });
  }
  QJsonObject remainder = job[QStringLiteral("remainder")].toObject();
  remainder.remove(QStringLiteral("blk_size"));
  job[QStringLiteral("remainder")] = remainder;
  folder.Write(QStringLiteral("oldest.cratemark"), JobBytes(job));
  const MainModel oldest = Opened(folder.File(QStringLiteral("oldest.cratemark")));
  for (int entry = 1; entry <= 4; ++entry) {
    EXPECT_EQ(oldest.blocks[entry].blk_size, decltype(BlockEntry::blk_size){}) << entry;
  }
  EXPECT_EQ(oldest.l_size, decltype(MainModel::l_size){});
}

TEST_F(JobFileTest, EveryKindOfBadFileIsRefusedAndTheJobOnScreenStays) {
  const QByteArray good = JobBytes(JobToJson(CaptureJob(model)));
  const auto edited = [&](const std::function<void(QJsonObject&)>& edit) {
    QJsonObject job = QJsonDocument::fromJson(good).object();
    edit(job);
    return JobBytes(job);
  };
  const QString fifo = folder.File(QStringLiteral("pipe.cratemark"));
  ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
  QDir(folder.path()).mkdir(QStringLiteral("folder.cratemark"));
  const QString locked = folder.File(QStringLiteral("locked.cratemark"));
  folder.Write(QStringLiteral("locked.cratemark"), good);
  chmod(locked.toLocal8Bit().constData(), 0);
  {
    QFile huge(folder.File(QStringLiteral("huge.cratemark")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(good.left(good.indexOf("MADE IN TAIWAN")));
    huge.write(QByteArray(50 * 1024 * 1024, 'A'));
    huge.write(good.mid(good.indexOf("MADE IN TAIWAN")));
  }
  const QString row_1001(1001, u'字');

  const struct {
    const char* what;
    QByteArray bytes;  // written to case.cratemark unless a path is given
    QString path;
    QString problem;
  } cases[] = {
      {"truncated JSON",
       good.left(good.size() / 2),
       {},
       QStringLiteral("工作檔的內容不完整或已經損壞 (在第 %1 個位元組附近)").arg(good.size() / 2)},
      {"a picture, not a job",
       QByteArray("\x89PNG\r\n\x1a\n", 8),
       {},
       QStringLiteral("這不是 Cratemark 的工作檔")},
      {"empty file", QByteArray(), {}, QStringLiteral("這不是 Cratemark 的工作檔")},
      {"another program's JSON",
       R"({"format": "other", "version": 1})",
       {},
       QStringLiteral("這不是 Cratemark 的工作檔")},
      {"newer version",
       edited([](QJsonObject& j) { j[QStringLiteral("version")] = 2; }),
       {},
       QStringLiteral("這個工作檔是較新版的 Cratemark 存的 (第 2 版), 請用新版的程式開啟")},
      {"version as text",
       edited([](QJsonObject& j) { j[QStringLiteral("version")] = QStringLiteral("1"); }),
       {},
       QStringLiteral("工作檔的版本 (version) 不正確, 應該是 1")},
      {"missing field",
       edited([](QJsonObject& j) {
         EditBlock(j, 1, [](QJsonObject& b) { b.remove(QStringLiteral("blk_end")); });
       }),
       {},
       QStringLiteral("缺少第 2 區段的「箱號 to」(blk_end)")},
      {"missing remainder",
       edited([](QJsonObject& j) { j.remove(QStringLiteral("remainder")); }),
       {},
       QStringLiteral("缺少「尾數箱」(remainder)")},
      {"count as text",
       edited([](QJsonObject& j) { j[QStringLiteral("block_count")] = QStringLiteral("3"); }),
       {},
       QStringLiteral("「區段數」(block_count)應該是整數")},
      {"half a carton",
       edited([](QJsonObject& j) {
         EditBlock(j, 0, [](QJsonObject& b) { b[QStringLiteral("blk_start")] = 2.5; });
       }),
       {},
       QStringLiteral("第 1 區段的「箱號 from」(blk_start)應該是整數")},
      {"row as number",
       edited([](QJsonObject& j) { SetRow(j, 0, QStringLiteral("blk_content"), 2, 7); }),
       {},
       QStringLiteral("第 1 區段第 3 行的「內容」(blk_content)應該是文字")},
      {"picture as text",
       edited([](QJsonObject& j) { j[QStringLiteral("picture")] = QStringLiteral("logo.png"); }),
       {},
       QStringLiteral("「圖案設定」(picture)應該是一組設定 ({…})")},
      {"barcode as text",
       edited([](QJsonObject& j) { j[QStringLiteral("barcode")] = QStringLiteral("qr"); }),
       {},
       QStringLiteral("「條碼設定」(barcode)應該是一組設定 ({…})")},
      {"barcode of an unknown kind",
       edited([](QJsonObject& j) { EditBarcode(j, QStringLiteral("kind"), u"ean13"_qs); }),
       {},
       QStringLiteral("條碼設定的「條碼種類」(kind)「ean13」看不懂。")},
      {"barcode template as a number",
       edited([](QJsonObject& j) { EditBarcode(j, QStringLiteral("template"), 4711); }),
       {},
       QStringLiteral("條碼設定的「條碼內容」(template)不對。")},
      {"SSCC with a six-digit company prefix",
       edited([](QJsonObject& j) {
         EditBarcode(j, QStringLiteral("kind"), u"gs1-128-sscc"_qs);
         EditBarcode(j, QStringLiteral("company_prefix"), u"471234"_qs);
       }),
       {},
       QStringLiteral("條碼設定的「GS1 廠商代碼」要填 7 到 10 位數字, 現在是「471234」。")},
      {"line break in the barcode template",
       edited([](QJsonObject& j) { EditBarcode(j, QStringLiteral("template"), u"{C}\n"_qs); }),
       {},
       QStringLiteral("條碼設定的「條碼內容」(template)含有控制字元 (例如換行或定位字元)")},
      {"huge number",
       edited([](QJsonObject& j) {
         EditBlock(j, 0, [](QJsonObject& b) { b[QStringLiteral("blk_start")] = 1e300; });
       }),
       {},
       QStringLiteral("第 1 區段的「箱號 from」(blk_start)是 1e+300, 超出 -32768 到 32766 的範圍")},
      {"carton the print run cannot count to",
       edited([](QJsonObject& j) {
         EditBlock(j, 2, [](QJsonObject& b) { b[QStringLiteral("blk_end")] = 32767; });
       }),
       {},
       QStringLiteral("第 3 區段的「箱號 to」(blk_end)是 32767, 超出 -32768 到 32766 的範圍")},
      {"pallet past 16 bits",
       edited([](QJsonObject& j) {
         QJsonObject r = j[QStringLiteral("remainder")].toObject();
         r[QStringLiteral("blk_p_start")] = 40000;
         j[QStringLiteral("remainder")] = r;
       }),
       {},
       QStringLiteral(
           "尾數箱的「墊板編號的起始數」(blk_p_start)是 40000, 超出 -32768 到 32767 的範圍")},
      {"cartons per pallet past 32 bits",
       edited([](QJsonObject& j) {
         EditBlock(j, 0, [](QJsonObject& b) { b[QStringLiteral("blk_pbox")] = 3e9; });
       }),
       {},
       QStringLiteral("第 1 區段的「每墊板的箱數」(blk_pbox)是 3000000000, 超出 -2147483648 到 "
                      "2147483647 的範圍")},
      {"99 blocks",
       edited([](QJsonObject& j) {
         QJsonArray blocks;
         for (int i = 0; i < 99; ++i) blocks.append(Blocks(j)[0]);
         j[QStringLiteral("blocks")] = blocks;
         j[QStringLiteral("block_count")] = 99;
       }),
       {},
       QStringLiteral("這份工作有 99 個區段, 最多只能有 98 個")},
      {"count and blocks disagree",
       edited([](QJsonObject& j) { j[QStringLiteral("block_count")] = 2; }),
       {},
       QStringLiteral("「區段數」(block_count)是 2, 但「區段」(blocks)有 3 個")},
      {"shown block past the remainder",
       edited([](QJsonObject& j) { j[QStringLiteral("current_block")] = 5; }),
       {},
       QStringLiteral("「畫面上的區段」(current_block)是 5, 超出 1 到 4 的範圍")},
      {"marks on one row",
       edited([](QJsonObject& j) { j[QStringLiteral("carton_row")] = 3; }),
       {},
       QStringLiteral("P/NO 與 C/NO 不能印在同一行 (第 4 行)")},
      {"mark past the last row",
       edited([](QJsonObject& j) { j[QStringLiteral("pallet_row")] = 16; }),
       {},
       QStringLiteral("「P/NO 行」(pallet_row)是 16, 超出 -1 到 15 的範圍")},
      {"fifteen rows",
       edited([](QJsonObject& j) {
         EditBlock(j, 1, [](QJsonObject& b) {
           QJsonArray rows = b[QStringLiteral("blk_array")].toArray();
           rows.removeLast();
           b[QStringLiteral("blk_array")] = rows;
         });
       }),
       {},
       QStringLiteral("第 2 區段的「對齊」(blk_array)應該有 16 行, 卻有 15 行")},
      {"an alignment no row can have",
       edited([](QJsonObject& j) { SetRow(j, 0, QStringLiteral("blk_array"), 4, u"diagonal"_qs); }),
       {},
       QStringLiteral("第 1 區段第 5 行的「對齊」(blk_array)是「diagonal」, "
                      "只能是置中、靠左、靠右或空白")},
      {"a size no row can have",
       edited([](QJsonObject& j) { SetRow(j, 1, QStringLiteral("blk_size"), 2, u"huge"_qs); }),
       {},
       QStringLiteral("第 2 區段第 3 行的「字型」(blk_size)是「huge」, 只能是一般、粗體、放大")},
      {"a size that is no text",
       edited([](QJsonObject& j) { SetRow(j, 0, QStringLiteral("blk_size"), 0, 2); }),
       {},
       QStringLiteral("第 1 區段第 1 行的「字型」(blk_size)應該是文字")},
      {"line break in a row",
       edited([](QJsonObject& j) {
         SetRow(j, 2, QStringLiteral("blk_content"), 0, QStringLiteral("MADE IN\nTAIWAN"));
       }),
       {},
       QStringLiteral("第 3 區段第 1 行的「內容」(blk_content)含有控制字元 (例如換行或定位字元)")},
      // Qt's JSON writer drops a byte-order mark at the start of a text, so such a job would not
      // come back as it was saved (found by the job-file fuzz target).
      {"a byte-order mark in a row",
       QByteArray(good).replace(QStringLiteral("\"靠左\"").toUtf8(), R"("\ufeff靠左")"),
       {},
       QStringLiteral("第 1 區段第 1 行的「對齊」(blk_array)含有控制字元 (例如換行或定位字元)")},
      {"half a surrogate pair",
       QByteArray(good).replace(R"("Yes")", R"("\ud800")"),
       {},
       QStringLiteral("「尾數箱?」(l_last)含有無效的字元")},
      {"1,001 characters in a row",
       edited([&](QJsonObject& j) { SetRow(j, 0, QStringLiteral("blk_content"), 15, row_1001); }),
       {},
       QStringLiteral(
           "第 1 區段第 16 行的「內容」(blk_content)有 1001 個字, 最多只能有 1000 個字")},
      {"a 50 MB row",
       {},
       folder.File(QStringLiteral("huge.cratemark")),
       QStringLiteral("檔案太大 (50.0 MB), 最多只能有 8.0 MB")},
      {"no such file",
       {},
       folder.File(QStringLiteral("gone.cratemark")),
       QStringLiteral("找不到這個檔案")},
      {"a folder",
       {},
       folder.File(QStringLiteral("folder.cratemark")),
       QStringLiteral("這是一個資料夾, 不是檔案")},
      {"a pipe", {}, fifo, QStringLiteral("這不是一般的檔案 (可能是裝置或管道)")},
      {"a device",
       {},
       QStringLiteral("/dev/zero"),
       QStringLiteral("這不是一般的檔案 (可能是裝置或管道)")},
      // Permissions do not stop the superuser, so a file whose reading fails stands in then.
      {"an unreadable file",
       {},
       geteuid() == 0 ? QStringLiteral("/proc/self/mem") : locked,
       geteuid() == 0 ? QStringLiteral("讀取這個檔案時發生錯誤")
                      : QStringLiteral("無法讀取這個檔案, 可能沒有讀取的權限")},
  };

  const MainModel before = model;
  for (const auto& c : cases) {
    QString path = c.path;
    if (path.isEmpty()) {
      path = folder.File(QStringLiteral("case.cratemark"));
      folder.Write(QStringLiteral("case.cratemark"), c.bytes);
    }
    prompter.messages.clear();
    EXPECT_FALSE(OpenJobFile(model, prompter, path)) << c.what;
    EXPECT_EQ(
        prompter.messages,
        QStringList{
            QStringLiteral("無法開啟工作檔「%1」: %2").arg(QFileInfo(path).fileName(), c.problem)})
        << c.what;
    ExpectSameModel(before, model, c.what);
  }
}

// A job folder copied to another computer keeps its logo; a logo elsewhere keeps its full path.
// The job file, its recovery file and --print (which reads the job as 開啟工作 does) agree.
TEST_F(JobFileTest, APictureInTheJobsFolderIsKeptRelativeToIt) {
  const QString jobs = folder.File(QStringLiteral("jobs"));
  const struct {
    QString picture;
    QString in_file;
  } cases[] = {
      {jobs + "/logo.png", "logo.png"},
      {jobs + "/logos/客戶A.png", "logos/客戶A.png"},
      {jobs + "/../logo.png", folder.File("logo.png")},
      {jobs + "-old/logo.png", jobs + "-old/logo.png"},
      {"/srv/logos/logo.png", "/srv/logos/logo.png"},
      {{}, {}},
  };
  const QString copied = folder.File(QStringLiteral("copied/jobs"));
  ASSERT_TRUE(QDir().mkpath(jobs));
  ASSERT_TRUE(QDir().mkpath(copied));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture.toStdString());
    model.pic_file_name = c.picture;
    ASSERT_TRUE(SaveJobFile(model, prompter, jobs + "/job.cratemark"));
    const QByteArray bytes = folder.Read(QStringLiteral("jobs/job.cratemark"));
    QString problem;
    EXPECT_EQ(ParseJob(bytes, &problem)->pic_file_name, c.in_file);
    const QString moved =
        c.in_file.startsWith(u'/') || c.in_file.isEmpty() ? c.in_file : copied + u'/' + c.in_file;
    folder.Write(QStringLiteral("copied/jobs/job.cratemark"), bytes);
    EXPECT_EQ(ReadJobFile(copied + "/job.cratemark", &problem)->pic_file_name, moved);

    // A recovery file reads a relative path from the folder of the job it recovers.
    QJsonObject recovery = QJsonDocument::fromJson(bytes).object();
    recovery["recovery_of"] = copied + "/job.cratemark";
    folder.Write(QStringLiteral("recovery.cratemark"), JobBytes(recovery));
    EXPECT_EQ(ReadRecovery(folder.File("recovery.cratemark"), &problem)->job.pic_file_name, moved);
  }
}

// Saving onto a full disk: the old job stays, the message names the file and the reason, and the
// recovery file is written the same way.
TEST_F(JobFileTest, AFullDiskKeepsTheOldJobAndTheOldRecoveryFile) {
  TempFolder data;
  FullDisk disk(data.path());
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  RecoveryFile recovery(data.path(), folder.path());
  ASSERT_TRUE(recovery.Claim());
  const QString job = data.File(QStringLiteral("job.cratemark"));
  ASSERT_TRUE(SaveJobFile(model, prompter, job));
  ASSERT_TRUE(recovery.Write("the old recovery"));
  const QByteArray old_job = data.Read(QStringLiteral("job.cratemark"));
  disk.Fill();

  model.l_content[8] = QString(900, u'長');
  model.l_content[9] = QString(900, u'字');
  prompter.messages.clear();
  EXPECT_FALSE(SaveJobFile(model, prompter, job));
  EXPECT_EQ(prompter.messages,
            QStringList(u"無法儲存工作檔「job.cratemark」: 磁碟已滿。\n原來的檔案沒有改變, "
                        u"畫面上的工作也都還在; 請空出磁碟空間或換一個資料夾, 再存一次。"_qs));
  EXPECT_EQ(data.Read(QStringLiteral("job.cratemark")), old_job);
  EXPECT_FALSE(recovery.Write(RecoveryBytes(*JobAsSaved(model), job)));
  EXPECT_EQ(data.Read(QFileInfo(recovery.path()).fileName()), "the old recovery");
}

TEST_F(JobFileTest, TheLookAtTheJobLeavesTheModelAlone) {
  model.l_content[9] = QStringLiteral("typed");
  const MainModel before = model;
  const auto bytes = JobBytesAsSaved(model);
  ExpectSameModel(before, model);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(SaveJobFile(model, prompter, folder.File(QStringLiteral("j.cratemark"))), bytes);

  model.l_p_start_text = QStringLiteral("not a number");
  EXPECT_FALSE(JobBytesAsSaved(model));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(JobFileTest, NewJobIsTheStartUpState) {
  MainModel fresh;
  fresh.work_dir = model.work_dir;
  StartUp(fresh);
  NewJob(model);
  ExpectSameModel(fresh, model);
  EXPECT_EQ(model.work_dir, folder.path());
}

TEST(JobWindowTitle, NamesTheJobAndMarksUnsavedChanges) {
  const QString program = QStringLiteral("Cratemark %1版").arg(QLatin1String(kCratemarkVersion));
  EXPECT_EQ(JobWindowTitle({}, false), program);
  EXPECT_EQ(JobWindowTitle({}, true), u"未命名工作* - "_qs + program);
  EXPECT_EQ(JobWindowTitle(QStringLiteral("/x/客戶A.cratemark"), false),
            u"客戶A.cratemark - "_qs + program);
  EXPECT_EQ(JobWindowTitle(QStringLiteral("/x/客戶A.cratemark"), true),
            u"客戶A.cratemark* - "_qs + program);
}
