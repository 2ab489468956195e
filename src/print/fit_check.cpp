#include "print/fit_check.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "model/display_width.h"
#include "model/fonts.h"
#include "model/prompter.h"
#include "print/print_target.h"
#include "print/printer_fits.h"
#include "print/run_drawing.h"
#include "print/surface.h"

namespace {

// Rounding in the millimetre conversions must not raise a question: half a twip is a fiftieth of
// the finest step a printer resolves.
constexpr double kTolerance = 0.5;

bool IsBlank(QChar c) { return c == u' ' || c == QChar(0x3000); }

// A surface that draws nothing: it notes where each mark would land, page row by page row.
class MeasuringSurface : public Surface {
 public:
  explicit MeasuringSurface(const QSizeF& printable) : area_(QPointF(0, 0), printable) {}

  double SurfaceWidth() const override { return area_.width(); }

  // The page row that is drawn next, from the print position SheetDrawer leaves before it: the top
  // of the sheet for the first, one line below the gap for the others.
  void BeginPageRow(int64_t sheet, int page_row) {
    sheet_ = sheet;
    page_row_ = page_row;
    row_top_ = page_row == 0 ? y() : y() + LineHeight();
  }

  const RunExtent& extent() const { return extent_; }

 protected:
  void DrawTextRun(double x, double y, const QString& text) override {
    // The blanks at either end print nothing: only the characters between them count.
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && IsBlank(text[first])) ++first;
    while (end > first && IsBlank(text[end - 1])) --end;
    if (first == end) return;
    const double left = x + DisplayWidth(text.first(first)) * ColumnWidth();
    const double width = DisplayWidth(text.sliced(first, end - first)) * ColumnWidth();
    Note(QRectF(left, y, width, LineHeight()), FitOverhang::kTextLine);
  }
  void DrawImage(const Picture&, const QRectF& twips) override {
    Note(twips, FitOverhang::kPicture);
  }
  // Besides the text lines and the picture, a label holds only its barcode: bars and the digits
  // placed under them.
  void DrawPlacedText(double x, double y, const QString& text) override {
    Note(QRectF(x, y, DisplayWidth(text) * ColumnWidth(), LineHeight()), FitOverhang::kBarcode);
  }
  void DrawFilledRect(const QRectF& twips, const QColor&) override {
    Note(twips, FitOverhang::kBarcode);
  }
  // A barcode's bars go in one: their outline is what matters.
  void DrawFilledRects(const QList<QRectF>& twips, const QColor&) override {
    if (twips.isEmpty()) return;
    QRectF all = twips.first();
    for (const QRectF& r : twips) all = all.united(r);
    Note(all, FitOverhang::kBarcode);
  }
  void DrawStroke(const QLineF& twips, double width_twips, const QColor&) override {
    const double half = width_twips / 2;
    Note(QRectF(twips.p1(), twips.p2()).normalized().adjusted(-half, -half, half, half),
         FitOverhang::kBarcode);
  }

 private:
  void Note(const QRectF& mark, FitOverhang::Mark kind) {
    extent_.bounds = extent_.bounds.isNull() ? mark : extent_.bounds.united(mark);
    if (extent_.first_outside) return;
    const double past[] = {area_.left() - mark.left(), area_.top() - mark.top(),
                           mark.right() - area_.right(), mark.bottom() - area_.bottom()};
    const double* worst = std::max_element(std::begin(past), std::end(past));
    if (*worst <= kTolerance) return;
    FitOverhang overhang;
    overhang.sheet = sheet_;
    overhang.page_row = page_row_ + 1;
    overhang.side = FitOverhang::Side(worst - std::begin(past));
    overhang.twips = *worst;
    overhang.mark = kind;
    if (kind == FitOverhang::kTextLine) {
      // The print position's y is in the surface's own twips; the mark has the offset added.
      const double line_top = mark.top() - origin().y() - row_top_;
      overhang.line = std::max(0, int(std::floor(line_top / LineHeight() + 1e-6))) + 1;
    }
    extent_.first_outside = overhang;
  }

  QRectF area_;
  RunExtent extent_;
  int64_t sheet_ = 0;
  int page_row_ = 0;
  double row_top_ = 0;
};

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(FitCheck)
};

QString SideName(FitOverhang::Side side) {
  switch (side) {
    case FitOverhang::kLeft:
      return Text::tr("左邊");
    case FitOverhang::kTop:
      return Text::tr("上緣");
    case FitOverhang::kRight:
      return Text::tr("右邊");
    case FitOverhang::kBottom:
      break;
  }
  return Text::tr("下緣");
}

}  // namespace

RunExtent MeasureRun(const MainModel& model, const PrintLayout& layout, const StockFit& fit,
                     const QSizeF& printable) {
  MeasuringSurface surface(printable);
  surface.SetFont(kMingFont, kLabelPoints, false);
  surface.SetOrigin(fit.offset);
  SheetDrawer drawer(model, layout, fit.pitch);
  // Sheet by sheet and page row by page row, as the print run draws them.
  const int64_t sheets = layout.sheets();
  for (int64_t sheet = 1; sheet <= sheets; ++sheet) {
    if (sheet > 1) surface.NewPage();
    const int rows = drawer.PageRowsOn(sheet);
    for (int page_row = 0; page_row < rows; ++page_row) {
      if (page_row > 0) drawer.StepToNextPageRow(surface);
      surface.BeginPageRow(sheet, page_row);
      drawer.DrawPageRow(surface, sheet, page_row);
    }
  }
  return surface.extent();
}

QString DestinationName(const PrintDestination& destination) {
  if (!destination.pdf_path.isEmpty()) return Text::tr("PDF 檔");
  if (destination.printer.isEmpty()) {
    return Text::tr("預設的印表機");
  }
  return Text::tr("印表機「%1」").arg(destination.printer);
}

QString FitQuestion(const FitOverhang& overhang, const PrintDestination& destination) {
  QString what;
  switch (overhang.mark) {
    case FitOverhang::kTextLine:
      what = Text::tr("第 %1 張紙第 %2 排標籤的第 %3 行")
                 .arg(overhang.sheet)
                 .arg(overhang.page_row)
                 .arg(overhang.line);
      break;
    case FitOverhang::kPicture:
      what = Text::tr("第 %1 張紙第 %2 排標籤的圖片").arg(overhang.sheet).arg(overhang.page_row);
      break;
    case FitOverhang::kBarcode:
      what = Text::tr("第 %1 張紙第 %2 排標籤的條碼").arg(overhang.sheet).arg(overhang.page_row);
      break;
  }
  return Text::tr(
             "%1超出%2可以列印的範圍, 超出%3 %4 公釐, 超出的部分印不出來。\n"
             "請到「檔案 → 印表機校正…」調整這台印表機的位移或每排標籤的距離。\n\n"
             "還是要照這樣印嗎?")
      .arg(what, DestinationName(destination), SideName(overhang.side),
           QString::number(overhang.twips / kTwipsPerPaperMm, 'f', 1));
}

bool ConfirmFit(const MainModel& model, const PrintLayout& layout,
                const PrintDestination& destination, Prompter& prompter,
                const PrintTarget& target) {
  const QRectF area = target.PrintableArea(destination);
  if (area.isEmpty()) return true;
  const RunExtent extent = MeasureRun(model, layout, destination.fit, area.size());
  if (!extent.first_outside) return true;
  return prompter.AskYesNo(FitQuestion(*extent.first_outside, destination));
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
