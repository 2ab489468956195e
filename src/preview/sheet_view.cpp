#include "preview/sheet_view.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "model/units.h"

namespace {

constexpr int kMargin = 12;      // desk around the sheet, pixels
constexpr int kWheelStep = 120;  // one notch of a mouse wheel
// A page larger than the view is drawn with a border of a quarter of the view around what is in
// view, so that scrolling a little shows what is drawn already.
constexpr int kBorderParts = 4;
const QColor kDesk(0x80, 0x80, 0x80);
const QColor kShadow(0x50, 0x50, 0x50);

}  // namespace

SheetView::SheetView(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetView::SetSheets(qint64 count, const QSizeF& page, PagePainter painter) {
  painter_ = std::move(painter);
  const bool new_page = page != page_twips_;
  page_twips_ = page;
  count_ = std::max<qint64>(count, 0);
  page_sheet_ = 0;  // whatever the image shows belongs to the old sheets
  areas_.clear();
  const qint64 sheet = std::clamp<qint64>(sheet_, 1, std::max<qint64>(count_, 1));
  if (sheet != sheet_) {
    sheet_ = sheet;
    emit sheetChanged(sheet_);
  }
  // Another stock's page fits the view at another zoom.
  if (new_page) {
    UpdateZoom();
  } else {
    viewport()->update();
  }
}

void SheetView::Repaint() {
  page_sheet_ = 0;
  viewport()->update();
}

void SheetView::ShowSheet(qint64 sheet) {
  sheet = std::clamp<qint64>(sheet, 1, std::max<qint64>(count_, 1));
  verticalScrollBar()->setValue(verticalScrollBar()->minimum());
  if (sheet == sheet_) return;
  sheet_ = sheet;
  viewport()->update();
  emit sheetChanged(sheet_);
}

double SheetView::zoom_percent() const {
  if (zoom_ == ZoomMode::kPercent) return percent_;
  return 100.0 * dpi_ / std::max(1, logicalDpiX());
}

void SheetView::SetZoom(ZoomMode mode, int percent, std::optional<QPointF> anchor) {
  const QPointF at = anchor.value_or(QRectF(viewport()->rect()).center());
  // The spot of the paper at the anchor, in inches from the page's corner.
  const QPointF paper = (at - PageRect().topLeft()) / dpi_;
  zoom_ = mode;
  percent_ = std::clamp(percent, kZoomSteps.front(), kZoomSteps.back());
  UpdateZoom();
  // Where the page is larger than the view, it scrolls to bring the spot back to the anchor; where
  // it is smaller, it stands in the middle and the scroll bar has no range.
  const QPointF scroll = paper * dpi_ - (at - QPointF(kMargin, kMargin));
  horizontalScrollBar()->setValue(qRound(scroll.x()));
  verticalScrollBar()->setValue(qRound(scroll.y()));
}

void SheetView::ZoomBy(int steps, std::optional<QPointF> anchor) {
  SetZoom(ZoomMode::kPercent, ZoomStep(zoom_percent(), steps), anchor);
}

QSize SheetView::PageSize() const {
  const QSizeF paper = page_twips_ * dpi_ / kTwipsPerInch;
  return QSize(qRound(paper.width()), qRound(paper.height()));
}

void SheetView::UpdateZoom() {
  // The fitting modes fit the page into the viewport as it is without scroll bars.
  const QSize room = maximumViewportSize();
  if (zoom_ == ZoomMode::kPageWidth) {
    // The page is taller than the view: leave room for the vertical scroll bar.
    const QSize across(room.width() - verticalScrollBar()->sizeHint().width(), room.height());
    dpi_ = ZoomDpi(zoom_, page_twips_, across, kMargin, logicalDpiX());
  } else {
    dpi_ = ZoomDpi(zoom_, page_twips_, room, kMargin, logicalDpiX(), percent_);
  }

  const QSize page = PageSize();
  const QSize content(page.width() + 2 * kMargin, page.height() + 2 * kMargin);
  const QSize view = ViewSize(content);
  horizontalScrollBar()->setRange(0, std::max(0, content.width() - view.width()));
  horizontalScrollBar()->setPageStep(view.width());
  horizontalScrollBar()->setSingleStep(std::max(1, view.width() / 20));
  verticalScrollBar()->setRange(0, std::max(0, content.height() - view.height()));
  verticalScrollBar()->setPageStep(view.height());
  verticalScrollBar()->setSingleStep(std::max(1, view.height() / 20));
  viewport()->update();
  emit zoomChanged();
}

QSize SheetView::ViewSize(const QSize& content) const {
  // The scroll bars come and go with their ranges only once the event loop runs, and a zoom that
  // keeps a spot in place scrolls at once: it needs the viewport the ranges will leave.
  const QSize room = maximumViewportSize();
  const int bar_width = verticalScrollBar()->sizeHint().width();
  const int bar_height = horizontalScrollBar()->sizeHint().height();
  bool across = content.width() > room.width();
  bool down = content.height() > room.height();
  // One scroll bar can take the room whose loss makes the other one needed.
  if (down && !across) across = content.width() > room.width() - bar_width;
  if (across && !down) down = content.height() > room.height() - bar_height;
  if (down && !across) across = content.width() > room.width() - bar_width;
  return QSize(room.width() - (down ? bar_width : 0), room.height() - (across ? bar_height : 0));
}

QRect SheetView::PageRect() const {
  const QSize page = PageSize();
  const QSize view = viewport()->size();
  const int left = page.width() + 2 * kMargin <= view.width()
                       ? (view.width() - page.width()) / 2
                       : kMargin - horizontalScrollBar()->value();
  const int top = page.height() + 2 * kMargin <= view.height()
                      ? (view.height() - page.height()) / 2
                      : kMargin - verticalScrollBar()->value();
  return QRect(QPoint(left, top), page);
}

void SheetView::EnsurePage(const QRect& page) {
  const double ratio = devicePixelRatioF();
  // What of the page is in view, in logical dots from its corner.
  const QRect whole(QPoint(), page.size());
  const QRect in_view = viewport()->rect().translated(-page.topLeft()).intersected(whole);
  if (page_sheet_ == sheet_ && page_dpi_ == dpi_ && page_ratio_ == ratio &&
      page_part_.contains(in_view)) {
    return;
  }
  page_ = QImage();  // the old page goes before the new one is drawn
  areas_.clear();
  page_sheet_ = 0;
  if (!painter_ || sheet_ > count_ || in_view.isEmpty()) return;
  const QSize border = viewport()->size() / kBorderParts;
  page_part_ = in_view.adjusted(-border.width(), -border.height(), border.width(), border.height())
                   .intersected(whole);
  page_ = painter_(sheet_, dpi_, ratio, page_part_, &areas_);
  page_sheet_ = sheet_;
  page_dpi_ = dpi_;
  page_ratio_ = ratio;
  ++pages_painted_;
  emit pagePainted(sheet_);
}

void SheetView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), kDesk);
  if (count_ == 0) return;
  const QRect page = PageRect();
  EnsurePage(page);
  painter.fillRect(page.translated(3, 3), kShadow);
  painter.fillRect(page, Qt::white);
  if (!page_.isNull()) painter.drawImage(page.topLeft() + page_part_.topLeft(), page_);
}

