#pragma once

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include "print/picture_file.h"

// Where a label's grid lands on the surface: a point (x, y) of the grid is drawn at
// `offset` + `scale` × (x, y). A label on a stock of another size is the same label drawn
// uniformly scaled, its texts, picture and barcode together.
struct GridPlacement {
  QPointF offset;
  double scale = 1;

  QPointF Map(const QPointF& point) const { return offset + point * scale; }
  QRectF Map(const QRectF& rect) const { return QRectF(Map(rect.topLeft()), rect.size() * scale); }

  bool operator==(const GridPlacement&) const = default;
};

// A drawing surface: a printed page, the preview box, the picture thumbnail or the About box.
// Positions are twips (1/1440 inch) from the surface's top-left corner. Text is laid out on a grid
// of character columns and lines of the current font: a column is half the font's size (120 twips
// at 12 points), a line its size (240 twips). A character two columns wide takes two cells.
//
// The grid rules live here, once; an implementation only draws a text run into its cells, draws a
// picture into a rectangle and starts a page.
class Surface {
 public:
  virtual ~Surface() = default;

  void SetFont(const QString& name, double points, bool bold = false);
  void SetBold(bool bold) { font_bold_ = bold; }
  const QString& font_name() const { return font_name_; }
  double font_points() const { return font_points_; }
  bool font_bold() const { return font_bold_; }
  double ColumnWidth() const { return font_points_ * 10.0; }
  double LineHeight() const { return font_points_ * 20.0; }

  // Characters printed from now on take `factor` times their cells across and down, drawn in the
  // font at `factor` times its size: a 放大 row's take twice. The grid stays the font's: a text
  // still starts at its column and on its line, and the position moves on past its wider cells.
  void SetMagnification(int factor) { magnification_ = factor; }
  int magnification() const { return magnification_; }

  // Everything drawn from now on is placed by `placement`: moved (a label's place on its stock, a
  // printer's fit to it) and scaled. The print position and the grid stay in the grid's own twips;
  // an implementation gets the rectangles and points placed, and draws a text run's cells and font
  // `scale()` times their size.
  void SetPlacement(const GridPlacement& placement) { placement_ = placement; }
  const GridPlacement& placement() const { return placement_; }
  double scale() const { return placement_.scale; }

  // The print position.
  double x() const { return x_; }
  double y() const { return y_; }
  void SetX(double x) { x_ = x; }
  void SetY(double y) { y_ = y; }

  // Prints `text` at column `column` (columns count from 1; below 1 means 1). When the position is
  // already past that column, the text goes to that column of the next line. With `line_end` the
  // position then moves to the start of the next line; otherwise it stays just after the text.
  void PrintAtColumn(int column, const QString& text, bool line_end);

  // Prints `text` at the current x, then moves to x 0 of the next line.
  void PrintLine(const QString& text);

  // Width of `text` in the current font and magnification, in twips: its display width in
  // columns, times the magnification.
  double TextWidth(const QString& text) const;

  // Outer width of the window or box, in twips.
  virtual double SurfaceWidth() const = 0;

  // Draws the whole picture scaled into the rectangle (twips). An empty picture draws nothing.
  void DrawPicture(const Picture& picture, double x, double y, double width, double height);

  // Marks that are not text (barcode bars and modules, outlines and rulers, shading), in twips, on
  // the current page like text. The print position stays where it is.
  void FillRect(const QRectF& twips, const QColor& color = Qt::black);
  // Many rectangles of one colour in one go, like a barcode's bars: a PDF keeps them as one path
  // instead of a fill with its own colour each. Empty rectangles are left out.
  void FillRects(const QList<QRectF>& twips, const QColor& color = Qt::black);
  void DrawLine(const QLineF& twips, double width_twips, const QColor& color = Qt::black);
  // Rectangles on a grid of `unit` twips whose corner is at `corner` (a barcode's modules), in one
  // go: a PDF gets them as one path of small whole numbers.
  void FillGrid(const QList<QRect>& cells, const QPointF& corner, const QSizeF& unit,
                const QColor& color = Qt::black);

  // Draws `text` in the current font's cells with its top-left corner at (x, y) twips of the
  // grid, without moving the print position.
  void DrawTextAt(double x, double y, const QString& text);

  // Later output starts on a new sheet, at the top; a page on which nothing is drawn never comes
  // out as an empty sheet.
  void NewPage();

  // Ends the document; the job goes to the printer.
  void EndDocument();

  // Pages that have been started, for a surface with pages.
  int pages() const { return pages_; }

 protected:
  // Draws `text` with its top-left corner at (x, y) twips, one character a cell of ColumnWidth()
  // times magnification() times scale(), a double-width character in two cells.
  virtual void DrawTextRun(double x, double y, const QString& text) = 0;
  virtual void DrawImage(const Picture& picture, const QRectF& twips) = 0;
  virtual void DrawFilledRect(const QRectF& twips, const QColor& color) = 0;
  // By default one DrawFilledRect a rectangle.
  virtual void DrawFilledRects(const QList<QRectF>& twips, const QColor& color);
  virtual void DrawStroke(const QLineF& twips, double width_twips, const QColor& color) = 0;
  // By default the rectangles in twips, through DrawFilledRects.
  virtual void DrawFilledGrid(const QList<QRect>& cells, const QPointF& corner, const QSizeF& unit,
                              const QColor& color);
  // A text placed by DrawTextAt rather than on the label's grid (a barcode's digits); by default
  // drawn as any other.
  virtual void DrawPlacedText(double x, double y, const QString& text) { DrawTextRun(x, y, text); }
  // Starts sheet number `page` (from 1). The first sheet is started by the first drawing.
  virtual void StartPage(int page) { (void)page; }
  virtual void FinishDocument() {}

 private:
  void BeforeDrawing();

  GridPlacement placement_;
  QString font_name_;
  double font_points_ = 12.0;
  bool font_bold_ = false;
  int magnification_ = 1;
  double x_ = 0;
  double y_ = 0;
  bool page_wanted_ = true;  // the next drawing starts a page
  int pages_ = 0;
};
