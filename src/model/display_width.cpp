#include "model/display_width.h"

#include <QStringDecoder>
#include <bitset>
#include <memory>

namespace {

// The BMP characters that code page 950 stores in two bytes, built once from the code page's own
// double-byte range so it agrees with the decoder that reads history files.
const std::bitset<0x10000>& Big5DoubleByte() {
  static const std::unique_ptr<std::bitset<0x10000>> table = [] {
    auto bits = std::make_unique<std::bitset<0x10000>>();
    QStringDecoder decoder("windows-950", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) decoder = QStringDecoder("Big5", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) return bits;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
      for (int trail = 0x40; trail <= 0xFE; ++trail) {
        if (trail > 0x7E && trail < 0xA1) continue;
        const char pair[2] = {char(lead), char(trail)};
        const QString decoded = decoder.decode(QByteArrayView(pair, 2));
        if (decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter) {
          bits->set(decoded[0].unicode());
        }
      }
    }
    return bits;
  }();
  return *table;
}

// East Asian Wide and Fullwidth ranges, for characters that Big5 has no code for.
bool IsWide(char32_t c) {
  struct Range {
    char32_t first, last;
  };
  static constexpr Range kWide[] = {
      {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2329, 0x232A},   {0x23E9, 0x23EC},
      {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},   {0x4E00, 0x9FFF},
      {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
      {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},
      {0x16FE0, 0x16FE4}, {0x17000, 0x18CFF}, {0x1B000, 0x1B2FF}, {0x1F004, 0x1F004},
      {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F200, 0x1F251}, {0x1F300, 0x1F64F},
      {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
  };
  for (const Range& r : kWide) {
    if (c < r.first) return false;
    if (c <= r.last) return true;
  }
  return false;
}

}  // namespace

int CharWidth(char32_t code_point) {
  if (code_point < 0x80) return 1;
  if (code_point < 0x10000 && Big5DoubleByte().test(code_point)) return 2;
  return IsWide(code_point) ? 2 : 1;
}

int DisplayWidth(QStringView text) {
  int width = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    width += CharWidth(c);
  }
  return width;
}
