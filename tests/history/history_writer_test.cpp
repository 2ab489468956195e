#include "history/history_writer.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/startup.h"
#include "history/history_files.h"
#include "model/main_model.h"
#include "support/temp_folder.h"

namespace {

QString Name(int number) { return HistoryFileName(QStringLiteral("record_"), number); }

class HistoryWriterTest : public testing::Test {
 protected:
  HistoryWriterTest() {
    model.work_dir = folder.path();
    StartUp(model);
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

  TempFolder folder;
  MainModel model;
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
