#include "print/print_options.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(PrintOptions)
};

// A whole number, blanks around it allowed; full-width digits and minus signs count as their
// ASCII twins, as a Chinese input method types them.
std::optional<int64_t> Integer(const QString& text) {
  bool ok = false;
  const qlonglong value =
      text.normalized(QString::NormalizationForm_KC).trimmed().toLongLong(&ok, 10);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace

std::pair<int64_t, int64_t> CartonSpan(const RunPlan& plan) {
  int64_t lowest = std::numeric_limits<int64_t>::max();
  int64_t highest = std::numeric_limits<int64_t>::min();
  for (const PlannedBlock& block : plan.blocks()) {
    if (block.pallets.cartons == 0) continue;
    lowest = std::min(lowest, block.first_carton);
    highest = std::max(highest, block.first_carton + block.pallets.cartons - 1);
  }
  if (lowest > highest) return {0, 0};
  return {lowest, highest};
}

PrintOptionsRead ReadPrintOptions(const PrintOptionTexts& texts, const RunPlan& plan,
                                  const SheetShape& shape) {
  PrintOptionsRead read;
  if (plan.label_count() == 0) {
    read.message = Text::tr("這次的區段裡沒有任何箱子, 沒有標籤可以印。");
    return read;
  }
  const int places = shape.places();
  const std::optional<int64_t> start = Integer(texts.start);
  if (!start || *start < 1 || *start > places) {
    read.message = Text::tr(
                       "「起始位置」要填 1 到 %1: 第一張標籤紙上從第幾格開始印, "
                       "由左到右、由上到下數。")
                       .arg(places);
    return read;
  }
  const std::optional<int64_t> copies = Integer(texts.copies);
  if (!copies || *copies < 1 || *copies > kMaxCopies) {
    read.message = Text::tr("「份數」要填 1 到 %1 之間的數字。").arg(kMaxCopies);
    return read;
  }

  PrintOptions options;
  options.copies = int(*copies);
  options.collate = texts.collate;
  options.choice.kind = texts.kind;
  options.choice.start_place = int(*start);
  if (texts.kind != PrintChoice::kWholeRun) {
    const std::optional<int64_t> from = Integer(texts.from);
    const std::optional<int64_t> to = Integer(texts.to);
    if (texts.kind == PrintChoice::kSheets) {
      const int64_t sheets =
          PrintLayout(plan, PrintChoice{PrintChoice::kWholeRun, 0, 0, int(*start)}, shape).sheets();
      if (!from || !to || *from < 1 || *to > sheets || *from > *to) {
        read.message = Text::tr(
                           "「預覽中的第 … 到 … 張」要填 1 到 %1 之間的張數, 前面的不能大於後面"
                           "的: 從第 %2 格開始, 整份預覽共 %1 張標籤紙。")
                           .arg(sheets)
                           .arg(*start);
        return read;
      }
      options.choice.from = *from;
      options.choice.to = *to;
    } else {
      const auto [lowest, highest] = CartonSpan(plan);
      if (!from || !to || *from > *to) {
        read.message = Text::tr(
                           "「箱號 … 到 …」要填兩個箱號, 前面的不能大於後面的: "
                           "這次的箱號從 %1 到 %2。")
                           .arg(lowest)
                           .arg(highest);
        return read;
      }
      options.choice.from = *from;
      options.choice.to = *to;
      if (PrintLayout(plan, options.choice, shape).label_count() == 0) {
        read.message = Text::tr(
                           "「箱號 … 到 …」: 箱號 %1 到 %2 之間沒有任何標籤, "
                           "這次的箱號從 %3 到 %4。")
                           .arg(*from)
                           .arg(*to)
                           .arg(lowest)
                           .arg(highest);
        return read;
      }
    }
  }
  read.options = options;
  return read;
}

std::optional<RangeTexts> SplitRange(const QString& text) {
  static const QRegularExpression range(
      QStringLiteral(R"(^\s*([-+]?\d+)\s*(?:(?:-|–|~|到)\s*([-+]?\d+)\s*)?$)"));
  const QRegularExpressionMatch match = range.match(text.normalized(QString::NormalizationForm_KC));
  if (!match.hasMatch()) return std::nullopt;
  const QString from = match.captured(1);
  const QString to = match.hasCaptured(2) ? match.captured(2) : from;
  return RangeTexts{from, to};
}
