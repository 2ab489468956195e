#include "barcode/barcode_check.h"

#include <QCoreApplication>
#include <cmath>

#include "model/number_fields.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(Barcode)
};

// Millimetres on the label, as the user's placement fields count them, rounded up to a tenth so
// that moving by that much is enough.
QString LabelMmText(double twips) {
  return QString::number(std::ceil(LabelMm::Of(Twips(twips)).value() * 10.0) / 10.0, 'f', 1);
}

// The first character Code 128 cannot hold (it holds ISO 8859-1), or an empty text.
QString FirstNonLatin1(const QString& content) {
  for (char32_t code : content.toUcs4()) {
    if (code > 0xFF) return QString::fromUcs4(&code, 1);
  }
  return QString();
}

QString EncodeMessage(const BarcodeSettings& settings, const QString& content,
                      const EncodedSymbol& encoded, const QString& where) {
  const QString kind = KindDisplayName(settings.kind);
  switch (encoded.failure) {
    case EncodeFailure::kEmpty:
      return Text::tr("%1的標籤: 「%2」是空的, 沒有東西可以印成條碼。")
          .arg(where, ContentFieldName());
    case EncodeFailure::kInvalidCharacter: {
      const QString character =
          settings.kind == BarcodeKind::kCode128 ? FirstNonLatin1(content) : QString();
      if (!character.isEmpty()) {
        return Text::tr(
                   "%1的標籤: 「%2」的「%3」裡有 %4 不能印的字「%5」。%4 只能印英文字母、數字和"
                   "符號; 要印中文請改用 QR 碼。")
            .arg(where, ContentFieldName(), content, kind, character);
      }
      return Text::tr("%1的標籤: 「%2」的「%3」裡有 %4 不能印的字。")
          .arg(where, ContentFieldName(), content, kind);
    }
    case EncodeFailure::kTooLong:
      return Text::tr("%1的標籤: 「%2」太長了, %3 放不下「%4」。")
          .arg(where, ContentFieldName(), kind, content);
    case EncodeFailure::kNone:
    case EncodeFailure::kOther:
      break;
  }
  return Text::tr("%1的標籤: 「%2」的「%3」無法印成 %4 (%5)。")
      .arg(where, ContentFieldName(), content, kind, encoded.detail);
}

}  // namespace

QPointF SymbolOffset(const BarcodeSettings& settings) {
  return QPointF(Fix(LabelMm(settings.left_mm).ToTwips().value()),
                 Fix(LabelMm(settings.top_mm).ToTwips().value()));
}

std::optional<QString> CheckBarcode(const BarcodeSettings& settings, const QString& content,
                                    const BarcodeLabel& label, const LabelGrid& grid,
                                    BarcodeEncoder& encoder, const PrinterDots& dots) {
  if (settings.kind == BarcodeKind::kNone) return std::nullopt;
  return CheckEncodedBarcode(settings, content, encoder.Encode(settings, content, dots), label,
                             grid);
}

std::optional<QString> CheckEncodedBarcode(const BarcodeSettings& settings, const QString& content,
                                           const EncodedSymbol& encoded, const BarcodeLabel& label,
                                           const LabelGrid& grid) {
  if (settings.kind == BarcodeKind::kNone) return std::nullopt;
  // Named only when something is wrong: a run checks thousands of labels that are not.
  if (!encoded.symbol) return EncodeMessage(settings, content, encoded, LabelName(label));

  const QPointF offset = SymbolOffset(settings);
  const bool linear = IsLinear(settings.kind);
  const double past_right = offset.x() + encoded.symbol->width - grid.width().value();
  if (past_right > 0) {
    const QString fields = linear
                               ? Text::tr("請把「%1」或「%2」調小, 或縮短「%3」。")
                                     .arg(LeftFieldName(), ModuleFieldName(), ContentFieldName())
                               : Text::tr("請把「%1」或「%2」調小, 或縮短「%3」。")
                                     .arg(LeftFieldName(), HeightFieldName(), ContentFieldName());
    return Text::tr("%1的標籤: 條碼 (連同兩旁的空白區) 超出標籤右邊 %2 公釐。%3")
        .arg(LabelName(label), LabelMmText(past_right), fields);
  }
  const double past_bottom = offset.y() + encoded.symbol->height - grid.page_row_pitch().value();
  if (past_bottom > 0) {
    return Text::tr("%1的標籤: 條碼超出這一列標籤的下邊 %2 公釐。請把「%3」或「%4」調小。")
        .arg(LabelName(label), LabelMmText(past_bottom), TopFieldName(), HeightFieldName());
  }
  return std::nullopt;
}

std::optional<QString> CheckLabelBarcode(const BarcodeSettings& settings, const BarcodeLabel& label,
                                         const LabelGrid& grid, BarcodeEncoder& encoder,
                                         const PrinterDots& dots) {
  if (settings.kind == BarcodeKind::kNone) return std::nullopt;
  const QString problem = SettingsProblem(settings);
  if (!problem.isEmpty()) return Text::tr("%1的標籤: %2").arg(LabelName(label), problem);
  const BarcodeContent content = ComposeContent(settings, label);
  if (!content.error.isEmpty()) return content.error;
  return CheckBarcode(settings, content.text, label, grid, encoder, dots);
}
