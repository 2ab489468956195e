#include "print/barcode_painter.h"

#include <gtest/gtest.h>

#include "barcode/barcode_check.h"
#include "model/fonts.h"
#include "support/qt_printers.h"
#include "support/recording_surface.h"
#include "support/test_barcodes.h"

namespace {

// Keeps the font each text was drawn in, which the recording surface does not.
class FontRecordingSurface : public RecordingSurface {
 public:
  struct Font {
    QString name;
    double points;
    bool bold;
    bool operator==(const Font&) const = default;
  };
  QList<Font> fonts;

 protected:
  void DrawTextRun(double x, double y, const QString& text) override {
    fonts.append({font_name(), font_points(), font_bold()});
    RecordingSurface::DrawTextRun(x, y, text);
  }
};

class BarcodePainterTest : public testing::Test {
 protected:
  BarcodeEncoder encoder_;
};

TEST_F(BarcodePainterTest, DrawsAtTheLabelAndPlacementAndGivesTheFontBack) {
  const BarcodeSettings settings = TestBarcode(BarcodeKind::kCode128);
  FontRecordingSurface surface;
  surface.SetFont(kNewMingFont, 12, true);
  surface.SetX(1234);
  surface.SetY(567);
  const double label_left = 5760;
  const double label_top = 2 * kStartGrid.page_row_pitch().value();
  ASSERT_TRUE(DrawBarcode(surface, settings, u"4711"_qs, label_left, label_top, encoder_));

  const auto kept = encoder_.Encode(settings, u"4711"_qs).symbol;
  ASSERT_TRUE(kept);
  const BarcodeSymbol& symbol = *kept;
  // 5 mm and 10 mm by the label's factor, cut to whole twips like the picture's place.
  const QPointF origin(label_left + 288, label_top + 576);
  EXPECT_EQ(SymbolOffset(settings), QPointF(288, 576));
  const QList<QRectF> bars = symbol.Bars();
  ASSERT_EQ(surface.shapes().size(), bars.size());
  for (qsizetype i = 0; i < bars.size(); ++i) {
    EXPECT_EQ(surface.shapes()[i].kind, RecordingSurface::Shape::kRect);
    EXPECT_EQ(surface.shapes()[i].rect, bars[i].translated(origin));
    EXPECT_EQ(surface.shapes()[i].color, QColor(Qt::black));
  }
  ASSERT_EQ(surface.texts().size(), 1);
  EXPECT_EQ(surface.texts()[0].text, u"4711"_qs);
  EXPECT_DOUBLE_EQ(surface.texts()[0].x, origin.x() + symbol.texts[0].x);
  EXPECT_DOUBLE_EQ(surface.texts()[0].y, origin.y() + symbol.texts[0].y);
  ASSERT_EQ(surface.fonts.size(), 1);
  EXPECT_EQ(surface.fonts[0], (FontRecordingSurface::Font{kMingFont, kMaxTextPoints, false}));

  EXPECT_EQ(surface.font_name(), kNewMingFont);
  EXPECT_EQ(surface.font_points(), 12);
  EXPECT_TRUE(surface.font_bold());
  EXPECT_EQ(surface.x(), 1234);
  EXPECT_EQ(surface.y(), 567);
}

TEST_F(BarcodePainterTest, DrawsNothingWithoutAGoodSymbol) {
  RecordingSurface surface;
  EXPECT_FALSE(DrawBarcode(surface, TestBarcode(BarcodeKind::kNone), u"1"_qs, 0, 0, encoder_));
  EXPECT_FALSE(DrawBarcode(surface, TestBarcode(BarcodeKind::kCode128), u"中"_qs, 0, 0, encoder_));
  EXPECT_TRUE(surface.shapes().isEmpty());
  EXPECT_TRUE(surface.texts().isEmpty());
  EXPECT_EQ(surface.pages(), 0);

  // A QR code has no text, so the font is not even touched.
  surface.SetFont(kMingFont, 12);
  EXPECT_TRUE(DrawBarcode(surface, TestBarcode(BarcodeKind::kQrCode), u"臺灣"_qs, 0, 0, encoder_));
  EXPECT_FALSE(surface.shapes().isEmpty());
  EXPECT_TRUE(surface.texts().isEmpty());
}

}  // namespace
