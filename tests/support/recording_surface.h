#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

#include "model/label_grid.h"
#include "print/surface.h"

// A surface that keeps what is drawn on it, for tests: every text with its page, line and column,
// every picture with its rectangle.
// A text's line and column are those of its top-left corner on the grid, whatever its size.
class RecordingSurface : public Surface {
 public:
  struct Text {
    int page;    // from 1
    int line;    // from 0: y / line height
    int column;  // from 1: x / column width + 1
    QString text;
    double x, y;       // twips
    double scale = 1;  // of its cells and font: the label's scale on its stock
    bool bold = false;
    int magnification = 1;  // 2 for a 放大 row's characters

    bool operator==(const Text&) const = default;
  };
  struct Image {
    int page;
    QRectF rect;        // twips
    int width, height;  // the picture's natural size

    bool operator==(const Image&) const = default;
  };

  // A filled rectangle, or a line with its width (rect holds the line's two ends as its corners).
  struct Shape {
    enum Kind { kRect, kLine };
    int page;
    Kind kind;
    QRectF rect;  // twips
    double width;
    QColor color;

    bool operator==(const Shape&) const = default;
  };

  explicit RecordingSurface(double width = kStartGrid.width().value()) : width_(width) {}

  double SurfaceWidth() const override { return width_; }

  const QList<Text>& texts() const { return texts_; }
  const QList<Image>& images() const { return images_; }
  const QList<Shape>& shapes() const { return shapes_; }
  int finished_documents() const { return finished_; }
  // Sheets put out by finished documents, all documents together.
  int sheets() const { return sheets_; }

  // The texts of one page.
  QList<Text> TextsOn(int page) const;

 protected:
  void DrawTextRun(double x, double y, const QString& text) override;
  void DrawImage(const Picture& picture, const QRectF& twips) override;
  void DrawFilledRect(const QRectF& twips, const QColor& color) override;
  void DrawStroke(const QLineF& twips, double width_twips, const QColor& color) override;
  void StartPage(int page) override;
  void FinishDocument() override;

 private:
  double width_;
  int current_page_ = 0;
  int finished_ = 0;
  int sheets_ = 0;
  QList<Text> texts_;
  QList<Image> images_;
  QList<Shape> shapes_;
};
