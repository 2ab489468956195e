#include "preview/run_summary.h"

#include <QCoreApplication>

#include "model/main_model.h"
#include "print/run_plan.h"

namespace {

// The summary's texts are translated in the context RunSummary.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(RunSummary)
};

// "26–40", or "46" for a range of one.
QString Span(int64_t from, int64_t to) {
  return from == to ? QString::number(from) : QStringLiteral("%1–%2").arg(from).arg(to);
}

QString Where(const PrintLayout& layout, int64_t label) {
  const std::optional<PrintLayout::Place> place = layout.PlaceOfLabel(label);
  if (!place) return {};
  return Text::tr("第 %1 張第 %2 格").arg(place->sheet).arg(place->InSheet(layout.shape()) + 1);
}

// "; 條碼「1」到「25」": what the block's first and last labels encode, when the job has barcodes.
QString BarcodeSpan(const RunPlan& plan, const PlannedBlock& block) {
  if (plan.barcode().kind == BarcodeKind::kNone || block.pallets.cartons == 0) return {};
  const QString first = plan.Label(block.first_label).barcode;
  const QString last = plan.Label(block.first_label + block.pallets.cartons - 1).barcode;
  if (first == last) return Text::tr("; 條碼「%1」").arg(first);
  return Text::tr("; 條碼「%1」到「%2」").arg(first, last);
}

QString BlockLine(const PlannedBlock& block, const PrintLayout& layout) {
  const BlockPallets& pallets = block.pallets;
  if (pallets.cartons == 0) return Text::tr("第 %1 區段: 沒有標籤").arg(block.block);
  const int64_t last = block.first_carton + pallets.cartons - 1;
  QString text = Text::tr("第 %1 區段: 箱號 %2, 共 %3 箱; 墊板 %4")
                     .arg(block.block)
                     .arg(Span(block.first_carton, last))
                     .arg(pallets.cartons)
                     .arg(Span(pallets.LowestPallet(), pallets.HighestPallet()));
  if (pallets.carried > 0) {
    text += Text::tr(", 其中 %1 箱 (箱號 %2) 併入前面區段的墊板 %3")
                .arg(pallets.carried)
                .arg(Span(block.first_carton, block.first_carton + pallets.carried - 1))
                .arg(pallets.carry_pallet);
  }
  return text + Text::tr("; 從%1開始").arg(Where(layout, block.first_label)) +
         BarcodeSpan(layout.plan(), block);
}

// ", 2 份共 12 張": the sheets of all the copies, when there are more than one.
QString CopiesSpan(int64_t sheets, int copies) {
  if (copies <= 1) return {};
  return Text::tr(", %1 份共 %2 張").arg(copies).arg(sheets * copies);
}

}  // namespace

QList<SummaryLine> RunSummary(const MainModel& model, const RunPlan& plan, const SheetShape& shape,
                              int start_place, int copies) {
  const PrintLayout layout(plan, PrintChoice{PrintChoice::kWholeRun, 0, 0, start_place}, shape);
  QList<SummaryLine> lines;
  lines << SummaryLine{SummaryLine::kTotal,
                       Text::tr("共 %1 張標籤, 印在 %2 張標籤紙上 (每張 %3 格)")
                               .arg(plan.label_count())
                               .arg(layout.sheets())
                               .arg(shape.places()) +
                           CopiesSpan(layout.sheets(), copies)};
  for (const PlannedBlock& block : plan.blocks()) {
    if (block.remainder) {
      const QString text = Text::tr("尾數箱: 箱號 %1; 墊板 %2; 在%3")
                               .arg(block.first_carton)
                               .arg(block.pallets.first_pallet)
                               .arg(Where(layout, block.first_label));
      lines << SummaryLine{SummaryLine::kRemainder, text + BarcodeSpan(plan, block)};
    } else {
      lines << SummaryLine{SummaryLine::kBlock, BlockLine(block, layout)};
    }
  }

  // Blocks that share cartons are the preflight's to name, with its other problems.
  const qsizetype before_checks = lines.size();
  for (const PlannedBlock& block : plan.blocks()) {
    const BlockEntry& entry = model.blocks[block.block];
    if (block.remainder || entry.blk_start <= entry.blk_end) continue;
    lines << SummaryLine{
        SummaryLine::kWarning,
        Text::tr("注意: 第 %1 區段的起始箱號 %2 大於結束箱號 %3, 這個區段不會印出標籤。")
            .arg(block.block)
            .arg(entry.blk_start)
            .arg(entry.blk_end)};
  }
  if (lines.size() == before_checks) {
    lines << SummaryLine{SummaryLine::kAllClear, Text::tr("檢查: 每個區段都有標籤。")};
  }
  return lines;
}

QString LayoutSummary(const PrintLayout& layout, int copies) {
  return Text::tr("這次列印 %1 張標籤, 共 %2 張標籤紙")
             .arg(layout.label_count())
             .arg(layout.sheets()) +
         CopiesSpan(layout.sheets(), copies);
}

QString SummaryHtml(const QList<SummaryLine>& lines) {
  QString html;
  for (const SummaryLine& line : lines) {
    const QString text = line.text.toHtmlEscaped();
    switch (line.kind) {
      case SummaryLine::kTotal:
        html += QStringLiteral("<p><b>%1</b></p>").arg(text);
        break;
      case SummaryLine::kWarning:
        html += QStringLiteral("<p style=\"color:#b00000\"><b>%1</b></p>").arg(text);
        break;
      case SummaryLine::kAllClear:
        html += QStringLiteral("<p style=\"color:#006000\">%1</p>").arg(text);
        break;
      default:
        html += QStringLiteral("<p>%1</p>").arg(text);
        break;
    }
  }
  return html;
}
