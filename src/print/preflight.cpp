#include "print/preflight.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <optional>

#include "model/display_width.h"
#include "model/file_reading.h"
#include "model/main_model.h"
#include "model/units.h"
#include "print/label_geometry.h"
#include "print/picture_file.h"
#include "print/print_target.h"
#include "print/sheet_walk.h"

namespace {

// Rounding in the millimetre conversions must not raise a question: half a twip is a fiftieth of
// the finest step a printer resolves.
constexpr double kTolerance = 0.5;
// Pages are told apart by a millimetre: a print system gives A4 in whole points, 0.1 mm short.
constexpr double kPageTolerance = kTwipsPerPaperMm;
// Places in a page row, as the items' keys count them: more than a stock can have.
constexpr int kMaxColumns = 128;

// The texts of this file's messages, translated under one context.
struct Words {
  Q_DECLARE_TR_FUNCTIONS(Preflight)
};

bool IsBlank(QChar c) { return c == u' ' || c == QChar(0x3000); }

bool Overlaps(const QRectF& a, const QRectF& b) {
  return std::min(a.right(), b.right()) - std::max(a.left(), b.left()) > kTolerance &&
         std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) > kTolerance;
}

std::optional<PreflightItem::PictureFault> PictureFault(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  const QFileInfo info(path);
  if (!info.exists()) return PreflightItem::kMissing;
  if (!IsRegularFile(path)) return PreflightItem::kNotRegular;
  if (!info.isReadable()) return PreflightItem::kUnreadable;
  if (info.size() > kMaxPictureFileBytes) return PreflightItem::kTooLarge;
  if (!LoadPicture(path)) return PreflightItem::kNotAPicture;
  return std::nullopt;
}

// A text line of a label as printed: its characters between the blanks at either end.
struct TextLine {
  QRectF rect;
  QStringView text;  // those characters
  double left = 0;   // where the first of them begins
  double cell = 0;   // the width of a column of the line: twice the grid's on a 放大 row
};

// The walk's visitor that measures: every mark of every label against the printable area and the
// other marks, gathered into items by place.
class Measuring : public SheetVisitor {
 public:
  // `column` and `line` are the grid's at the labels' scale; `model` holds the rows' sizes.
  Measuring(const MainModel& model, const QRectF& printable, double column, double line,
            const SheetShape& shape)
      : model_(model), area_(printable), column_(column), line_(line), shape_(shape) {}

  bool PageRowDone(const WalkedPageRow& row) override {
    for (int column = 0; column < row.labels.size(); ++column) {
      if (row.labels[column]) Label(row, column);
    }
    return true;
  }

  QList<PreflightItem> Items() const {
    QList<PreflightItem> items = items_;
    for (PreflightItem& item : items) {
      item.of = item.kind == PreflightItem::kOutside
                    ? places_.value(item.page_row * kMaxColumns + item.column)
                    : labels_;
    }
    return items;
  }

 private:
  // What makes two findings one item: kind, mark, line, page row, place and side.
  static int Key(int kind, int mark, int line, int page_row, int column, int side) {
    return ((((kind * 4 + mark) * 64 + line) * 256 + page_row) * kMaxColumns + column) * 4 + side;
  }

