#include "history/recall.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include "history/history_files.h"
#include "model/main_model.h"
#include "model/start_values.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"

namespace {

// Sixteen lines, CRLF-ended, as a print run writes them.
QByteArray Record(const QStringList& rows) {
  QByteArray bytes;
  for (int i = 0; i < 16; ++i) bytes += (i < rows.size() ? rows[i] : QString()).toUtf8() + "\r\n";
  return bytes;
}

class RecallTest : public testing::Test {
 protected:
  RecallTest() {
    model.work_dir = folder.path();
    SetStartValues(model);
    for (int row = 0; row < 16; ++row) model.l_content[row] = QStringLiteral("old %1").arg(row);
  }

  bool Recall(const QString& item) { return RecallHistory(model, item, prompter); }

  TempFolder folder;
  MainModel model;
  ScriptedPrompter prompter;
};

}  // namespace

TEST_F(RecallTest, RowsComeBackTrimmedWithTheirChoices) {
  folder.Write(QStringLiteral("record_003"),
               Record({QStringLiteral("  ABC CO.  "), QString(), QStringLiteral(" C/NO.:"),
                       QStringLiteral("P/NO.: "), QStringLiteral("MADE IN TAIWAN")}));
  model.l_array[2] = QStringLiteral("靠右");
  model.l_start = QStringLiteral("7");

  ASSERT_TRUE(Recall(QStringLiteral("03,ABC CO.")));
  EXPECT_EQ(model.l_content[0], QStringLiteral("ABC CO."));
  EXPECT_EQ(model.l_content[1], QString());
  EXPECT_EQ(model.l_content[2], QStringLiteral("C/NO.:"));
  EXPECT_EQ(model.l_content[3], QStringLiteral("P/NO.:"));
  EXPECT_EQ(model.l_content[4], QStringLiteral("MADE IN TAIWAN"));
  for (int row = 5; row < 16; ++row) EXPECT_EQ(model.l_content[row], QString()) << row;
  EXPECT_EQ(model.carton_row, 2);
  EXPECT_EQ(model.pallet_row, 3);
  // Only rows and choices are recalled.
  EXPECT_EQ(model.l_array[2], QStringLiteral("靠右"));
  EXPECT_EQ(model.l_start, QStringLiteral("7"));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(RecallTest, ChoicesWithoutAPlaceholderLineStayWhereTheyWere) {
  model.pallet_row = 9;
  model.carton_row = 4;
  folder.Write(QStringLiteral("record_001"), Record({QStringLiteral("A"), QStringLiteral("C/NO.:"),
                                                     QStringLiteral("C/NO.: 12")}));

  ASSERT_TRUE(Recall(QStringLiteral("01,A")));
  EXPECT_EQ(model.carton_row, 1);
  EXPECT_EQ(model.pallet_row, 9);
  // Only the exact placeholder counts.
  EXPECT_EQ(model.l_content[2], QStringLiteral("C/NO.: 12"));
  EXPECT_EQ(model.l_content[9], QString());
}

TEST_F(RecallTest, UnreadableFilesAreReportedAndChangeNothing) {
  folder.Write(QStringLiteral("record_001"), Record({QStringLiteral("A")}));
  const MainModel before = model;
  const struct {
    const char* item;
    const char* file_named;
  } cases[] = {
      {"02,gone since the list was filled", "record_002"},
      {"", "record_"},
      {"-1,x", "record_-1"},
  };
  for (const auto& c : cases) {
    prompter.messages.clear();
    EXPECT_FALSE(Recall(QString::fromUtf8(c.item))) << c.item;
    ASSERT_EQ(prompter.messages.size(), 1) << c.item;
    EXPECT_TRUE(prompter.messages[0].contains(QString::fromUtf8(c.file_named)))
        << prompter.messages[0].toStdString();
    EXPECT_EQ(model.l_content, before.l_content) << c.item;
    EXPECT_EQ(model.pallet_row, before.pallet_row);
    EXPECT_EQ(model.carton_row, before.carton_row);
  }
}

TEST_F(RecallTest, ShortOrLongFilesFillTheRowsTheyHave) {
  const struct {
    QByteArray bytes;
    QStringList rows;  // the first rows expected; the rest empty
  } cases[] = {
      {"one\ntwo", {"one", "two"}},
      {"one\r\n\r\nthree\r\n", {"one", "", "three"}},
      {"", {}},
      {Record({"a"}) + "seventeen\r\n", {"a"}},
  };
  for (const auto& c : cases) {
    for (int row = 0; row < 16; ++row) model.l_content[row] = QStringLiteral("old");
    folder.Write(QStringLiteral("record_005"), c.bytes);
    ASSERT_TRUE(Recall(QStringLiteral("05,x"))) << c.bytes.toStdString();
    for (int row = 0; row < 16; ++row) {
      EXPECT_EQ(model.l_content[row], row < c.rows.size() ? c.rows[row] : QString())
          << c.bytes.toStdString() << " row " << row;
    }
  }
}

TEST_F(RecallTest, Big5FilesFromOlderSystemsAreRead) {
  QStringEncoder big5("windows-950");
  folder.Write(QStringLiteral("record_010"),
               big5.encode(QStringLiteral("台灣製造\r\nP/NO.:\r\n嘜頭 測試\r\n")));
  ASSERT_TRUE(Recall(QStringLiteral("10,台灣製造")));
  EXPECT_EQ(model.l_content[0], QStringLiteral("台灣製造"));
  EXPECT_EQ(model.l_content[1], QStringLiteral("P/NO.:"));
  EXPECT_EQ(model.l_content[2], QStringLiteral("嘜頭 測試"));
  EXPECT_EQ(model.pallet_row, 1);
}

TEST_F(RecallTest, AfterAPrintTheOldItemLoadsTheNewRecord) {
  folder.Write(QStringLiteral("record_001"), Record({QStringLiteral("FIRST PRINT")}));
  model.record_list = HistoryListItems(model.work_dir, model.record_prefix);
  ASSERT_EQ(model.record_list, QStringList{QStringLiteral("01,FIRST PRINT")});

  // What a print run does to the files; the list is left alone until the next start-up.
  folder.Write(QStringLiteral("record_002"), folder.Read(QStringLiteral("record_001")));
  folder.Write(QStringLiteral("record_001"), Record({QStringLiteral("SECOND PRINT")}));
  EXPECT_EQ(model.record_list, QStringList{QStringLiteral("01,FIRST PRINT")});

  ASSERT_TRUE(Recall(model.record_list[0]));
  EXPECT_EQ(model.l_content[0], QStringLiteral("SECOND PRINT"));
}
