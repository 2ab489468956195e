#include "history/history_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <thread>

#include "history/history_files.h"
#include "history/recall.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "support/full_disk.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

QString Name(int number) { return HistoryFileName(QStringLiteral("record_"), number); }

class HistoryWriterTest : public testing::Test {
 protected:
  HistoryWriterTest() {
    model.work_dir = folder.path();
    SetStartValues(model);
    model.l_content[0] = QStringLiteral("NEW");
  }

  // The first line of every record, "-" for a missing one: "NEW 1 2 - 4 - - - - -".
  QString Firsts() const {
    QStringList firsts;
    for (int n = 1; n <= kHistoryFiles; ++n) {
      const QByteArray bytes = folder.Read(Name(n));
      firsts << (QFileInfo::exists(folder.File(Name(n)))
                     ? QString::fromUtf8(bytes.left(bytes.indexOf('\r')))
                     : QStringLiteral("-"));
    }
    return firsts.join(u' ');
  }

  // Every file of the folder, hidden ones too, with its bytes.
  QMap<QString, QByteArray> Files() const {
    QMap<QString, QByteArray> files;
    const QDir dir(folder.path());
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
      files.insert(name, folder.Read(name));
    }
    return files;
  }

  void Reset(const QList<int>& present) {
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden)) {
      QFile::remove(folder.File(name));
    }
    for (int n : present) folder.Write(Name(n), "record " + QByteArray::number(n) + "\r\n");
  }

  TempFolder folder;
  MainModel model;
};

// The file system's own operations, of which the step numbered `fail_at` (from 0) fails.
class FailingFiles : public RecordFiles {
 public:
  explicit FailingFiles(int fail_at, std::errc error = std::errc::no_space_on_device)
      : fail_at_(fail_at), error_(std::make_error_code(error)) {}

  std::error_code WriteNew(const QString& path, const QByteArray& bytes) override {
    return Fails() ? error_ : RecordFiles::WriteNew(path, bytes);
  }
  std::error_code Rename(const QString& from, const QString& to) override {
    return Fails() ? error_ : RecordFiles::Rename(from, to);
  }
  std::error_code Link(const QString& from, const QString& to) override {
    return Fails() ? error_ : RecordFiles::Link(from, to);
  }

  int steps() const { return steps_; }

 private:
  bool Fails() { return steps_++ == fail_at_; }

  int fail_at_;
  std::error_code error_;
  int steps_ = 0;
};

}  // namespace

TEST_F(HistoryWriterTest, RecordHoldsTheSixteenRowsTrimmed) {
  model.l_content[0] = QStringLiteral("  MADE IN TAIWAN  ");
  model.l_content[3] = QStringLiteral("P/NO.:");
  model.l_content[15] = QStringLiteral("\t台灣製造 ");
  WriteHistory(model);
  QByteArray expected = "MADE IN TAIWAN\r\n\r\n\r\nP/NO.:\r\n";
  for (int row = 4; row < 15; ++row) expected += "\r\n";
  expected += QStringLiteral("台灣製造\r\n").toUtf8();
  EXPECT_EQ(folder.Read(Name(1)), expected);
  // Read back, it gives the rows again.
  EXPECT_EQ(ReadHistoryLines(folder.File(Name(1)))->size(), 16);
}

TEST_F(HistoryWriterTest, RecordsMoveUpOneNumber) {
  const struct {
    const char* name;
    QList<int> present;  // records before the run; each holds its number
    QString after;
  } cases[] = {
      {"the first run creates record_001 only", {}, "NEW - - - - - - - - -"},
      {"ten records: the oldest drops out",
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
       "NEW 1 2 3 4 5 6 7 8 9"},
      // A missing record leaves the next one as it was: 004 and 005 then hold the same.
      {"a gap in the numbers", {1, 2, 4}, "NEW 1 2 4 4 - - - - -"},
      {"only record_010", {10}, "NEW - - - - - - - - 10"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (int n = 1; n <= kHistoryFiles; ++n) QFile::remove(folder.File(Name(n)));
    for (int n : c.present) folder.Write(Name(n), QByteArray::number(n) + "\r\n");
    WriteHistory(model);
    EXPECT_EQ(Firsts(), c.after);
  }
}

TEST_F(HistoryWriterTest, SomethingInTheWayOfTheNewRecordChangesNothing) {
  for (int n : {2, 4}) folder.Write(Name(n), QByteArray::number(n) + "\r\n");
  ASSERT_TRUE(QDir(folder.path()).mkdir(Name(1)));
  WriteHistory(model);
  EXPECT_EQ(Firsts(), QStringLiteral(" 2 - 4 - - - - - -"));
  EXPECT_TRUE(QFileInfo(folder.File(Name(1))).isDir());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2);  // no temporary file left
}