  void Label(const WalkedPageRow& row, int column) {
    const WalkedLabel& label = *row.labels[column];
    ++labels_;
    ++places_[(row.page_row + 1) * kMaxColumns + column];

    const BlockEntry& rows = model_.blocks[label.label.block];
    std::array<std::optional<TextLine>, MainModel::kRows> lines;
    for (int r = 0; r < MainModel::kRows; ++r) {
      const QString& text = row.texts[r][column];
      qsizetype first = 0;
      qsizetype end = text.size();
      while (first < end && IsBlank(text[first])) ++first;
      while (end > first && IsBlank(text[end - 1])) --end;
      if (first == end) continue;
      // A 放大 row's characters take twice their cells across and down.
      const int magnification = Magnification(rows.blk_size[r]);
      const double cell = column_ * magnification;
      const QPointF at = row.text_at[r][column];
      const double left = at.x() + DisplayWidth(QStringView(text).first(first)) * cell;
      const QStringView chars = QStringView(text).sliced(first, end - first);
      const QRectF rect(left, at.y(), DisplayWidth(chars) * cell, line_ * magnification);
      lines[r] = TextLine{rect, chars, left, cell};
      if (!area_.isEmpty()) Outside(rect, PreflightItem::kTextLine, r + 1, row, column);
      PastLabel(rect, label, r, row, column);
    }
    for (int r = 0; r + 1 < MainModel::kRows; ++r) {
      if (lines[r] && lines[r + 1] && rows.blk_size[r] == RowSize::kLarge) {
        LargeOverNext(*lines[r], *lines[r + 1], label, r, row, column);
      }
    }
    const std::optional<QRectF>& picture = label.picture;
    const std::optional<QRectF>& barcode = label.barcode;
    if (!area_.isEmpty()) {
      if (picture) Outside(*picture, PreflightItem::kPicture, 0, row, column);
      if (barcode) Outside(*barcode, PreflightItem::kBarcode, 0, row, column);
    }
    for (const auto& [mark, rect] : {std::pair{PreflightItem::kPicture, picture},
                                     std::pair{PreflightItem::kBarcode, barcode}}) {
      if (!rect) continue;
      for (int r = 0; r < MainModel::kRows; ++r) {
        if (lines[r] && Overlaps(*rect, lines[r]->rect))
          Covers(mark, *rect, *lines[r], r, row, column);
      }
    }
    if (picture && barcode && Overlaps(*picture, *barcode)) {
      PreflightItem& item = Find(Key(PreflightItem::kPictureOverBarcode, 0, 0, 0, 0, 0));
      if (item.count++ == 0) {
        item.kind = PreflightItem::kPictureOverBarcode;
        Place(item, row, column, picture->intersected(*barcode));
      }
    }
  }

  void Outside(const QRectF& mark, PreflightItem::Mark what, int line, const WalkedPageRow& row,
               int column) {
    const double past[] = {area_.left() - mark.left(), area_.top() - mark.top(),
                           mark.right() - area_.right(), mark.bottom() - area_.bottom()};
    const double* worst = std::max_element(std::begin(past), std::end(past));
    if (*worst <= kTolerance) return;
    const auto side = PreflightItem::Side(worst - std::begin(past));
    PreflightItem& item =
        Find(Key(PreflightItem::kOutside, what, line, row.page_row + 1, column, side));
    if (item.count++ == 0) {
      item.kind = PreflightItem::kOutside;
      item.mark = what;
      item.line = line;
      item.side = side;
      Place(item, row, column, mark);
    }
    item.twips = std::max(item.twips, *worst);
  }

  // A row's characters past the left or right edge of its own label: into the label beside it,
  // or off the stock's place.
  void PastLabel(const QRectF& rect, const WalkedLabel& label, int r, const WalkedPageRow& row,
                 int column) {
    const double left = label.area.left() - rect.left();
    const double right = rect.right() - label.area.right();
    const double past = std::max(left, right);
    if (past <= kTolerance) return;
    const auto side = left > right ? PreflightItem::kLeft : PreflightItem::kRight;
    PreflightItem& item = RowItem(PreflightItem::kPastLabel, label, r, side, row, column, rect);
    item.twips = std::max(item.twips, past);
  }

  void LargeOverNext(const TextLine& large, const TextLine& next, const WalkedLabel& label, int r,
                     const WalkedPageRow& row, int column) {
    PreflightItem& item = RowItem(PreflightItem::kLargeOverNext, label, r, PreflightItem::kBottom,
                                  row, column, large.rect.united(next.rect));
    if (item.count == 1) item.text = next.text.toString();
  }

  // The item of row `r` of the label's block: one for every label printed from that row.
  PreflightItem& RowItem(PreflightItem::Kind kind, const WalkedLabel& label, int r,
                         PreflightItem::Side side, const WalkedPageRow& row, int column,
                         const QRectF& spot) {
    PreflightItem& item = Find(Key(kind, 0, r + 1, label.label.block, 0, side));
    if (item.count++ == 0) {
      item.kind = kind;
      item.line = r + 1;
      item.side = side;
      item.block = label.label.block;
      item.remainder = label.label.remainder;
      item.large = model_.blocks[label.label.block].blk_size[r] == RowSize::kLarge;
      Place(item, row, column, spot);
    }
    return item;
  }

