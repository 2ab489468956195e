#include "preview/preview_window.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "model/fonts.h"
#include "model/label_grid.h"
#include "print/painter_surface.h"
#include "widgets/control_place.h"
#include "widgets/screen_twips.h"
#include "widgets/window_placement.h"

namespace {

constexpr int kClientWidth = 6315;
constexpr int kClientHeight = 4980;
constexpr int kBoxWidth = int(kStartGrid.width().value());  // one label
constexpr int kBoxHeight = 4080;

}  // namespace

PreviewBox::PreviewBox(QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette paper = palette();
  paper.setColor(QPalette::Window, Qt::white);
  paper.setColor(QPalette::WindowText, Qt::black);
  setPalette(paper);
}

void PreviewBox::ShowLabel(const PreviewLabel& label) {
  label_ = label;
  update();
}

void PreviewBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (!label_) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.translate(contentsRect().topLeft());
  painter.setPen(Qt::black);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  PainterSurface surface(painter, kBoxWidth);
  DrawPreview(*label_, surface);
}

PreviewWindow::PreviewWindow(Source source, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(std::move(source)) {
  setObjectName(QStringLiteral("show_preview"));
  setWindowTitle(tr("結果預覽"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(ScreenTwips(kClientWidth), ScreenTwips(kClientHeight));

  picture1_ = new PreviewBox(this);
  picture1_->setObjectName(QStringLiteral("Picture1"));
  picture1_->setGeometry(ScreenTwipsRect(240, 120, kBoxWidth, kBoxHeight));

  ok_ = new QPushButton(tr("回到主劃面"), this);
  ok_->setObjectName(QStringLiteral("ok"));
  ok_->setGeometry(ScreenTwipsRect(2280, 4320, 1695, 495));
  QFont font(kNewMingFont);
  font.setPointSizeF(15.75);
  ok_->setFont(font);
  connect(ok_, &QPushButton::clicked, this, &QWidget::close);
  CloseOnEscape(this);
}

void PreviewWindow::Redraw() {
  if (!source_) return;
  const PreviewLabel label = source_();
  FitToLabel(label);
  picture1_->ShowLabel(label);
}

void PreviewWindow::FitToLabel(const PreviewLabel& label) {
  // The box keeps its size unless a barcode or picture low on the label needs more; then the box
  // and the window grow by what is missing and the button moves down with them.
  const int inside = ScreenTwips(int(std::ceil(PreviewDepth(label)))) + 2 * picture1_->frameWidth();
  const int grow = std::max(0, inside - ScreenTwips(kBoxHeight));
  const QRect box = ScreenTwipsRect(240, 120, kBoxWidth, kBoxHeight);
  picture1_->setGeometry(box.adjusted(0, 0, 0, grow));
  ok_->setGeometry(ScreenTwipsRect(2280, 4320, 1695, 495).translated(0, grow));
  setFixedSize(ScreenTwips(kClientWidth), ScreenTwips(kClientHeight) + grow);
}

bool PreviewWindow::event(QEvent* event) {
  // Drawn when shown and each time the window becomes the active one: the template may have
  // changed in the main window meanwhile.
  if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) Redraw();
  return QWidget::event(event);
}
