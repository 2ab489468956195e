#include "stock/calibration_sheet.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "model/fonts.h"
#include "model/label_grid.h"
#include "model/prompter.h"
#include "print/label_geometry.h"
#include "print/surface.h"
#include "stock/printer_fit.h"

namespace {

constexpr double kMm = PaperMm(1).ToTwips().value();
constexpr double kOutlineWidth = 0.2 * kMm;
// The crosses lie on the outlines of edge-to-edge stock: bolder, so they stand out at the corners.
constexpr double kCrossWidth = 0.6 * kMm;
constexpr double kCrossArm = 5 * kMm;
constexpr double kTickWidth = 0.15 * kMm;
constexpr double kMarkWidth = 0.3 * kMm;
constexpr double kMarkArm = 3 * kMm;
constexpr double kRulerPoints = 6;
// The rulers run where the first page row's text begins: grey, so the black marks stand out.
const QColor kRulerColor(120, 120, 120);
constexpr double kNotePoints = 9;

// The sheet's texts and messages are translated in the context CalibrationSheet.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(CalibrationSheet)
};

double TickLength(int mm) {
  if (mm % 10 == 0) return 5 * kMm;
  if (mm % 5 == 0) return 3.5 * kMm;
  return 2 * kMm;
}

// The rulers stand at the printable area's top and left edges, kept inside it when the offsets
// move them up or left; their marks count millimetres from the paper's edge.
void DrawRulers(Surface& surface, const CalibrationSheet& sheet) {
  surface.SetFont(kMingFont, kRulerPoints, false);
  const QRectF& area = sheet.printable;
  const QPointF offset = sheet.fit.ToStockFit().offset;
  const double top = area.top() + std::max(0.0, -offset.y());
  const double left = area.left() + std::max(0.0, -offset.x());
  for (int mm = int(std::ceil(area.left() / kMm)); mm * kMm <= area.right(); ++mm) {
    const double x = mm * kMm;
    surface.DrawLine(QLineF(x, top, x, top + TickLength(mm)), kTickWidth, kRulerColor);
    if (mm % 10 == 0 && mm > 0) {
      surface.DrawTextAt(x + 0.5 * kMm, top + 3 * kMm, QString::number(mm));
    }
  }
  for (int mm = int(std::ceil(area.top() / kMm)); mm * kMm <= area.bottom(); ++mm) {
    const double y = mm * kMm;
    surface.DrawLine(QLineF(left, y, left + TickLength(mm), y), kTickWidth, kRulerColor);
    if (mm % 10 == 0 && mm > 0) {
      surface.DrawTextAt(left + 5.5 * kMm, y - surface.LineHeight() / 2, QString::number(mm));
    }
  }
}

// The sample that marks where a label's text begins, as the note names it.
QString SampleText() { return Text::tr("標籤文字"); }

// The sheet is no label but a note to the clerk: it speaks the language of the windows.
void DrawNote(Surface& surface, const CalibrationSheet& sheet) {
  surface.SetFont(kMingFont, kNotePoints, false);
  // The figures as the clerk typed them.
  const PrinterFitTexts typed = PrinterFitTexts::Of(sheet.fit);
  const auto sign = [](const QString& number) {
    return number.startsWith(u'-') ? number : u'+' + number;
  };
  QStringList lines = {
      Text::tr("Cratemark 印表機校正頁: %1").arg(sheet.printer_name),
      Text::tr("水平位移 %1 公釐, 垂直位移 %2 公釐")
          .arg(sign(typed.offset_x), sign(typed.offset_y)),
      Text::tr("每排標籤的距離 %1 公釐").arg(typed.pitch),
      QString(),
  };
  // One text, broken into lines where it says so: a translation breaks them where its words allow.
  lines << Text::tr(
               "把這張紙疊在標籤紙上對著光看:\n"
               "粗十字應該落在每張標籤的左上角,\n"
               "「┌ %1」是標籤第一行字開始的地方。\n"
               "標籤的角在十字右邊或下面幾公釐, 位移就加幾公釐,\n"
               "在左邊或上面就減。儲存後再印一張確認。")
               .arg(SampleText())
               .split(u'\n');
  const QRectF first = sheet.Labels().first();
  const double x = std::max(first.left(), sheet.printable.left()) + 15 * kMm;
  // Below the first label's text mark, which a label scaled and centred on a roll puts lower.
  double y = std::max(first.top() + 25 * kMm, sheet.TextStarts().first().y() + 8 * kMm);
  for (const QString& line : lines) {
    surface.DrawTextAt(x, y, line);
    y += 1.5 * surface.LineHeight();
  }
}

}  // namespace

namespace {

// Where the sheet's labels are printed, from the paper's corner, before the printer's offsets.
LabelGeometry SheetGeometry(const CalibrationSheet& sheet) {
  PaperSetup paper;
  paper.printable = sheet.printable;
  paper.edgeless = sheet.edgeless;
  paper.fit.pitch = sheet.fit.ToStockFit().pitch;
  paper.fit.stock = sheet.stock;
  return LabelGeometry(kStartGrid, paper).OnPaper();
}

}  // namespace