  void Covers(PreflightItem::Mark mark, const QRectF& rect, const TextLine& line, int r,
              const WalkedPageRow& row, int column) {
    PreflightItem& item = Find(Key(PreflightItem::kCoversText, mark, r + 1, 0, 0, 0));
    if (item.count++ > 0) return;
    item.kind = PreflightItem::kCoversText;
    item.mark = mark;
    item.line = r + 1;
    Place(item, row, column, rect.intersected(line.rect));
    // The characters under the mark.
    double x = line.left;
    qsizetype from = -1;
    qsizetype to = -1;
    for (qsizetype i = 0; i < line.text.size(); ++i) {
      const double width = CharWidth(line.text[i].unicode()) * line.cell;
      if (!IsBlank(line.text[i]) &&
          std::min(x + width, rect.right()) - std::max(x, rect.left()) > kTolerance) {
        if (from < 0) from = i;
        to = i;
      }
      x += width;
    }
    if (from >= 0) item.text = line.text.sliced(from, to - from + 1).toString();
  }

  void Place(PreflightItem& item, const WalkedPageRow& row, int column, const QRectF& spot) const {
    item.sheet = row.sheet;
    item.page_row = row.page_row + 1;
    item.column = column;
    item.shape = shape_;
    item.spot = spot;
  }

  PreflightItem& Find(int key) {
    auto found = index_.constFind(key);
    if (found != index_.constEnd()) return items_[*found];
    index_.insert(key, items_.size());
    items_.append(PreflightItem{});
    return items_.last();
  }

  const MainModel& model_;
  QRectF area_;
  double column_;
  double line_;
  SheetShape shape_;
  QList<PreflightItem> items_;
  QHash<int, qsizetype> index_;
  QHash<int, int64_t> places_;  // sheets with a label at each place: page row · kMaxColumns + place
  int64_t labels_ = 0;
};

QString SideName(PreflightItem::Side side) {
  switch (side) {
    case PreflightItem::kLeft:
      return Words::tr("左邊");
    case PreflightItem::kTop:
      return Words::tr("上緣");
    case PreflightItem::kRight:
      return Words::tr("右邊");
    case PreflightItem::kBottom:
      break;
  }
  return Words::tr("下緣");
}

QString FaultName(PreflightItem::PictureFault fault) {
  switch (fault) {
    case PreflightItem::kMissing:
      return Words::tr("找不到");
    case PreflightItem::kNotRegular:
      return Words::tr("不是一般的檔案");
    case PreflightItem::kUnreadable:
      return Words::tr("沒有權限讀取");
    case PreflightItem::kTooLarge:
      return Words::tr("太大了");
    case PreflightItem::kNotAPicture:
      break;
  }
  return Words::tr("不是看得懂的圖片");
}

// "第 4 排左邊的標籤", or with its sheet "第 1 張紙第 4 排左邊的標籤"; on a stock of one label a
// page "標籤" and "第 3 張標籤".
QString LabelPlace(const PreflightItem& item, bool with_sheet) {
  if (item.shape.places() == 1) {
    return with_sheet ? Words::tr("第 %1 張標籤").arg(item.sheet) : Words::tr("標籤");
  }
  QString place;
  if (item.shape.places_per_row == 1) {
    place = Words::tr("第 %1 排的標籤").arg(item.page_row);
  } else if (item.shape.places_per_row == 2) {
    place = item.column == 0 ? Words::tr("第 %1 排左邊的標籤").arg(item.page_row)
                             : Words::tr("第 %1 排右邊的標籤").arg(item.page_row);
  } else {
    place = Words::tr("第 %1 排左起第 %2 張標籤").arg(item.page_row).arg(item.column + 1);
  }
  return with_sheet ? Words::tr("第 %1 張紙%2").arg(item.sheet).arg(place) : place;
}

// "101.6 × 152.4 公釐".
QString PageSize(const QSizeF& page) {
  return Words::tr("%1 × %2 公釐")
      .arg(PaperMm::Of(Twips(page.width())).value(), 0, 'f', 1)
      .arg(PaperMm::Of(Twips(page.height())).value(), 0, 'f', 1);
}

bool SamePage(const QSizeF& a, const QSizeF& b) {
  return std::abs(a.width() - b.width()) <= kPageTolerance &&
         std::abs(a.height() - b.height()) <= kPageTolerance;
}

bool Larger(const QSizeF& page, const QSizeF& largest) {
  return page.width() > largest.width() + kPageTolerance ||
         page.height() > largest.height() + kPageTolerance;
}