void SheetView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateZoom();
}

void SheetView::scrollContentsBy(int /*dx*/, int /*dy*/) { viewport()->update(); }

void SheetView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  if (event->modifiers() & Qt::ControlModifier) {
    wheel_rest_ += delta;
    const int steps = wheel_rest_ / kWheelStep;
    if (steps != 0) {
      wheel_rest_ -= steps * kWheelStep;
      // The spot of the paper under the mouse stays under it.
      ZoomBy(steps, event->position());
    }
    event->accept();
    return;
  }
  // Scrolls within the page; past its top or bottom the wheel turns the sheet, a notch at a time
  // (a touchpad's small steps are gathered into notches).
  QScrollBar* bar = verticalScrollBar();
  const bool down = delta < 0;
  const bool at_end = down ? bar->value() >= bar->maximum() : bar->value() <= bar->minimum();
  if (!at_end) {
    wheel_rest_ = 0;
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  wheel_rest_ += delta;
  if (std::abs(wheel_rest_) < kWheelStep) return;
  wheel_rest_ = 0;
  if (down && sheet_ < count_) {
    ShowSheet(sheet_ + 1);
  } else if (!down && sheet_ > 1) {
    ShowSheet(sheet_ - 1);
    bar->setValue(bar->maximum());  // coming back up, the previous sheet shows its foot
  }
}

void SheetView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown:
      ShowSheet(sheet_ + 1);
      break;
    case Qt::Key_PageUp:
      ShowSheet(sheet_ - 1);
      break;
    case Qt::Key_Home:
      ShowSheet(1);
      break;
    case Qt::Key_End:
      ShowSheet(count_);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

std::optional<qint64> SheetView::LabelAt(const QPoint& point) const {
  if (page_sheet_ != sheet_ || dpi_ <= 0) return std::nullopt;
  const QPointF on_page = point - PageRect().topLeft();
  return LabelAtPoint(areas_, on_page * kTwipsPerInch / dpi_);
}

bool SheetView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<qint64> label = LabelAt(help->pos());
    if (label && tip_) {
      QToolTip::showText(help->globalPos(), tip_(*label), viewport());
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}
