// Throws arbitrary text at the number fields' reading: it must never crash, never give NaN, and
// keep the rules the fields rely on.

#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model/number_fields.h"

namespace {

void Require(bool condition, const char* rule, const QString& text) {
  if (condition) return;
  std::fprintf(stderr, "rule broken: %s\ntext: %s\n", rule, text.toUtf8().constData());
  std::abort();
}

bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// The text as a Chinese input method in full-width mode would type it.
QString FullWidth(const QString& text) {
  QString wide = text;
  for (QChar& c : wide) {
    if (c >= u'0' && c <= u'9') c = QChar(0xFF10 + (c.unicode() - u'0'));
    if (c == u'+') c = QChar(0xFF0B);
    if (c == u'-') c = QChar(0xFF0D);
    if (c == u'.') c = QChar(0xFF0E);
  }
  return wide;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte chooses how the rest is read, so both encodings of a field's text are reached.
  if (size == 0) return 0;
  const char* bytes = reinterpret_cast<const char*>(data + 1);
  const qsizetype length = qsizetype(size - 1);
  const QString text =
      data[0] & 1 ? QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes), length / 2)
                  : QString::fromUtf8(bytes, length);

  const double leading = LeadingNumber(text);
  Require(!std::isnan(leading), "a leading number is never NaN", text);
  if (!BeginsWithNumber(text)) Require(leading == 0, "no number reads as 0", text);

  const std::optional<double> whole = WholeNumber(text);
  if (whole) {
    Require(Same(*whole, LeadingNumber(text.trimmed())), "a whole number is its leading number",
            text);
  }
  Require(Same(LeadingNumber(FullWidth(text)), leading), "full-width forms read the same", text);

  // A value that does not fit is refused, never wrapped round.
  if (const auto rounded = RoundToInt32(leading)) {
    Require(std::abs(*rounded - leading) <= 0.5, "rounding stays within a half", text);
  } else {
    Require(std::isinf(leading) || std::abs(leading) > 2147483647.0, "only a big number is refused",
            text);
  }
  if (const auto rounded = RoundToInt16(leading)) {
    Require(std::abs(*rounded - leading) <= 0.5, "16-bit rounding stays within a half", text);
  }
  return 0;
}
