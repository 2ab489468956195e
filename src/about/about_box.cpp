#include "about/about_box.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "about/about_text.h"
#include "model/units.h"
#include "print/painter_surface.h"
#include "widgets/control_place.h"
#include "widgets/screen_twips.h"
#include "widgets/single_window.h"
#include "widgets/window_placement.h"

namespace {

constexpr int kClientWidth = 6765;
constexpr int kClientHeight = 5310;
constexpr ControlPlace kButtonOkPlace{"button_ok", 2760, 4560, 1095, 495};

}  // namespace

AboutBox* AboutBox::ShowFor(QWidget* owner) {
  AboutBox* open =
      owner ? owner->findChild<AboutBox*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
  return ShowSingle(
      open, [owner] { return new AboutBox(owner); },
      // Now that the window system may have framed it, centre the whole window, frame included.
      [](AboutBox* box) { box->CentreOnScreen(); });
}

AboutBox::AboutBox(QWidget* parent) : QWidget(parent, Qt::Dialog), lines_(AboutLines()) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(tr("About..."));
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(ScreenTwips(kClientWidth), ScreenTwips(kClientHeight));

  button_ok_ = Place(new QPushButton(tr("ok啦!"), this), kButtonOkPlace);
  button_ok_->installEventFilter(this);
  // The only control, so first in the tab order: it has the focus whenever the box is active.
  button_ok_->setFocus();
  connect(button_ok_, &QPushButton::clicked, this, &QWidget::close);
  CloseOnEscape(this);

  CentreOnScreen();
}

void AboutBox::CentreOnScreen() {
  const QScreen* screen =
      parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect outer = frameGeometry();
  move(screen->availableGeometry().center() - QPoint(outer.width() / 2, outer.height() / 2));
}

double AboutBox::OuterWidthTwips() const {
  const int pixels = std::max(frameGeometry().width(), width());
  return PixelsToTwips(pixels, logicalDpiX());
}

void AboutBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PainterSurface surface(painter, OuterWidthTwips());
  DrawAboutText(surface, lines_);
}

void AboutBox::mousePressEvent(QMouseEvent* event) {
  update();
  QWidget::mousePressEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == button_ok_ && event->type() == QEvent::FocusIn) update();
  return QWidget::eventFilter(watched, event);
}
