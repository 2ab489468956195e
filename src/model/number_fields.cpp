#include "model/number_fields.h"

#include <cmath>
#include <limits>

namespace {

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// A Chinese input method in full-width mode types the digits, the signs and the point as their
// full-width forms; they stand for the same number.
QString AsciiNumberCharacters(const QString& text) {
  QString ascii = text;
  for (QChar& c : ascii) {
    const char16_t u = c.unicode();
    if (u >= u'\uFF10' && u <= u'\uFF19') {
      c = QChar(u'0' + (u - u'\uFF10'));
    } else if (u == u'\uFF0B') {
      c = u'+';
    } else if (u == u'\uFF0D') {
      c = u'-';
    } else if (u == u'\uFF0E') {
      c = u'.';
    }
  }
  return ascii;
}

// The value of a number too large or too small for a double: ±infinity when its first significant
// digit stands `order` places left of the point (so it fits no integer type and compares above
// every typed number), otherwise ±0.
double OutOfRange(const QByteArray& number) {
  const bool negative = number.startsWith('-');
  const qsizetype exponent_at = number.indexOf('e');
  const QByteArray mantissa = exponent_at < 0 ? number : number.left(exponent_at);
  int64_t exponent = 0;
  if (exponent_at >= 0) {
    const QByteArray written = number.mid(exponent_at + 1);
    const bool down = written.startsWith('-');
    for (char c : written) {
      if (c < '0' || c > '9') continue;
      // Far beyond any double; counting on would only overflow the counter.
      if (exponent < 1'000'000) exponent = exponent * 10 + (c - '0');
    }
    if (down) exponent = -exponent;
  }
  const qsizetype point = mantissa.contains('.') ? mantissa.indexOf('.') : mantissa.size();
  int64_t order = 0;
  bool significant = false;
  for (qsizetype i = 0; i < mantissa.size(); ++i) {
    const char c = mantissa[i];
    if (c < '1' || c > '9') continue;
    // Places left of the point of the first digit that is not 0.
    order = i < point ? point - i : point - i + 1;
    significant = true;
    break;
  }
  const double magnitude =
      significant && order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -magnitude : magnitude;
}

// Reads a number from the start of `text` (after blanks, which may also stand between its
// characters). Sets `consumed` to the index just past the last character that belonged to it.
std::optional<double> ReadNumber(const QString& typed, qsizetype& consumed) {
  const QString text = AsciiNumberCharacters(typed);
  QByteArray digits;
  qsizetype i = 0;
  const qsizetype n = text.size();
  auto skip_blanks = [&] {
    while (i < n && IsBlank(text[i])) ++i;
  };
  skip_blanks();
  if (i < n && (text[i] == u'+' || text[i] == u'-')) {
    digits += char(text[i].unicode());
    ++i;
    skip_blanks();
  }
  bool any_digit = false;
  while (i < n && (IsDigit(text[i]) || IsBlank(text[i]))) {
    if (IsDigit(text[i])) {
      digits += char(text[i].unicode());
      any_digit = true;
    }
    ++i;
  }
  if (i < n && text[i] == u'.') {
    digits += '.';
    ++i;
    while (i < n && (IsDigit(text[i]) || IsBlank(text[i]))) {
      if (IsDigit(text[i])) {
        digits += char(text[i].unicode());
        any_digit = true;
      }
      ++i;
    }
  }
  if (!any_digit) return std::nullopt;
  consumed = i;
  // An exponent counts only when digits follow it: "1e" is 1, "1e3" is 1000.
  if (i < n && (text[i] == u'e' || text[i] == u'E' || text[i] == u'd' || text[i] == u'D')) {
    qsizetype j = i + 1;
    QByteArray exponent = "e";
    if (j < n && (text[j] == u'+' || text[j] == u'-')) exponent += char(text[j++].unicode());
    bool exponent_digit = false;
    while (j < n && IsDigit(text[j])) {
      exponent += char(text[j++].unicode());
      exponent_digit = true;
    }
    if (exponent_digit) {
      digits += exponent;
      consumed = j;
    }
  }
  bool ok = false;
  const double value = digits.toDouble(&ok);
  if (!ok) return OutOfRange(digits);
  return value;
}

template <typename Int>
std::optional<Int> RoundTo(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  // nearbyint rounds halves to even under the default rounding mode.
  const double rounded = std::nearbyint(value);
  if (rounded < double(std::numeric_limits<Int>::min()) ||
      rounded > double(std::numeric_limits<Int>::max())) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double LeadingNumber(const QString& text) {
  qsizetype consumed = 0;
  return ReadNumber(text, consumed).value_or(0.0);
}

bool BeginsWithNumber(const QString& text) {
  qsizetype consumed = 0;
  return ReadNumber(text, consumed).has_value();
}

std::optional<double> WholeNumber(const QString& text) {
  const QString trimmed = text.trimmed();
  for (QChar c : trimmed) {
    if (IsBlank(c)) return std::nullopt;
  }
  qsizetype consumed = 0;
  const auto value = ReadNumber(trimmed, consumed);
  if (!value || consumed != trimmed.size()) return std::nullopt;
  return value;
}

std::optional<int32_t> RoundToInt32(double value) { return RoundTo<int32_t>(value); }

std::optional<int16_t> RoundToInt16(double value) { return RoundTo<int16_t>(value); }

double Fix(double value) { return std::trunc(value); }
