#include "barcode/barcode_content.h"

#include <QCoreApplication>

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(Barcode)
};

constexpr int kSsccBodyDigits = 17;  // without the check digit

// 10^digits, for digits up to 18.
int64_t PowerOfTen(int digits) {
  int64_t power = 1;
  for (int i = 0; i < digits; ++i) power *= 10;
  return power;
}

}  // namespace

QString LabelName(const BarcodeLabel& label) {
  if (label.remainder) return Text::tr("尾數箱");
  return Text::tr("第 %1 區段第 %2 箱").arg(label.block).arg(label.carton);
}

QString ExpandTemplate(const QString& content_template, const BarcodeLabel& label) {
  QString out;
  out.reserve(content_template.size() + 16);
  const qsizetype n = content_template.size();
  for (qsizetype i = 0; i < n; ++i) {
    if (content_template[i] == u'{' && i + 2 < n && content_template[i + 2] == u'}') {
      const char16_t key = content_template[i + 1].toUpper().unicode();
      if (key == u'C' || key == u'P' || key == u'B') {
        out += QString::number(key == u'C'   ? label.carton
                               : key == u'P' ? label.pallet
                                             : int64_t(label.block));
        i += 2;
        continue;
      }
    }
    out += content_template[i];
  }
  return out;
}

int Gs1CheckDigit(QStringView digits) {
  if (digits.isEmpty()) return -1;
  int sum = 0;
  int weight = 3;  // the rightmost digit weighs 3
  for (qsizetype i = digits.size() - 1; i >= 0; --i) {
    const QChar c = digits[i];
    if (c < u'0' || c > u'9') return -1;
    sum += (c.unicode() - u'0') * weight;
    weight = 4 - weight;
  }
  return (10 - sum % 10) % 10;
}

int SerialDigits(int prefix_digits) { return kSsccBodyDigits - 1 - prefix_digits; }

std::optional<QString> ComposeSscc(int extension, const QString& company_prefix, int64_t carton) {
  if (extension < 0 || extension > 9 || !IsCompanyPrefix(company_prefix)) return std::nullopt;
  const int serial_digits = SerialDigits(int(company_prefix.size()));
  if (carton < 0 || carton >= PowerOfTen(serial_digits)) return std::nullopt;
  QString body = QString::number(extension) + company_prefix +
                 QStringLiteral("%1").arg(carton, serial_digits, 10, QLatin1Char('0'));
  body += QString::number(Gs1CheckDigit(body));
  return body;
}

BarcodeContent ComposeContent(const BarcodeSettings& settings, const BarcodeLabel& label) {
  switch (settings.kind) {
    case BarcodeKind::kNone:
      return {};
    case BarcodeKind::kCode128:
    case BarcodeKind::kQrCode:
      return {ExpandTemplate(settings.content_template, label), QString()};
    case BarcodeKind::kSscc:
      break;
  }
  const QString where = LabelName(label);
  if (settings.sscc_extension < 0 || settings.sscc_extension > 9) {
    return {QString(),
            Text::tr("%1的標籤: 「%2」要填一位數字 (0 到 9)。").arg(where, ExtensionFieldName())};
  }
  if (!IsCompanyPrefix(settings.company_prefix)) {
    return {QString(), Text::tr("%1的標籤: 「%2」要填 %3 到 %4 位數字, 現在是「%5」。")
                           .arg(where, PrefixFieldName())
                           .arg(kMinPrefixDigits)
                           .arg(kMaxPrefixDigits)
                           .arg(settings.company_prefix)};
  }
  const std::optional<QString> sscc =
      ComposeSscc(settings.sscc_extension, settings.company_prefix, label.carton);
  if (!sscc) {
    const int serial_digits = SerialDigits(int(settings.company_prefix.size()));
    return {QString(),
            Text::tr("%1的標籤: 箱號 %2 放不進 SSCC 的序號。「%3」是 %4 位數字時, 序號只有 %5 位, "
                     "箱號要在 0 到 %6 之間。")
                .arg(where)
                .arg(label.carton)
                .arg(PrefixFieldName())
                .arg(settings.company_prefix.size())
                .arg(serial_digits)
                .arg(PowerOfTen(serial_digits) - 1)};
  }
  return {QStringLiteral("(00)") + *sscc, QString()};
}
