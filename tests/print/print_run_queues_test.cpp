// The print button's check of the printable area, on the areas the print system reports for the
// test queues that scripts/test-printer sets up.

#include <gtest/gtest.h>

#include <QPrinterInfo>

#include "print/print_run_fixture.h"
#include "print/qt_print_target.h"

namespace {

// A print target whose printable area is the one the print system reports for a real queue.
class QueueAreaTarget : public RecordingTarget {
 public:
  QRectF PrintableArea(const PrintDestination& destination) const override {
    return QtPrintTarget().PrintableArea(destination);
  }
};

}  // namespace

TEST_F(PrintRunTest, FitCheckOnTheTestQueuesPrintableAreas) {
  // The areas come from the PPDs of the queues that scripts/test-printer sets up.
  const struct {
    const char* queue;
    QRectF area;  // printable area, points from the paper's top-left corner
    const char* question;
  } cases[] = {
      {"MARGIN4MM", {12, 12, 571, 818}, nullptr},
      {"LABELS", {18, 36, 559, 770}, "第 1 張紙第 4 排左邊的標籤的第 16 行超出下緣 16.8 公釐"},
      // Qt keeps a margin of 10 points where a printer could print to the paper's edge.
      {"FULLPAGE", {10, 10, 575, 822}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.queue);
    const QString queue = QString::fromLatin1(c.queue);
    if (!QPrinterInfo::availablePrinterNames().contains(queue))
      GTEST_SKIP() << "No queue " << c.queue
                   << ": start the test printers with scripts/test-printer.";
    Reset();
    SetBlocks({{1, 8, 10, 1}});
    model.blocks[1].blk_content[15] = QStringLiteral("MADE IN TAIWAN");
    LoadBlock(model, 1);
    QueueAreaTarget queue_target;
    queue_target.default_printer = queue;
    queue_target.printers = {queue};
    const QRectF area = queue_target.PrintableArea({queue, {}, 1, {}});
    EXPECT_NEAR(area.left() / 20, c.area.left(), 0.1);
    EXPECT_NEAR(area.top() / 20, c.area.top(), 0.1);
    EXPECT_NEAR(area.width() / 20, c.area.width(), 0.1);
    EXPECT_NEAR(area.height() / 20, c.area.height(), 0.1);

    prompter.answers = {false};
    EXPECT_EQ(PrintButton(model, prompter, queue_target, queue_target, fits), !c.question);
    if (c.question) {
      ASSERT_EQ(prompter.warnings.size(), 1);
      EXPECT_TRUE(prompter.questions[0].contains(u"印表機「LABELS」可以列印的範圍"));
      EXPECT_EQ(prompter.warnings[0].first(), QString::fromUtf8(c.question))
          << prompter.questions[0].toStdString();
      EXPECT_TRUE(queue_target.opened.isEmpty());
    } else {
      EXPECT_TRUE(prompter.questions.isEmpty()) << prompter.questions.join(u'\n').toStdString();
      EXPECT_EQ(queue_target.destinations.size(), 1);
    }
  }
}