// The stock's page against what the printer says of its paper: larger than it takes, or else not
// the page it is set up for.
std::optional<PreflightItem> PaperItem(const LabelGeometry& geometry) {
  const PrinterPaper& printer = geometry.paper().printer;
  PreflightItem item;
  item.kind = PreflightItem::kPaper;
  item.text = geometry.stock().name;
  item.page = geometry.page();
  if (printer.largest && Larger(item.page, *printer.largest)) {
    item.printer_page = *printer.largest;
    item.too_large = true;
    return item;
  }
  if (printer.loaded && !SamePage(item.page, *printer.loaded)) {
    item.printer_page = *printer.loaded;
    return item;
  }
  return std::nullopt;
}

// "的第 16 行", "的圖片", "的條碼".
QString MarkName(PreflightItem::Mark mark, int line) {
  switch (mark) {
    case PreflightItem::kTextLine:
      return Words::tr("的第 %1 行").arg(line);
    case PreflightItem::kPicture:
      return Words::tr("的圖片");
    case PreflightItem::kBarcode:
      break;
  }
  return Words::tr("的條碼");
}

// "第 2 區段第 1 行", "尾數箱第 1 行": a row of a block's template.
QString RowName(const PreflightItem& item) {
  if (item.remainder) return Words::tr("尾數箱第 %1 行").arg(item.line);
  return Words::tr("第 %1 區段第 %2 行").arg(item.block).arg(item.line);
}

// A row's problem with the labels it happens on, when more than one.
QString OnLabels(const QString& problem, int64_t count) {
  if (count <= 1) return problem;
  return Words::tr("%1 (共 %2 張標籤)").arg(problem).arg(count);
}

QString Span(int64_t from, int64_t to) {
  return from == to ? QString::number(from) : QStringLiteral("%1–%2").arg(from).arg(to);
}

}  // namespace

QString PreflightItem::Text() const {
  switch (kind) {
    case kPaper:
      if (too_large) {
        return Words::tr("標籤紙 %1 的一頁是 %2, 比印表機能印的最大的紙 %3還大, 印出來會被切掉")
            .arg(text, PageSize(page), PageSize(printer_page));
      }
      return Words::tr("標籤紙 %1 的一頁是 %2, 但印表機設定的紙是 %3")
          .arg(text, PageSize(page), PageSize(printer_page));
    case kOutside: {
      const QString mm = QString::number(twips / kTwipsPerPaperMm, 'f', 1);
      const QString what = MarkName(mark, line);
      if (count <= 1) {
        return Words::tr("%1%2超出%3 %4 公釐")
            .arg(LabelPlace(*this, true), what, SideName(side), mm);
      }
      if (count == of) {
        return Words::tr("%1%2, 全部 %5 張都超出%3 %4 公釐")
            .arg(LabelPlace(*this, false), what, SideName(side), mm)
            .arg(count);
      }
      return Words::tr("%1%2, 從第 %6 張紙起共 %5 張超出%3 %4 公釐")
          .arg(LabelPlace(*this, false), what, SideName(side), mm)
          .arg(count)
          .arg(sheet);
    }
    case kCoversText: {
      const QString covered = Words::tr("第 %1 行的「%2」").arg(line).arg(text);
      const QString what = mark == kPicture ? Words::tr("圖片") : Words::tr("條碼");
      if (count == of) return Words::tr("每張標籤的%1都蓋住%2").arg(what, covered);
      if (count <= 1) return Words::tr("%1的%2蓋住%3").arg(LabelPlace(*this, true), what, covered);
      return Words::tr("%1張標籤的%2蓋住%3, 第一張是%4")
          .arg(QString::number(count), what, covered, LabelPlace(*this, true));
    }
    case kPictureOverBarcode:
      if (count == of) return Words::tr("每張標籤的圖片和條碼都疊在一起");
      return Words::tr("%1張標籤的圖片和條碼疊在一起, 第一張是%2")
          .arg(QString::number(count), LabelPlace(*this, true));
    case kPictureFile:
      return Words::tr("圖片檔「%1」%2, 標籤上不會印出圖片").arg(text, FaultName(fault));
    case kPastLabel: {
      const QString mm = QString::number(twips / kTwipsPerPaperMm, 'f', 1);
      const QString past =
          large ? Words::tr("%1的放大字超出標籤%2 %3 公釐") : Words::tr("%1的字超出標籤%2 %3 公釐");
      return OnLabels(past.arg(RowName(*this), SideName(side), mm), count);
    }
    case kLargeOverNext:
      return OnLabels(
          Words::tr("%1的放大字會蓋住第 %2 行的「%3」").arg(RowName(*this)).arg(line + 1).arg(text),
          count);
    case kOverlap:
      return Words::tr("第 %1 區段和第 %2 區段都有箱號 %3, 這些箱子會印出兩張標籤")
          .arg(overlap.first_block)
          .arg(overlap.second_block)
          .arg(Span(overlap.from, overlap.to));
  }
  return {};
}