TEST_F(HistoryWriterTest, ReadOnlyFolderChangesNothing) {
  for (int n : {1, 2, 4}) folder.Write(Name(n), QByteArray::number(n) + "\r\n");
  // Root writes anywhere: then there is nothing to test.
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner);
  if (::access(QFile::encodeName(folder.path()).constData(), W_OK) == 0) {
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    GTEST_SKIP() << "running as a user who can write into a read-only folder";
  }
  WriteHistory(model);
  QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(Firsts(), QStringLiteral("1 2 - 4 - - - - - -"));
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 3);
}

TEST_F(HistoryWriterTest, PastedLineBreaksStayInTheirRow) {
  // A paste of three lines into row 1 once became three lines of the record, and a recall then
  // shifted the later rows down and lost row 16.
  model.l_content[0] = QStringLiteral("LINE1\r\nLINE2\nLINE3");
  model.l_content[1] = QStringLiteral("\tQ'TY :\x0B PCS.\u2028");
  model.l_content[15] = QStringLiteral("LAST ROW");
  ASSERT_EQ(WriteHistory(model), std::nullopt);

  const auto lines = ReadHistoryLines(folder.File(Name(1)));
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), 16);
  EXPECT_EQ(lines->at(0), QStringLiteral("LINE1  LINE2 LINE3"));
  EXPECT_EQ(lines->at(1), QStringLiteral("Q'TY :  PCS."));
  EXPECT_EQ(lines->at(15), QStringLiteral("LAST ROW"));

  ScriptedPrompter prompter;
  ASSERT_TRUE(RecallHistory(model, QStringLiteral("01,LINE1"), prompter));
  EXPECT_EQ(model.l_content[15], QStringLiteral("LAST ROW"));
}

TEST_F(HistoryWriterTest, AFailedStepLeavesEveryRecordAsItWas) {
  // Each step of the write is made to fail in turn: the disk fills up, a rename is refused. Every
  // old record must then be byte for byte where it was, with nothing half written beside it.
  const struct {
    const char* name;
    QList<int> present;
    QString after;  // when nothing fails
  } cases[] = {
      {"ten records", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "NEW 1 2 3 4 5 6 7 8 9"},
      {"a gap in the numbers", {1, 2, 4}, "NEW 1 2 4 4 - - - - -"},
      {"the two oldest", {9, 10}, "NEW - - - - - - - 9 9"},
      {"none", {}, "NEW - - - - - - - - -"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reset(c.present);
    FailingFiles count(-1);
    ASSERT_EQ(WriteHistory(model, count), std::nullopt);
    EXPECT_EQ(Firsts().replace(QStringLiteral("record "), QString()), c.after);
    ASSERT_GT(count.steps(), 0);

    for (int step = 0; step < count.steps(); ++step) {
      SCOPED_TRACE(step);
      Reset(c.present);
      const auto before = Files();
      FailingFiles files(step);
      const std::optional<QString> failure = WriteHistory(model, files);
      ASSERT_TRUE(failure);
      EXPECT_EQ(*failure, QStringLiteral("磁碟已滿"));
      EXPECT_EQ(Files(), before);
    }
  }
}

TEST_F(HistoryWriterTest, WhatIsInTheWayIsReported) {
  // Something not a record where a record must go: a FIFO is replaced, a folder stops the write.
  Reset({1, 2});
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.File(Name(3))).constData(), 0600), 0);
  ASSERT_EQ(WriteHistory(model), std::nullopt);
  EXPECT_EQ(Firsts(), QStringLiteral("NEW record 1 record 2 - - - - - - -"));

  Reset({1, 2});
  ASSERT_TRUE(QDir(folder.path()).mkdir(Name(3)));
  const auto before = Files();
  EXPECT_EQ(WriteHistory(model), QStringLiteral("record_003 是一個資料夾, 不是歷史紀錄檔"));
  EXPECT_EQ(Files(), before);
  QDir(folder.File(Name(3))).removeRecursively();
}

