#include "preview/preview_drawing.h"

#include "model/display_width.h"
#include "model/fonts.h"
#include "model/main_model.h"
#include "model/number_fields.h"
#include "picture/picture_settings.h"
#include "print/surface.h"

namespace {

// Leading and trailing blanks off; other white space counts as text.
QString TrimBlanks(const QString& text) {
  qsizetype first = 0;
  qsizetype last = text.size();
  while (first < last && text[first] == u' ') ++first;
  while (last > first && text[last - 1] == u' ') --last;
  return text.mid(first, last - first);
}

bool StartsWithAny(const QString& text, std::initializer_list<const char16_t*> prefixes) {
  for (const char16_t* prefix : prefixes) {
    if (text.startsWith(QStringView(prefix))) return true;
  }
  return false;
}

bool FitsInt16(double value) { return value >= -32768.0 && value <= 32767.0; }

}  // namespace

PreviewLabel PreviewLabel::Of(const MainModel& model) {
  PreviewLabel label;
  for (int i = 0; i < kRows; ++i) {
    label.l_content[i] = model.l_content[i];
    label.l_array[i] = model.l_array[i];
  }
  label.pic_file_name = model.pic_file_name;
  label.pic_size = model.pic_size;
  label.pic_d_left = model.pic_d_left;
  label.pic_d_top = model.pic_d_top;
  return label;
}

int PreviewColumn(const QString& text, const QString& alignment) {
  const int width = DisplayWidth(text);
  const QString word = TrimBlanks(alignment);
  if (word == u"靠左") return 2;
  if (word == u"靠右") return PreviewLabel::kLineWidth - width;
  // The keyword rows start in fixed columns so their values line up from label to label, however
  // the user spaced them.
  const QString trimmed = TrimBlanks(text);
  if (StartsWithAny(trimmed, {u"P/NO.", u"C/NO."})) return (PreviewLabel::kLineWidth + 1) / 2 - 4;
  if (StartsWithAny(trimmed, {u"Q'TY :", u"SIZE :", u"G.WT.:", u"N.WT.:"})) {
    return (PreviewLabel::kLineWidth + 1) / 2 - 10;
  }
  return int(Fix((PreviewLabel::kLineWidth - width + 1) / 2.0));
}

std::optional<QRectF> PreviewPictureRect(const PreviewLabel& label, int natural_width,
                                         int natural_height) {
  if (natural_width <= 0 || !FitsInt16(natural_width) || !FitsInt16(natural_height)) {
    return std::nullopt;
  }
  const std::optional<int16_t> width = RoundToInt16(LeadingNumber(label.pic_size) * kTwipsPerMm);
  const double x = Fix(LeadingNumber(label.pic_d_left) * kTwipsPerMm);
  const double y = Fix(LeadingNumber(label.pic_d_top) * kTwipsPerMm);
  // A width of nothing or less has no picture to show (a negative one would come out mirrored).
  if (!width || *width <= 0 || !FitsInt16(x) || !FitsInt16(y)) return std::nullopt;
  const double height = Fix(double(*width) / natural_width * natural_height);
  return QRectF(x, y, *width, height);
}

void DrawPreview(const PreviewLabel& label, Surface& surface) {
  surface.SetFont(kMingFont, 12, false);
  surface.SetX(0);
  surface.SetY(0);
  for (int row = 0; row < PreviewLabel::kRows; ++row) {
    const QString& text = label.l_content[row];
    surface.PrintAtColumn(PreviewColumn(text, label.l_array[row]), text, true);
  }

  if (label.pic_file_name.isEmpty()) return;
  const std::optional<Picture> picture = LoadPicture(label.pic_file_name);
  if (!picture || picture->IsEmpty()) return;
  const std::optional<QRectF> rect = PreviewPictureRect(label, picture->width, picture->height);
  if (!rect) return;
  surface.DrawPicture(*picture, rect->x(), rect->y(), rect->width(), rect->height());
}
