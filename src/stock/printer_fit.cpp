#include "stock/printer_fit.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <cstdlib>

#include "model/prompter.h"
#include "print/printer_fits.h"

namespace {

// The pitch as the print run applies it: whole twips.
double PitchTwips(int hundredths) {
  return std::round(PaperMm(hundredths / 100.0).ToTwips().value());
}

// 4170 twips are 73.554 mm: shown as 73.55.
int TemplatePitchHundredths() {
  return int(std::lround(PaperMm::Of(Twips(PrinterFit::kTemplatePitchTwips)).value() * 100));
}

}  // namespace

StockFit PrinterFit::ToStockFit() const {
  StockFit fit;
  fit.offset = QPointF(PaperMm(offset_x_tenths / 10.0).ToTwips().value(),
                       PaperMm(offset_y_tenths / 10.0).ToTwips().value());
  // Whole twips, as the label arithmetic counts: a label picture's place is rounded to a twip, and
  // must step from page row to page row exactly as the texts do. (74.25 mm is 4209.4 twips; the
  // fourth page row ends up 0.02 mm higher.)
  if (pitch_hundredths) fit.pitch = PitchTwips(*pitch_hundredths);
  return fit;
}

PrinterFitTexts PrinterFitTexts::Of(const PrinterFit& fit) {
  return PrinterFitTexts{
      FixedPointText(fit.offset_x_tenths, 1), FixedPointText(fit.offset_y_tenths, 1),
      FixedPointText(fit.pitch_hundredths.value_or(TemplatePitchHundredths()), 2), fit.stock};
}

std::optional<PrinterFit> ReadPrinterFit(const PrinterFitTexts& texts, Prompter& prompter) {
  const auto offset = [&prompter](const QString& text, const QString& field) -> std::optional<int> {
    const std::optional<int> tenths = ReadFixedPoint(text, 1);
    if (tenths && std::abs(*tenths) <= PrinterFit::kMaxOffsetTenths) return tenths;
    prompter.Message(QCoreApplication::translate(
                         "PrinterFit",
                         "%1要填 -20.0 到 +20.0 之間的公釐數, 最多一位小數, 例如 -1.5。\n"
                         "這次沒有儲存, 原來的設定不變。")
                         .arg(field));
    return std::nullopt;
  };
  PrinterFit fit;
  const auto x = offset(texts.offset_x, QCoreApplication::translate("PrinterFit", "水平位移"));
  if (!x) return std::nullopt;
  const auto y = offset(texts.offset_y, QCoreApplication::translate("PrinterFit", "垂直位移"));
  if (!y) return std::nullopt;
  const std::optional<int> pitch = ReadFixedPoint(texts.pitch, 2);
  if (!pitch || *pitch < PrinterFit::kMinPitchHundredths ||
      *pitch > PrinterFit::kMaxPitchHundredths) {
    prompter.Message(QCoreApplication::translate(
        "PrinterFit",
        "每排標籤的距離要填 68.00 到 80.00 之間的公釐數, 最多兩位小數, 例如 74.25。\n"
        "這次沒有儲存, 原來的設定不變。"));
    return std::nullopt;
  }
  fit.offset_x_tenths = *x;
  fit.offset_y_tenths = *y;
  if (!texts.stock.isEmpty()) fit.stock = texts.stock;
  // 73.55 as shown, or 73.56 as the figure is often given: the template's own pitch, to the twip.
  if (PitchTwips(*pitch) != PrinterFit::kTemplatePitchTwips) fit.pitch_hundredths = *pitch;
  return fit;
}

std::optional<int> ReadFixedPoint(const QString& text, int decimals) {
  QString plain = text.normalized(QString::NormalizationForm_KC).trimmed();
  plain.replace(QChar(0x2212), u'-');
  static const QRegularExpression number(QStringLiteral(R"(^([+-]?)([0-9]*)(?:\.([0-9]*))?$)"));
  const QRegularExpressionMatch match = number.match(plain);
  if (!match.hasMatch()) return std::nullopt;
  const QString whole = match.captured(2);
  QString fraction = match.captured(3);
  if (whole.isEmpty() && fraction.isEmpty()) return std::nullopt;
  if (whole.size() > 6) return std::nullopt;
  for (qsizetype i = decimals; i < fraction.size(); ++i) {
    if (fraction[i] != u'0') return std::nullopt;
  }
  fraction = fraction.left(decimals).leftJustified(decimals, u'0');
  int value = whole.isEmpty() ? 0 : whole.toInt();
  for (QChar digit : fraction) value = value * 10 + digit.digitValue();
  return match.captured(1) == u"-" ? -value : value;
}

QString FixedPointText(int units, int decimals) {
  int scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const QString digits = QStringLiteral("%1.%2")
                             .arg(std::abs(units) / scale)
                             .arg(std::abs(units) % scale, decimals, 10, QChar(u'0'));
  return units < 0 ? u'-' + digits : digits;
}
