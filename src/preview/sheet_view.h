#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QList>
#include <functional>
#include <optional>

#include "preview/sheet_preview.h"

// The pages of the whole-run preview, one sheet at a time on a grey desk. Only the sheet in view is
// drawn, when it comes into view or the zoom changes, and only the part of it in view (with a
// border around it for scrolling): a run of thousands of sheets, zoomed to 400 %, costs what the
// view shows of one sheet.
//
// The mouse wheel scrolls the page and, at its top or bottom (or when the whole page is in view),
// turns to the previous or next sheet; Ctrl with the wheel zooms in steps, keeping the spot under
// the mouse in place. Page Up and Page Down turn sheets, Home and End go to the first and last. A
// label under the mouse names its sheet and place, block, carton and pallet in a tooltip.
class SheetView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Paints the piece `part` (logical dots from the page's corner) of sheet `sheet` (from 1) at the
  // given logical dots an inch and device pixel ratio and says where its labels went.
  using PagePainter = std::function<QImage(qint64 sheet, int dpi, double pixel_ratio,
                                           const QRect& part, QList<LabelArea>* areas)>;
  // The tooltip of a label of the run.
  using TipText = std::function<QString(qint64 label)>;

  explicit SheetView(QWidget* parent = nullptr);

  // Shows `count` sheets of `page` twips painted by `painter`. The sheet in view stays, within the
  // new count; it is painted again.
  void SetSheets(qint64 count, const QSizeF& page, PagePainter painter);
  void SetTipText(TipText tip) { tip_ = std::move(tip); }
  // Paints the sheet in view again, for something drawn over it that changed.
  void Repaint();

  qint64 sheet_count() const { return count_; }
  qint64 sheet() const { return sheet_; }
  // Turns to `sheet` (kept within 1..sheet_count()), showing its top.
  void ShowSheet(qint64 sheet);

  ZoomMode zoom_mode() const { return zoom_; }
  // Logical dots an inch at which the page is shown.
  int dpi() const { return dpi_; }
  // The zoom in percent of the paper's own size, a fit's too.
  double zoom_percent() const;
  // A fit, or a zoom of `percent`; the spot of the page at `anchor` (a point of the viewport; none:
  // its centre) stays there where the page is larger than the view.
  void SetZoom(ZoomMode mode, int percent = 100, std::optional<QPointF> anchor = std::nullopt);
  // Zooms in (steps > 0) or out by steps of kZoomSteps, around `anchor` as SetZoom.
  void ZoomBy(int steps, std::optional<QPointF> anchor = std::nullopt);

  // Sheets drawn from the plan so far.
  int pages_painted() const { return pages_painted_; }
  // Where the sheet lies in the viewport.
  QRect PageRect() const;
  // The label under `point` of the viewport, if any.
  std::optional<qint64> LabelAt(const QPoint& point) const;

 signals:
  void sheetChanged(qint64 sheet);
  void zoomChanged();
  void pagePainted(qint64 sheet);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateZoom();
  // The viewport's size once the scroll bars the page needs at this zoom are shown.
  QSize ViewSize(const QSize& content) const;
  // Draws the part of the sheet in view unless the image kept already holds it.
  void EnsurePage(const QRect& page);
  QSize PageSize() const;

  PagePainter painter_;
  TipText tip_;
  QSizeF page_twips_ = kA4.ToSizeF();
  qint64 count_ = 0;
  qint64 sheet_ = 1;
  ZoomMode zoom_ = ZoomMode::kWholePage;
  int percent_ = 100;  // for kPercent
  int dpi_ = 96;
  int wheel_rest_ = 0;  // wheel turn not yet used for turning a sheet or zooming

  // The one page image kept, and what it shows: a part of the page, in logical dots from its
  // corner.
  QImage page_;
  QRect page_part_;
  qint64 page_sheet_ = 0;
  int page_dpi_ = 0;
  double page_ratio_ = 0;
  QList<LabelArea> areas_;
  int pages_painted_ = 0;
};
