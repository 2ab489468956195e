#include "preview/run_summary.h"

#include <gtest/gtest.h>

#include "print/run_plan.h"
#include "support/temp_folder.h"
#include "support/test_barcodes.h"
#include "support/test_geometry.h"
#include "support/worked_example.h"

namespace {

class RunSummaryTest : public testing::Test {
 protected:
  RunSummaryTest() {
    model.work_dir = folder.path();
    SetUpWorkedExample(model);
  }

  QStringList Texts(int start_place = 1, int copies = 1) const {
    QStringList texts;
    for (const SummaryLine& line :
         RunSummary(model, RunPlan::Of(model), test_geometry::kA4Eight, start_place, copies)) {
      texts << line.text;
    }
    return texts;
  }

  TempFolder folder;
  MainModel model;
};

}  // namespace

TEST_F(RunSummaryTest, WorkedExample) {
  const QList<SummaryLine> lines = RunSummary(model, RunPlan::Of(model), test_geometry::kA4Eight);
  const QList<SummaryLine> expected{
      {SummaryLine::kTotal, QStringLiteral("共 40 張標籤, 印在 5 張標籤紙上 (每張 8 格)")},
      {SummaryLine::kBlock,
       QStringLiteral("第 1 區段: 箱號 1–25, 共 25 箱; 墊板 1–3; 從第 1 張第 1 格開始")},
      {SummaryLine::kBlock,
       QStringLiteral("第 2 區段: 箱號 26–40, 共 15 箱; 墊板 3–4, 其中 5 箱 (箱號 26–30) "
                      "併入前面區段的墊板 3; 從第 4 張第 2 格開始")},
      {SummaryLine::kAllClear, QStringLiteral("檢查: 每個區段都有標籤。")},
  };
  EXPECT_EQ(lines, expected);
  // From place 3 every block starts two places later; the run takes a sixth sheet, and two copies
  // twelve.
  const QStringList from_three = Texts(3, 2);
  EXPECT_EQ(from_three[0],
            QStringLiteral("共 40 張標籤, 印在 6 張標籤紙上 (每張 8 格), 2 份共 12 張"));
  EXPECT_TRUE(from_three[2].endsWith(u"從第 4 張第 4 格開始")) << from_three[2].toStdString();

  // With barcodes each block says what its first and last label encode, the remainder its own.
  model.barcode = TestBarcode(BarcodeKind::kCode128, QStringLiteral("PO-{C}"));
  model.blocks[3].blk_start = 99;
  model.l_last = QStringLiteral("Yes");
  const QStringList barcodes = Texts();
  EXPECT_TRUE(barcodes[1].endsWith(u"從第 1 張第 1 格開始; 條碼「PO-1」到「PO-25」"))
      << barcodes[1].toStdString();
  EXPECT_TRUE(barcodes[2].endsWith(u"; 條碼「PO-26」到「PO-40」")) << barcodes[2].toStdString();
  EXPECT_EQ(barcodes[3],
            QStringLiteral("尾數箱: 箱號 99; 墊板 0; 在第 6 張第 1 格; 條碼「PO-99」"));
}

TEST_F(RunSummaryTest, ChecksNameEmptyBlocksAndLeaveOverlapsToThePreflight) {
  // Block 1 changed to end at carton 30 while block 2 still starts at 26 (the preflight's to name);
  // a third block that ends before it begins; the remainder carton 99 on pallet 9.
  model.blocks[1].blk_end = 30;
  model.block_count = 3;
  model.blocks[3] = model.blocks[2];
  model.blocks[3].blk_start = 60;
  model.blocks[3].blk_end = 50;
  model.blocks[4].blk_start = 99;
  model.blocks[4].blk_p_start = 9;
  model.l_last = QStringLiteral("Yes");

  const QList<SummaryLine> lines = RunSummary(model, RunPlan::Of(model), test_geometry::kA4Eight);
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[0].text, QStringLiteral("共 46 張標籤, 印在 6 張標籤紙上 (每張 8 格)"));
  EXPECT_EQ(lines[3].text, QStringLiteral("第 3 區段: 沒有標籤"));
  EXPECT_EQ(lines[4], (SummaryLine{SummaryLine::kRemainder,
                                   QStringLiteral("尾數箱: 箱號 99; 墊板 9; 在第 6 張第 6 格")}));
  EXPECT_EQ(lines[5], (SummaryLine{SummaryLine::kWarning,
                                   QStringLiteral("注意: 第 3 區段的起始箱號 60 大於結束箱號 50, "
                                                  "這個區段不會印出標籤。")}));
  // The window shows the warnings set apart, the texts escaped.
  const QString html = SummaryHtml(lines);
  EXPECT_EQ(html.count(QStringLiteral("color:#b00000")), 1);
  EXPECT_EQ(SummaryHtml({{SummaryLine::kBlock, QStringLiteral("<A&B>")}}),
            QStringLiteral("<p>&lt;A&amp;B&gt;</p>"));
}
