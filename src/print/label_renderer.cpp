#include "print/label_renderer.h"

#include <cstdint>
#include <optional>

#include "model/display_width.h"
#include "model/number_fields.h"
#include "print/surface.h"

namespace {

// A label is 48 columns of 120 twips; the right-hand label's picture sits this far right.
constexpr int kLabelWidthTwips = 5760;
// Fifteen lines: from the top of row 15, where the picture step reads y, back to row 0.
constexpr int kRowsAboveLastRow = 3600;

bool StartsWithAny(const QString& text, std::initializer_list<const char16_t*> words) {
  for (const char16_t* word : words) {
    if (text.startsWith(QStringView(word))) return true;
  }
  return false;
}

// A 16-bit whole number, or nothing where it does not fit.
std::optional<int16_t> Int16(double value) { return RoundToInt16(value); }

void DrawLabelPicture(Surface& surface, const MainModel& model, PictureCache& pictures) {
  const auto width = Int16(LeadingNumber(model.pic_size) * kTwipsPerMm);
  if (!width) return;

  const Picture* picture = pictures.Get(model.pic_file_name);
  if (!picture || picture->IsEmpty()) return;
  const auto natural_width = Int16(picture->width);
  const auto natural_height = Int16(picture->height);
  if (!natural_width || !natural_height || *natural_width == 0) return;
  const double height = Fix(double(*width) / *natural_width * *natural_height);

  const auto left = Int16(Fix(LeadingNumber(model.pic_d_left) * kTwipsPerMm));
  if (!left) return;
  const auto top_of_label = [&]() {
    return Int16(Fix(LeadingNumber(model.pic_d_top) * kTwipsPerMm) +
                 (surface.y() - kRowsAboveLastRow));
  };
  auto top = top_of_label();
  if (!top) return;
  surface.DrawPicture(*picture, *left, *top, *width, height);

  const auto right = Int16(*left + kLabelWidthTwips);
  if (!right) return;
  top = top_of_label();
  if (!top) return;
  surface.DrawPicture(*picture, *right, *top, *width, height);
}

}  // namespace

const Picture* PictureCache::Get(const QString& path) {
  auto found = pictures_.find(path);
  if (found == pictures_.end()) {
    ++decoded_;
    found = pictures_.insert(path, LoadPicture(path));
  }
  return found->has_value() ? &**found : nullptr;
}

int StartColumn(const QString& text, const QString& alignment, int base, int line_width) {
  if (alignment == u"靠左") return base + 2;
  const int width = DisplayWidth(text);
  if (alignment == u"靠右") return line_width + base - width;
  // The keyword rows start in fixed columns whatever follows the keyword, so the numbers and
  // values of all labels line up under each other.
  const int middle = int(Fix((line_width + 1) / 2.0));
  if (StartsWithAny(text, {u"P/NO.", u"C/NO."})) return middle + base - 4;
  if (StartsWithAny(text, {u"Q'TY :", u"SIZE :", u"G.WT.:", u"N.WT.:"})) {
    return middle + base - 10;
  }
  return int(Fix((line_width - width + 1) / 2.0)) + base;
}

void PrintLabel(Surface& surface, const MainModel& model, PrintBuffer& print_buf, int block,
                PictureCache& pictures) {
  const BlockEntry& entry = model.blocks[block];
  const int line_width = model.line_width;
  // No line ends: a row reaches the next line because its column lies left of where the row
  // before it ended.
  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    const QString& alignment = entry.blk_array[row];
    for (int half = 0; half < 2; ++half) {
      QString& text = print_buf[row][half];
      surface.PrintAtColumn(StartColumn(text, alignment, half * line_width, line_width), text,
                            false);
      text.clear();
    }
  }
  if (model.pic_file_name.isEmpty()) return;
  DrawLabelPicture(surface, model, pictures);
}
