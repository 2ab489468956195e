#include "history/history_files.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include "support/temp_folder.h"

namespace {

const QString kPrefix = QStringLiteral("record_");

QByteArray Big5(const QString& text) {
  QStringEncoder encoder("windows-950");
  return encoder.encode(text);
}

}  // namespace

TEST(HistoryFiles, FileNamesHaveThreeDigits) {
  EXPECT_EQ(HistoryFileName(kPrefix, 3), QStringLiteral("record_003"));
  EXPECT_EQ(HistoryFileName(kPrefix, 10), QStringLiteral("record_010"));
}

TEST(HistoryFiles, ListItemsNameTheFileNumber) {
  TempFolder folder;
  EXPECT_TRUE(HistoryListItems(folder.path(), kPrefix).isEmpty());

  folder.Write(QStringLiteral("record_001"), "ABC\r\nsecond\r\n");
  folder.Write(QStringLiteral("record_003"), "MADE IN TAIWAN\n");
  EXPECT_EQ(HistoryListItems(folder.path(), kPrefix),
            (QStringList{QStringLiteral("01,ABC"), QStringLiteral("03,MADE IN TAIWAN")}));

  // An empty first line gives no item, whatever follows; so does an empty file.
  folder.Write(QStringLiteral("record_002"), "\r\nlater text\r\n");
  folder.Write(QStringLiteral("record_004"), "");
  folder.Write(QStringLiteral("record_010"), "ten");
  EXPECT_EQ(HistoryListItems(folder.path(), kPrefix),
            (QStringList{QStringLiteral("01,ABC"), QStringLiteral("03,MADE IN TAIWAN"),
                         QStringLiteral("10,ten")}));
}

TEST(HistoryFiles, ReadsBig5AndUtf8Files) {
  TempFolder folder;
  const QString chinese = QStringLiteral("台灣製造 嘉義");
  folder.Write(QStringLiteral("record_001"), Big5(chinese) + "\r\nP/NO.:\r\n");
  folder.Write(QStringLiteral("record_002"), "\xEF\xBB\xBF" + chinese.toUtf8() + "\r\n");
  folder.Write(QStringLiteral("record_005"), chinese.toUtf8() + "\n");
  EXPECT_EQ(HistoryListItems(folder.path(), kPrefix),
            (QStringList{"01," + chinese, "02," + chinese, "05," + chinese}));

  const auto lines = ReadHistoryLines(folder.File(QStringLiteral("record_001")));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (QStringList{chinese, QStringLiteral("P/NO.:")}));
  EXPECT_FALSE(ReadHistoryLines(folder.File(QStringLiteral("record_009"))));
}