TEST_F(HistoryWriterTest, WithoutSecondNamesTheGapMovesOn) {
  // On a file system without hard links the record after a gap moves instead of staying twice.
  class NoLinks : public RecordFiles {
    std::error_code Link(const QString&, const QString&) override {
      return std::make_error_code(std::errc::operation_not_permitted);
    }
  } files;
  Reset({1, 2, 4});
  ASSERT_EQ(WriteHistory(model, files), std::nullopt);
  EXPECT_EQ(Firsts().replace(QStringLiteral("record "), QString()),
            QStringLiteral("NEW 1 2 - 4 - - - - -"));
}

TEST_F(HistoryWriterTest, AFullDiskChangesNoRecord) {
  FullDisk disk(folder.path());
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  Reset({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  disk.Fill();
  const auto before = Files();
  model.l_content[0] = QString(8000, u'N');  // two pages
  const std::optional<QString> full = WriteHistory(model);
  ASSERT_TRUE(full);
  EXPECT_TRUE(full->contains(QStringLiteral("磁碟已滿"))) << full->toStdString();
  EXPECT_EQ(Files(), before);

  // One page back: room for the lock file, none for the new record.
  disk.Free();
  disk.Fill(4096);
  const auto one_page_left = Files();
  EXPECT_EQ(WriteHistory(model), QStringLiteral("磁碟已滿"));
  EXPECT_EQ(Files(), one_page_left);

  // With room for the new record again, the records move one place down; nothing is copied, so no
  // more room than the record itself is needed.
  disk.Free();
  model.l_content[0] = QStringLiteral("NEW");
  ASSERT_EQ(WriteHistory(model), std::nullopt);
  EXPECT_EQ(Firsts(),
            QStringLiteral("NEW record 1 record 2 record 3 record 4 record 5 record 6 record 7 "
                           "record 8 record 9"));
}

TEST_F(HistoryWriterTest, AnotherProgramWritingTheFolderIsWaitedForThenReported) {
  Reset({1, 2});
  QLockFile other(folder.File(QStringLiteral(".record_lock")));
  ASSERT_TRUE(other.tryLock());
  const auto before = Files();
  RecordFiles files;
  files.lock_wait_ms = 50;
  EXPECT_EQ(WriteHistory(model, files), QStringLiteral("另一個程式正在寫入這個資料夾的歷史紀錄"));
  EXPECT_EQ(Files(), before);
  other.unlock();
  EXPECT_EQ(WriteHistory(model, files), std::nullopt);
}

TEST_F(HistoryWriterTest, TwoWritersAtOnceLoseNoRecord) {
  // Two print runs ending at the same moment in one folder: every record is whole and each
  // writer's records keep their order.
  constexpr int kWrites = 15;
  const auto writer = [this](QChar who) {
    MainModel mine = model;
    for (int i = 0; i < kWrites; ++i) {
      mine.l_content[0] = QStringLiteral("%1%2").arg(who).arg(i, 2, 10, QLatin1Char('0'));
      EXPECT_EQ(WriteHistory(mine), std::nullopt);
    }
  };
  std::thread a(writer, u'A');
  std::thread b(writer, u'B');
  a.join();
  b.join();

  QStringList seen;
  for (int n = 1; n <= kHistoryFiles; ++n) {
    const auto lines = ReadHistoryLines(folder.File(Name(n)));
    ASSERT_TRUE(lines) << n;
    ASSERT_EQ(lines->size(), 16) << n;
    seen << lines->first();
  }
  EXPECT_EQ(seen.removeDuplicates(), 0) << seen.join(u' ').toStdString();
  for (const QChar who : {u'A', u'B'}) {
    QStringList own = seen.filter(QString(who));
    QStringList sorted = own;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    EXPECT_EQ(own, sorted) << "newest first";
  }
  EXPECT_TRUE(seen.contains(QStringLiteral("A14")) || seen.contains(QStringLiteral("B14")));
}

TEST_F(HistoryWriterTest, APrintWhoseRecordIsNotStoredSaysSoOnce) {
  ScriptedPrompter prompter;
  StorePrintedTemplate(model, prompter);
  EXPECT_TRUE(prompter.messages.isEmpty());
  EXPECT_EQ(Firsts(), QStringLiteral("NEW - - - - - - - - -"));

  ASSERT_TRUE(QDir(folder.path()).mkdir(Name(2)));
  StorePrintedTemplate(model, prompter);
  EXPECT_EQ(prompter.messages,
            QStringList{QStringLiteral("標籤已印出, 但這次的範本沒有存進歷史紀錄: record_002 "
                                       "是一個資料夾, 不是歷史紀錄檔")});
}
