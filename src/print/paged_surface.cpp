#include "print/paged_surface.h"

#include <QPagedPaintDevice>

#include "model/units.h"

namespace {

double WidthTwips(const QPagedPaintDevice& device) {
  return PixelsToTwips(device.width(), device.logicalDpiX());
}

}  // namespace

PagedSurface::PagedSurface(QPagedPaintDevice& device)
    : PainterSurface(device_painter, device, WidthTwips(device)), device_(device) {}

PagedSurface::~PagedSurface() {
  if (device_painter.isActive()) device_painter.end();
}

void PagedSurface::StartPage(int /*page*/) {
  if (failed_) return;
  if (!begun_) {
    // The device's first page comes with begin(); every later one must be asked for.
    begun_ = true;
    if (!device_painter.begin(&device_)) {
      failed_ = true;
      return;
    }
    // A logo's sharp edges must not blur into JPEG noise on the label.
    device_painter.setRenderHint(QPainter::LosslessImageRendering);
    return;
  }
  if (!device_.newPage()) failed_ = true;
}

void PagedSurface::FinishDocument() {
  if (device_painter.isActive() && !device_painter.end()) failed_ = true;
}