QList<QRectF> CalibrationSheet::Labels() const {
  const LabelGeometry geometry = SheetGeometry(*this);
  const SheetShape shape = geometry.shape();
  QList<QRectF> labels;
  if (stock.anchor == LabelStock::Anchor::kPaperEdge) {
    for (int row = 0; row < shape.page_rows; ++row) {
      for (int column = 0; column < shape.places_per_row; ++column) {
        labels << geometry.Place(row, column);
      }
    }
    return labels;
  }
  const QSizeF label = stock.label.ToSizeF();
  const QSizeF page = geometry.page();
  const double left = (page.width() - shape.places_per_row * label.width()) / 2;
  const double top = (page.height() - shape.page_rows * label.height()) / 2;
  for (int row = 0; row < shape.page_rows; ++row) {
    for (int column = 0; column < shape.places_per_row; ++column) {
      labels << QRectF(QPointF(left + column * label.width(), top + row * label.height()), label);
    }
  }
  return labels;
}

QList<QPointF> CalibrationSheet::TextStarts() const {
  const LabelGeometry geometry = SheetGeometry(*this);
  const SheetShape shape = geometry.shape();
  QList<QPointF> starts;
  for (int row = 0; row < shape.page_rows; ++row) {
    for (int column = 0; column < shape.places_per_row; ++column) {
      starts << geometry.LabelRect(row, column).topLeft();
    }
  }
  return starts;
}

void DrawCalibrationSheet(Surface& surface, const CalibrationSheet& sheet) {
  // The sheet is drawn in twips from the paper's edge; the surface's (0, 0) is the printable
  // area's corner (the paper's on a PDF file), and the printer's offsets move everything as they
  // move every printed page.
  const QPointF corner = sheet.edgeless ? QPointF() : sheet.printable.topLeft();
  surface.SetPlacement(GridPlacement{sheet.fit.ToStockFit().offset - corner, 1});
  for (const QRectF& label : sheet.Labels()) {
    surface.DrawLine(QLineF(label.topLeft(), label.topRight()), kOutlineWidth);
    surface.DrawLine(QLineF(label.bottomLeft(), label.bottomRight()), kOutlineWidth);
    surface.DrawLine(QLineF(label.topLeft(), label.bottomLeft()), kOutlineWidth);
    surface.DrawLine(QLineF(label.topRight(), label.bottomRight()), kOutlineWidth);
  }
  for (const QRectF& label : sheet.Labels()) {
    const QPointF corner = label.topLeft();
    surface.DrawLine(QLineF(corner - QPointF(kCrossArm, 0), corner + QPointF(kCrossArm, 0)),
                     kCrossWidth);
    surface.DrawLine(QLineF(corner - QPointF(0, kCrossArm), corner + QPointF(0, kCrossArm)),
                     kCrossWidth);
  }
  DrawRulers(surface, sheet);
  surface.SetFont(kMingFont, kStartGrid.points, false);
  for (const QPointF& start : sheet.TextStarts()) {
    surface.DrawLine(QLineF(start, start + QPointF(kMarkArm, 0)), kMarkWidth);
    surface.DrawLine(QLineF(start, start + QPointF(0, kMarkArm)), kMarkWidth);
    surface.DrawTextAt(start.x() + surface.ColumnWidth(), start.y(), SampleText());
  }
  DrawNote(surface, sheet);
}

bool PrintCalibrationSheet(const QString& queue, const PrinterFit& fit, const LabelStock& stock,
                           Prompter& prompter, PrintTarget& target, PrintFeedback& feedback) {
  PrintDestination destination;
  destination.fit = fit.ToStockFit();
  destination.fit.stock = stock;
  if (queue.isEmpty()) {
    destination.pdf_path = feedback.AskPdfPath();
    if (destination.pdf_path.isEmpty()) return false;
  } else {
    destination.printer = queue;
  }
  const QRectF printable = target.PrintableArea(destination);
  if (printable.isEmpty() || (!queue.isEmpty() && !target.HasPrinter(queue))) {
    prompter.Message(
        Text::tr("找不到印表機「%1」, 它可能已經被移除了。校正頁沒有印出來。").arg(queue));
    return false;
  }
  const QString failed =
      queue.isEmpty() ? Text::tr("無法寫入 PDF 檔 %1, 校正頁沒有存下來。").arg(destination.pdf_path)
                      : Text::tr("印表機發生錯誤, 校正頁沒有印出來。請檢查印表機後再印一次。");
  Surface* surface = target.Open(destination);
  if (!surface) {
    target.Abort();
    prompter.Message(failed);
    return false;
  }
  CalibrationSheet sheet;
  sheet.printable = printable;
  sheet.edgeless = queue.isEmpty();
  sheet.fit = fit;
  sheet.stock = stock;
  sheet.printer_name = queue.isEmpty() ? Text::tr("PDF 檔") : queue;
  DrawCalibrationSheet(*surface, sheet);
  if (target.Failed()) {
    target.Abort();
    prompter.Message(failed);
    return false;
  }
  if (!target.Close()) {
    prompter.Message(failed);
    return false;
  }
  return true;
}
