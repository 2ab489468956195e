#include "print/label_layout.h"

#include <cstdint>
#include <initializer_list>

#include "model/display_width.h"
#include "model/number_fields.h"
#include "print/picture_file.h"

namespace {

bool StartsWithAny(const QString& text, std::initializer_list<const char16_t*> words) {
  for (const char16_t* word : words) {
    if (text.startsWith(QStringView(word))) return true;
  }
  return false;
}

bool FitsInt16(double value) { return value >= -32768.0 && value <= 32767.0; }

}  // namespace

int StartColumn(const QString& text, const QString& alignment, int base, int line_width,
                const QString& keyword_text, int magnification) {
  if (alignment == u"靠左") return base + 2;
  const int width = DisplayWidth(text) * magnification;
  if (alignment == u"靠右") return line_width + base - width;
  const int middle = int(Fix((line_width + 1) / 2.0));
  if (StartsWithAny(keyword_text, {u"P/NO.", u"C/NO."})) return middle + base - 4;
  if (StartsWithAny(keyword_text, {u"Q'TY :", u"SIZE :", u"G.WT.:", u"N.WT.:"})) {
    return middle + base - 10;
  }
  return int(Fix((line_width - width + 1) / 2.0)) + base;
}

std::optional<QRectF> LabelPictureRect(const PictureSettings& settings, int natural_width,
                                       int natural_height) {
  if (natural_width <= 0 || !FitsInt16(natural_width) || !FitsInt16(natural_height)) {
    return std::nullopt;
  }
  const std::optional<int16_t> width = RoundToInt16(LeadingNumber(settings.pic_size) * kTwipsPerMm);
  if (!width || *width <= 0) return std::nullopt;
  const double left = Fix(LeadingNumber(settings.pic_d_left) * kTwipsPerMm);
  const double top = Fix(LeadingNumber(settings.pic_d_top) * kTwipsPerMm);
  if (!FitsInt16(left) || !FitsInt16(top)) return std::nullopt;
  const double height = Fix(double(*width) / natural_width * natural_height);
  return QRectF(left, top, *width, height);
}