bool Preflight::Has(PreflightItem::Kind kind) const {
  return std::any_of(items.begin(), items.end(),
                     [kind](const PreflightItem& item) { return item.kind == kind; });
}

QStringList Preflight::Texts() const {
  QStringList texts;
  for (const PreflightItem& item : items) texts << item.Text();
  return texts;
}

Preflight RunPreflight(const MainModel& model, const PrintLayout& layout,
                       const LabelGeometry& geometry, SymbolShapes& shapes) {
  Preflight preflight;
  if (const std::optional<PreflightItem> paper = PaperItem(geometry)) preflight.items << *paper;
  for (const BlockOverlap& overlap : layout.plan().Overlaps()) {
    PreflightItem item;
    item.kind = PreflightItem::kOverlap;
    item.overlap = overlap;
    preflight.items << item;
  }
  if (const auto fault = PictureFault(model.pic_file_name)) {
    PreflightItem item;
    item.kind = PreflightItem::kPictureFile;
    item.text = model.pic_file_name;
    item.fault = *fault;
    preflight.items << item;
  }

  const QRectF printable = geometry.PrintableArea();
  GridSurface surface(printable.width());
  const LabelGrid& grid = geometry.grid();
  Measuring measuring(model, printable, grid.column().value() * geometry.scale(),
                      grid.line().value() * geometry.scale(), geometry.shape());
  SheetWalk walk(model, layout, geometry, shapes);
  walk.Walk(surface, measuring, false);
  preflight.items << measuring.Items();
  return preflight;
}

QString DestinationName(const PrintDestination& destination) {
  if (!destination.pdf_path.isEmpty()) return Words::tr("PDF 檔");
  if (destination.printer.isEmpty()) return Words::tr("預設的印表機");
  return Words::tr("印表機「%1」").arg(destination.printer);
}

QString PreflightIntro(const Preflight& preflight, const PrintDestination& destination) {
  QString intro = Words::tr("這次的標籤有下面這些問題, 照這樣印出來的標籤會不完整:");
  if (preflight.Has(PreflightItem::kPaper)) {
    intro += u'\n' + Words::tr(
                         "請在%1放入這次的標籤紙並設定好紙張大小, "
                         "或到「檔案 → 印表機校正…」改選這台印表機放的標籤紙。")
                         .arg(DestinationName(destination));
  }
  if (preflight.Has(PreflightItem::kOutside)) {
    intro += u'\n' + Words::tr(
                         "超出%1可以列印的範圍的部分印不出來; "
                         "可以到「檔案 → 印表機校正…」調整這台印表機的位移或每排標籤的距離。")
                         .arg(DestinationName(destination));
  }
  return intro + u'\n' + Words::tr("還是要照這樣印嗎?");
}

QList<QRectF> UnprintableBands(const QRectF& printable, const QSizeF& paper) {
  const QRectF sheet(QPointF(0, 0), paper);
  const QRectF inside = printable.intersected(sheet);
  if (inside.isEmpty()) return {sheet};
  QList<QRectF> bands;
  const auto add = [&bands](const QRectF& band) {
    if (band.width() > 0 && band.height() > 0) bands << band;
  };
  add(QRectF(QPointF(0, 0), QPointF(sheet.right(), inside.top())));
  add(QRectF(QPointF(0, inside.bottom()), sheet.bottomRight()));
  add(QRectF(QPointF(0, inside.top()), QPointF(inside.left(), inside.bottom())));
  add(QRectF(QPointF(inside.right(), inside.top()), QPointF(sheet.right(), inside.bottom())));
  return bands;
}
