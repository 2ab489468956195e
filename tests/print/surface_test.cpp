#include "print/surface.h"

#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/recording_surface.h"

namespace {

struct Step {
  int column;
  const char* text;
  bool line_end;
};

}  // namespace

TEST(Surface, PrintAtColumn) {
  const struct {
    const char* name;
    double x, y;  // print position before
    std::vector<Step> steps;
    int line, column;  // where the last text went
    double x_after, y_after;
  } cases[] = {
      {"fresh page", 0, 0, {{5, "AB", false}}, 0, 5, 6 * 120, 0},
      {"right of the position: same line",
       0,
       0,
       {{2, "A", false}, {10, "B", false}},
       0,
       10,
       10 * 120,
       0},
      {"just at the position: same line",
       0,
       0,
       {{1, "AB", false}, {3, "C", false}},
       0,
       3,
       3 * 120,
       0},
      {"left of the position: next line",
       0,
       0,
       {{5, "ABC", false}, {7, "D", false}},
       1,
       7,
       7 * 120,
       240},
      {"column 0 is column 1", 0, 0, {{0, "A", false}}, 0, 1, 120, 0},
      {"a negative column is column 1", 600, 0, {{-3, "A", false}}, 1, 1, 120, 240},
      {"line end", 0, 480, {{4, "AB", true}}, 2, 4, 0, 720},
      {"double-width characters take two columns", 0, 0, {{3, "台灣X", false}}, 0, 3, 7 * 120, 0},
      {"an empty text only moves", 0, 0, {{3, "A", false}, {9, "", false}}, 0, 3, 8 * 120, 0},
      {"an empty text left of the position moves to the next line",
       0,
       0,
       {{3, "A", false}, {1, "", false}, {1, "B", false}},
       1,
       1,
       120,
       240},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSurface surface;
    surface.SetFont(QStringLiteral("細明體"), 12);
    surface.SetX(c.x);
    surface.SetY(c.y);
    for (const Step& s : c.steps)
      surface.PrintAtColumn(s.column, QString::fromUtf8(s.text), s.line_end);
    ASSERT_FALSE(surface.texts().isEmpty());
    EXPECT_EQ(surface.texts().last().line, c.line);
    EXPECT_EQ(surface.texts().last().column, c.column);
    EXPECT_DOUBLE_EQ(surface.x(), c.x_after);
    EXPECT_DOUBLE_EQ(surface.y(), c.y_after);
  }
}

TEST(Surface, PrintLineAndTextWidth) {
  RecordingSurface surface;
  surface.SetFont(QStringLiteral("細明體"), 12);
  surface.SetX(600);
  surface.PrintLine(QStringLiteral("ABC"));
  ASSERT_EQ(surface.texts().size(), 1);
  EXPECT_DOUBLE_EQ(surface.texts()[0].x, 600);
  EXPECT_DOUBLE_EQ(surface.x(), 0);
  EXPECT_DOUBLE_EQ(surface.y(), 240);

  EXPECT_DOUBLE_EQ(surface.TextWidth(QStringLiteral("AB台灣")), 6 * 120);
  EXPECT_DOUBLE_EQ(surface.TextWidth(QStringLiteral("，")), 2 * 120);  // full-width comma
  surface.SetFont(QStringLiteral("細明體"), 9);
  EXPECT_DOUBLE_EQ(surface.TextWidth(QStringLiteral("AB台灣")), 6 * 90);
  EXPECT_DOUBLE_EQ(surface.LineHeight(), 180);
}

TEST(Surface, NewPageNeverPutsOutAnEmptySheet) {
  const struct {
    const char* name;
    const char* script;  // t: print a text, n: new page, e: end the document
    int sheets;
  } cases[] = {
      {"nothing printed", "nne", 0},
      {"new page before the first text", "nte", 1},
      {"new page after the last text", "tne", 1},
      {"two new pages in a row", "tnnte", 2},
      {"two documents", "tntetne", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingSurface surface;
    for (const char* s = c.script; *s; ++s) {
      if (*s == 't') surface.PrintAtColumn(5, QStringLiteral("X"), false);
      if (*s == 'n') surface.NewPage();
      if (*s == 'e') surface.EndDocument();
    }
    EXPECT_EQ(surface.sheets(), c.sheets);
  }
  // A new page starts at the top-left corner.
  RecordingSurface surface;
  surface.PrintAtColumn(5, QStringLiteral("X"), true);
  surface.NewPage();
  surface.PrintAtColumn(5, QStringLiteral("Y"), false);
  EXPECT_EQ(surface.texts().last(), (RecordingSurface::Text{2, 0, 5, QStringLiteral("Y"), 480, 0}));
}

TEST(Surface, ShapesStartTheirPageAndAreRecorded) {
  RecordingSurface surface;
  surface.FillRect(QRectF(10, 20, 30, 40));
  surface.FillRect(QRectF(10, 20, 0, 40));  // empty: nothing
  surface.NewPage();
  surface.DrawLine(QLineF(0, 0, 100, 0), 5);
  surface.DrawLine(QLineF(0, 0, 100, 0), 0);  // no width: nothing
  surface.NewPage();
  surface.FillRects({QRectF(1, 2, 0, 4)});  // only empty ones: nothing, not even a page
  surface.FillRects({QRectF(1, 2, 3, 4), QRectF(5, 6, 0, 8), QRectF(9, 10, 11, 12)}, Qt::red);
  surface.EndDocument();
  using Shape = RecordingSurface::Shape;
  ASSERT_EQ(surface.shapes().size(), 4);
  EXPECT_EQ(surface.shapes()[0], (Shape{1, Shape::kRect, QRectF(10, 20, 30, 40), 0, Qt::black}));
  EXPECT_EQ(surface.shapes()[1], (Shape{2, Shape::kLine, QRectF(0, 0, 100, 0), 5, Qt::black}));
  EXPECT_EQ(surface.shapes()[2], (Shape{3, Shape::kRect, QRectF(1, 2, 3, 4), 0, Qt::red}));
  EXPECT_EQ(surface.shapes()[3], (Shape{3, Shape::kRect, QRectF(9, 10, 11, 12), 0, Qt::red}));
  EXPECT_EQ(surface.sheets(), 3);
}
