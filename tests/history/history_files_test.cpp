#include "history/history_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(HistoryFiles, EachLineIsDecodedOnItsOwn) {
  // A record edited on two systems: a UTF-8 line and a Big5 line.
  TempFolder folder;
  const QString utf8_line = QStringLiteral("台灣製造");
  const QString big5_line = QStringLiteral("嘉義 麥頭");
  folder.Write(QStringLiteral("record_001"),
               "\xEF\xBB\xBF" + utf8_line.toUtf8() + "\r\n" + Big5(big5_line) + "\r\nP/NO.:\r\n");
  const auto lines = ReadHistoryLines(folder.File(QStringLiteral("record_001")));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (QStringList{utf8_line, big5_line, QStringLiteral("P/NO.:")}));
}

TEST(HistoryFiles, WhatIsNoRecordNeverHoldsUpTheList) {
  // Each of these once kept the program from opening its window: a FIFO waits for a writer,
  // /dev/zero never ends, and a 200 MB file took seconds to decode.
  TempFolder folder;
  ASSERT_EQ(
      ::mkfifo(QFile::encodeName(folder.File(QStringLiteral("record_001"))).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.File(QStringLiteral("record_002"))));
  QFile big(folder.File(QStringLiteral("record_003")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write("BIG\r\nsecond\r\n");
  ASSERT_TRUE(big.resize(200LL * 1024 * 1024));
  big.close();
  folder.Write(QStringLiteral("record_004"), "FOUR\r\n");

  EXPECT_EQ(HistoryListItems(folder.path(), kPrefix),
            (QStringList{QStringLiteral("03,BIG"), QStringLiteral("04,FOUR")}));
  EXPECT_FALSE(ReadHistoryLines(folder.File(QStringLiteral("record_001"))));
  EXPECT_FALSE(ReadHistoryLines(folder.File(QStringLiteral("record_002"))));
  // Of the big file only the start is read; the line the limit cuts through is left out.
  const auto lines = ReadHistoryLines(folder.File(QStringLiteral("record_003")));
  ASSERT_TRUE(lines);
  EXPECT_EQ(*lines, (QStringList{QStringLiteral("BIG"), QStringLiteral("second")}));
}

TEST(HistoryFiles, ParsingTakesCrLfAndLfAndDropsACutLine) {
  const struct {
    QByteArray bytes;
    bool complete;
    QStringList lines;
  } cases[] = {
      {"a\r\nb\r\n", true, {"a", "b"}},
      {"a\nb", true, {"a", "b"}},
      {"a\r\n\r\n", true, {"a", ""}},
      {"a\r\nb", false, {"a"}},  // the start of a longer file: "b" may go on
      {"", true, {}},
      {"\xEF\xBB\xBF", true, {}},
      {"a\rb\r\n", true, {"a\rb"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHistoryRecord(c.bytes, c.complete), c.lines) << c.bytes.toStdString();
  }
}
