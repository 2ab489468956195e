#include "job/packing_list.h"

#include <gtest/gtest.h>

#include "job_fixture.h"

// Readable blocks in failure messages.
inline void PrintTo(const PackedBlock& b, std::ostream* os) {
  *os << '{' << b.start << '-' << b.end << ", " << b.pbox << "/pallet, from pallet "
      << b.first_pallet << (b.mixed ? ", mixed}" : "}");
}

namespace {

PackedBlock Block(int32_t start, int32_t end, int32_t pbox, int16_t first_pallet,
                  bool mixed = false) {
  return PackedBlock{start, end, pbox, first_pallet, mixed};
}

TEST(PackingList, ReadsWhatExcelWrites) {
  // "起始板號,迄,起,每板箱數,混打 / ,25,1,10, / ,40,26,10,是" in code page 950.
  const QByteArray big5 = QByteArray::fromHex(
      "b05fa96caa4fb8b92ca8b42cb05f2ca843aa4fbd63bcc62cb256a5b40d0a2c32352c312c31302c0d0a2c34302c"
      "32362c31302cac4f0d0a");
  const struct {
    const char* what;
    QByteArray bytes;
    std::vector<PackedBlock> blocks;
    QStringList unused;  // the columns the confirmation names as not used
  } cases[] = {
      {"UTF-8, English headers",
       "from,to,cartons per pallet\n1,25,10\n26,40,10\n",
       {Block(1, 25, 10, 1), Block(26, 40, 10, 4)},
       {}},
      {"UTF-8 with a byte-order mark, Chinese headers in another order, CRLF",
       "\xEF\xBB\xBF迄,起,每板箱數,起始板號,混打\r\n25,1,10,7,No\r\n40,26,10,,Yes\r\n45,41,10,,"
       "\r\n",
       {Block(1, 25, 10, 7), Block(26, 40, 10, 10, true), Block(41, 45, 10, 11)},
       {}},
      {"Big5", big5, {Block(1, 25, 10, 1), Block(26, 40, 10, 4, true)}, {}},
      {"tab-separated, headers in capitals and blanks",
       "From\t TO \tCartons  per pallet\tMixed\n1\t10\t5\tno\n11\t12\t5\ty\n",
       {Block(1, 10, 5, 1), Block(11, 12, 5, 3, true)},
       {}},
      {"quoted fields with commas, quotes and line breaks; other columns; empty rows",
       "品名,from,to,cartons per pallet\n\"Shirts, blue \"\"XL\"\"\nsecond line\",1,20,10\n,,,\n"
       "\"Hats\",\"21\",\"30\",\"10\"\n",
       {Block(1, 20, 10, 1), Block(21, 30, 10, 3)},
       {"品名"}},
      // The words of an office's own lists, and numbers as the main window reads them: full-width
      // digits from a Chinese input method, an exponent, a fraction rounded as 墊板起始數 rounds
      // it.
      {"the office's header words, full-width digits, 1e3 and a half",
       "箱號起,箱號迄,每Ｐ箱數,板號起,混板,淨重,\n１,２５,１０,３,是,12.5,\n26,1e3,2.5,,否,,\n",
       {Block(1, 25, 10, 3, true), Block(26, 1000, 2, 6)},
       {"淨重"}},
      {"the English words start, end, per pallet, start pallet, mix",
       "Start,End,Per Pallet,Start Pallet,Mix,Remarks\n1,4,2,,No,\n",
       {Block(1, 4, 2, 1)},
       {"Remarks"}},
  };
  for (const auto& c : cases) {
    QString problem;
    QStringList unused;
    const auto blocks = ParsePackingList(c.bytes, &problem, &unused);
    ASSERT_TRUE(blocks) << c.what << ": " << problem.toStdString();
    EXPECT_EQ(*blocks, c.blocks) << c.what;
    EXPECT_EQ(unused, c.unused) << c.what;
  }
}

TEST(PackingList, ABadLineIsNamedWithItsColumn) {
  QByteArray many = "from,to,cartons per pallet\n";
  for (int i = 1; i <= 99; ++i)
    many += QByteArray::number(i) + ',' + QByteArray::number(i) + ",1\n";
  const QByteArray head = "from,to,cartons per pallet\n";
  const struct {
    QByteArray bytes;
    const char* message;
  } cases[] = {
      {"", "裝箱單是空的"},
      {"\n,,\n", "裝箱單是空的"},
      {"from,cartons per pallet\n1,10\n",
       "裝箱單的第一列要寫出各欄的名稱, 卻找不到「迄」欄 (也可寫成 箱號迄、結束箱號、to 或 end)"},
      {"Carton,Qty\n1,10\n",
       "裝箱單的第一列要寫出各欄的名稱, 卻找不到「起」欄 (也可寫成 箱號起、起始箱號、from 或 "
       "start)"},
      {"start,箱號起,to,cartons per pallet\n", "裝箱單第 1 行有兩個「起」欄"},
      {"from,起,to,cartons per pallet\n", "裝箱單第 1 行有兩個「起」欄"},
      {head, "裝箱單除了標題列以外沒有任何區段"},
      {head + "1,,10\n", "裝箱單第 2 行「to」欄是空的"},
      {head + "1,2x,10\n", "裝箱單第 2 行「to」欄的「2x」不是數字"},
      {head + "1," + QByteArray(30, 'a') + ",10\n",
       "裝箱單第 2 行「to」欄的「aaaaaaaaaaaaaaaaaaaa…」不是數字"},
      {head + QByteArray(400, '9') + ",2,10\n",
       "裝箱單第 2 行「from」欄的箱號太大了, 最大只能是 32766"},
      {head + "-1e20,2,10\n", "裝箱單第 2 行「from」欄的箱號太小了, 最小只能是 1"},
      {head + "0,2,10\n", "裝箱單第 2 行「from」欄的箱號 0 超出 1 到 32766 的範圍"},
      {head + "1,32767,10\n", "裝箱單第 2 行「to」欄的箱號 32767 超出 1 到 32766 的範圍"},
      {head + "1,99999999999999999999,10\n", "裝箱單第 2 行「to」欄的箱號太大了, 最大只能是 32766"},
      {head + "1,2,0\n",
       "裝箱單第 2 行「cartons per pallet」欄的每板箱數 0 超出 1 到 2147483647 的範圍"},
      {"起,迄,每板箱數\n1,10,5\n30,20,5\n", "裝箱單第 3 行「起」欄的箱號 30 比「迄」欄的 20 還大"},
      {"from,to,cartons per pallet,first pallet\n1,2,10,40000\n",
       "裝箱單第 2 行「first pallet」欄的板號 40000 超出 -32768 到 32767 的範圍"},
      {"from,to,cartons per pallet,first pallet\n1,10,1,32767\n11,12,1,\n",
       "裝箱單第 3 行: 接在上一個區段後面的起始板號 32777 超出 -32768 到 32767 的範圍, "
       "請在「起始板號」欄填入板號"},
      {"from,to,cartons per pallet,mixed\n1,2,10,maybe\n",
       "裝箱單第 2 行「mixed」欄的「maybe」看不懂, 請填 Yes 或 No"},
      {head + "1,2,10\n\"3,4,10\n", "裝箱單第 3 行的引號 (\") 沒有結束"},
      // The line of the file, not the row: a quoted line break moves the count on.
      {"note,from,to,cartons per pallet\n\"a\nb\",1,2,10\nx,5,4,10\n",
       "裝箱單第 4 行「from」欄的箱號 5 比「to」欄的 4 還大"},
      {many, "裝箱單有 99 個區段, 最多只能有 98 個"},
  };
  for (const auto& c : cases) {
    QString problem;
    EXPECT_FALSE(ParsePackingList(c.bytes, &problem)) << c.message;
    EXPECT_EQ(problem, QString::fromUtf8(c.message));
  }

  TempFolder folder;
  QString problem;
  EXPECT_FALSE(ReadPackingListFile(folder.path(), &problem));
  EXPECT_EQ(problem, QStringLiteral("無法匯入裝箱單「%1」: 這是一個資料夾, 不是檔案")
                         .arg(QFileInfo(folder.path()).fileName()));
}

TEST(PackingList, BlocksReplaceTheJobsWithTheRowsOfTheChosenBlock) {
  TempFolder folder;
  MainModel model;
  ScriptedPrompter prompter;
  model.work_dir = folder.path();
  MakeConsignment(model, prompter, {});
  ASSERT_EQ(model.block_count, 3);
  model.l_content[6] = QStringLiteral("ON SCREEN");  // typed into block 2, not stored yet
  const std::vector<PackedBlock> blocks{Block(1, 30, 10, 1), Block(31, 35, 5, 4, true)};
  // Block 1's rows unless told, or the remainder carton's own.
  for (const auto& [entry, row0] : {std::pair{1, "MADE IN TAIWAN"}, {4, "LAST CARTON"}}) {
    MainModel other = model;
    ApplyPackingList(other, blocks, entry);
    EXPECT_EQ(other.blocks[2].blk_content[0], QString::fromUtf8(row0)) << entry;
    EXPECT_EQ(other.blocks[2].blk_content[6], QString()) << entry;
  }

  ApplyPackingList(model, blocks, model.current_block);
  EXPECT_EQ(model.block_count, 2);
  EXPECT_EQ(model.current_block, 1);
  EXPECT_EQ(model.remainder_edited, 0);
  EXPECT_EQ(model.l_block, QStringLiteral("1"));
  EXPECT_EQ(model.l_block_list, (QStringList{"1", "2", kRemainderEntry}));
  EXPECT_EQ(model.l_end, QStringLiteral("30"));
  EXPECT_EQ(model.p_mix_box, QStringLiteral("No"));
  for (int entry = 1; entry <= 2; ++entry) {
    EXPECT_EQ(model.blocks[entry].blk_content[6], QStringLiteral("ON SCREEN")) << entry;
    EXPECT_EQ(model.blocks[entry].blk_content[1], model.l_content[1]) << entry;
    EXPECT_EQ(model.blocks[entry].blk_array[5], QStringLiteral("靠右")) << entry;
    EXPECT_EQ(model.blocks[entry].blk_size[5], RowSize::kBold) << entry;
  }
  EXPECT_EQ(model.blocks[2].blk_mix, QStringLiteral("Yes"));
  EXPECT_EQ(model.blocks[2].blk_p_start, 4);
  EXPECT_EQ(model.blocks[3].blk_end, 0) << "the old blocks are gone";
  EXPECT_EQ(model.blocks[4].blk_content[0], QString());

  // The remainder carton is set up afresh behind the new last block.
  model.l_block = kRemainderEntry;
  SelectBlock(model, prompter);
  EXPECT_EQ(model.current_block, 3);
  EXPECT_EQ(model.l_start, QStringLiteral("36"));
}

}  // namespace
