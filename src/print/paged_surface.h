#pragma once

#include <QPainter>

#include "print/painter_surface.h"

class QPagedPaintDevice;

namespace paged_surface_detail {
// Holds the painter so that it exists before the PainterSurface that refers to it.
struct PainterHolder {
  QPainter device_painter;
};
}  // namespace paged_surface_detail

// A surface over a paged device: a printer or a PDF writer. The painter begins with the first
// drawing and each later page is started only when something is drawn on it, so a run never puts
// out an empty sheet, and a run that draws nothing opens no document at all.
class PagedSurface : private paged_surface_detail::PainterHolder, public PainterSurface {
 public:
  explicit PagedSurface(QPagedPaintDevice& device);
  ~PagedSurface() override;

  // True once the device refused to begin or to start a page, or failed to finish the document.
  bool failed() const { return failed_; }
  // True once a document has been begun on the device.
  bool begun() const { return begun_; }

 protected:
  void StartPage(int page) override;
  void FinishDocument() override;

 private:
  QPagedPaintDevice& device_;
  bool failed_ = false;
  bool begun_ = false;
};
