#include "barcode/barcode_symbol.h"

#include <gtest/gtest.h>
#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "barcode/barcode_content.h"
#include "support/qt_printers.h"

namespace {

class BarcodeSymbolTest : public testing::Test {
 protected:
  static BarcodeSettings Settings(BarcodeKind kind, double height_mm = 15,
                                  double module_mm = 0.33) {
    BarcodeSettings settings;
    settings.kind = kind;
    settings.height_mm = height_mm;
    settings.module_mm = module_mm;
    return settings;
  }

  const BarcodeSymbol& Encode(const BarcodeSettings& settings, const QString& content) {
    encoded_ = encoder_.Encode(settings, content);
    EXPECT_EQ(encoded_.failure, EncodeFailure::kNone) << encoded_.detail.toStdString();
    if (!encoded_.symbol) {
      static const BarcodeSymbol kEmpty;
      return kEmpty;
    }
    return *encoded_.symbol;
  }

  // Every bar starts and ends on the module grid that begins at the quiet zone.
  static void ExpectOnModuleGrid(const BarcodeSymbol& symbol, bool rows_too) {
    const auto on_grid = [&](double twips) {
      const double modules = twips / symbol.module;
      return std::abs(modules - std::round(modules)) < 1e-3;
    };
    for (const QRectF& bar : symbol.Bars()) {
      EXPECT_TRUE(on_grid(bar.left() - symbol.quiet_zone)) << bar.left();
      EXPECT_TRUE(on_grid(bar.width())) << bar.width();
      if (rows_too) {
        EXPECT_TRUE(on_grid(bar.top() - symbol.quiet_zone)) << bar.top();
        EXPECT_TRUE(on_grid(bar.height())) << bar.height();
      }
    }
  }

  static QRectF Bounds(const BarcodeSymbol& symbol) {
    QRectF bounds;
    for (const QRectF& bar : symbol.Bars()) bounds |= bar;
    return bounds;
  }

  BarcodeEncoder encoder_;
  EncodedSymbol encoded_;
};

constexpr double kMm = kSymbolTwipsPerMm;

TEST_F(BarcodeSymbolTest, Code128HasItsModuleWidthQuietZonesHeightAndTextBelow) {
  // Start B, "1", check character: 11 modules each; the stop pattern 13.
  const BarcodeSymbol& symbol = Encode(Settings(BarcodeKind::kCode128, 15, 0.33), u"1"_qs);
  EXPECT_EQ(symbol.modules, 46);
  EXPECT_NEAR(symbol.module, 0.33 * kMm, 1e-9);
  EXPECT_NEAR(symbol.quiet_zone, 10 * symbol.module, 1e-6);
  EXPECT_NEAR(symbol.width, (46 + 20) * symbol.module, 1e-6);
  ExpectOnModuleGrid(symbol, false);
  const QRectF bars = Bounds(symbol);
  EXPECT_NEAR(bars.left(), symbol.quiet_zone, 1e-6);
  EXPECT_NEAR(bars.width(), 46 * symbol.module, 1e-6);
  EXPECT_DOUBLE_EQ(bars.top(), 0);
  EXPECT_NEAR(bars.height(), 15 * kMm, 1e-6);
  for (const QRectF& bar : symbol.Bars()) EXPECT_NEAR(bar.height(), 15 * kMm, 1e-6);

  ASSERT_EQ(symbol.texts.size(), 1);
  const BarcodeText& text = symbol.texts[0];
  EXPECT_EQ(text.text, u"1"_qs);
  EXPECT_EQ(text.points, kMaxTextPoints);
  EXPECT_DOUBLE_EQ(text.width, text.points * 10);
  EXPECT_NEAR(text.x + text.width / 2, bars.center().x(), 1e-6);
  EXPECT_NEAR(text.y, bars.bottom() + symbol.module, 1e-6);
  EXPECT_NEAR(symbol.height, text.y + text.points * 20, 1e-6);
}

TEST_F(BarcodeSymbolTest, TheTextShrinksToTheBarsButNeverPastThem) {
  const struct {
    const char* name;
    BarcodeKind kind;
    const char* content;
    double module_mm;
    double points;
  } cases[] = {
      // Start C, FNC1, ten digit pairs, check, stop: 156 modules of 0.33 mm hold 22 cells of 13
      // points; the line stays at its largest size.
      {"SSCC", BarcodeKind::kSscc, "(00)106141411234567897", 0.33, kMaxTextPoints},
      // Start B, ten characters, check, stop: 145 modules of 0.1 mm = 822 twips for 10 cells.
      {"narrow", BarcodeKind::kCode128, "ABCDEFGHIJ", 0.1, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const BarcodeSymbol& symbol =
        Encode(Settings(c.kind, 15, c.module_mm), QString::fromUtf8(c.content));
    ASSERT_EQ(symbol.texts.size(), 1);
    EXPECT_EQ(symbol.texts[0].text, QString::fromUtf8(c.content));
    EXPECT_EQ(symbol.texts[0].points, c.points);
    EXPECT_LE(symbol.texts[0].width, symbol.modules * symbol.module);
    EXPECT_GE(symbol.texts[0].x, symbol.quiet_zone);
  }
}

TEST_F(BarcodeSymbolTest, QrCodeIsSquareWithTheConfiguredHeightAndNoText) {
  for (const QString& content : {u"ABC"_qs, u"臺灣製造 C/NO. 12"_qs}) {
    SCOPED_TRACE(content.toStdString());
    const BarcodeSymbol& symbol = Encode(Settings(BarcodeKind::kQrCode, 20, 0.33), content);
    const QRectF modules = Bounds(symbol);
    EXPECT_NEAR(modules.width(), 20 * kMm, 1e-6);
    EXPECT_NEAR(modules.height(), 20 * kMm, 1e-6);
    EXPECT_NEAR(symbol.module * symbol.modules, 20 * kMm, 1e-6);
    EXPECT_NEAR(symbol.quiet_zone, 4 * symbol.module, 1e-6);
    EXPECT_NEAR(modules.left(), symbol.quiet_zone, 1e-6);
    EXPECT_NEAR(modules.top(), symbol.quiet_zone, 1e-6);
    EXPECT_NEAR(symbol.width, symbol.height, 1e-6);
    EXPECT_NEAR(symbol.width, (symbol.modules + 8) * symbol.module, 1e-6);
    EXPECT_TRUE(symbol.texts.isEmpty());
    ExpectOnModuleGrid(symbol, true);
  }
  // Version 1 is 21 modules; the Chinese text with its ECI needs version 2, 25 modules.
  EXPECT_EQ(Encode(Settings(BarcodeKind::kQrCode), u"ABC"_qs).modules, 21);
}

TEST_F(BarcodeSymbolTest, RefusalsSayWhy) {
  const struct {
    const char* name;
    BarcodeKind kind;
    QString content;
    EncodeFailure failure;
  } cases[] = {
      {"Chinese in Code 128", BarcodeKind::kCode128, u"C/NO. 中"_qs,
       EncodeFailure::kInvalidCharacter},
      {"empty", BarcodeKind::kCode128, QString(), EncodeFailure::kEmpty},
      {"Code 128 too long", BarcodeKind::kCode128, QString(300, u'A'), EncodeFailure::kTooLong},
      {"QR too long", BarcodeKind::kQrCode, QString(2000, u'臺'), EncodeFailure::kTooLong},
      // libzint checks the SSCC's check digit itself: a wrong one is refused, not printed.
      {"SSCC check digit", BarcodeKind::kSscc, u"(00)106141411234567890"_qs, EncodeFailure::kOther},
      {"SSCC too short", BarcodeKind::kSscc, u"(00)10614141123456789"_qs, EncodeFailure::kOther},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const EncodedSymbol encoded = encoder_.Encode(Settings(c.kind), c.content);
    EXPECT_FALSE(encoded.symbol);
    EXPECT_EQ(encoded.failure, c.failure) << encoded.detail.toStdString();
  }
  // Latin-1 is Code 128's own.
  EXPECT_TRUE(encoder_.Encode(Settings(BarcodeKind::kCode128), u"Größe"_qs).symbol);
}

// An independent check of the SSCC composition: libzint validates AI (00) and its check digit.
TEST_F(BarcodeSymbolTest, LibzintAcceptsEveryComposedSscc) {
  for (const char* prefix : {"0614141", "47123456", "471234567", "4712345678"}) {
    const int serial_digits = SerialDigits(int(qstrlen(prefix)));
    for (int64_t carton : {int64_t(0), int64_t(1), int64_t(37), int64_t(99999),
                           int64_t(std::pow(10, serial_digits)) - 1}) {
      const auto sscc = ComposeSscc(7, QString::fromLatin1(prefix), carton);
      ASSERT_TRUE(sscc.has_value());
      const EncodedSymbol encoded =
          encoder_.Encode(Settings(BarcodeKind::kSscc), QStringLiteral("(00)") + *sscc);
      EXPECT_TRUE(encoded.symbol) << prefix << " " << carton << ": "
                                  << encoded.detail.toStdString();
    }
  }
}

// What libzint's own vector drawing of a content shows: the dark modules by (row, column) from the
// symbol's corner (a linear code's all in row 0), its size in modules with the quiet zones, and its
// text. The oracle for the symbols built from libzint's module matrix.
struct Drawn {
  std::set<std::pair<int, int>> dark;
  int columns = 0;
  int rows = 0;
  QString text;
};

Drawn DrawnByLibzint(BarcodeKind kind, const QString& content) {
  const std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> zint(ZBarcode_Create(),
                                                                  ZBarcode_Delete);
  const bool linear = kind != BarcodeKind::kQrCode;
  zint->output_options = BARCODE_QUIET_ZONES;
  zint->symbology = kind == BarcodeKind::kCode128 ? BARCODE_CODE128
                    : kind == BarcodeKind::kSscc  ? BARCODE_GS1_128
                                                  : BARCODE_QRCODE;
  zint->input_mode = kind == BarcodeKind::kSscc ? GS1_MODE | GS1PARENS_MODE : UNICODE_MODE;
  const QByteArray data = content.toUtf8();
  zint->option_1 = linear ? 0 : 2;                                // level M
  zint->eci = !linear && data.size() != content.size() ? 26 : 0;  // UTF-8 beyond ASCII
  EXPECT_LT(ZBarcode_Encode_and_Buffer_Vector(
                zint.get(), reinterpret_cast<const unsigned char*>(data.constData()),
                int(data.size()), 0),
            ZINT_ERROR);
  Drawn drawn;
  if (!zint->vector) return drawn;
  float left = zint->vector->width, right = 0;
  for (const zint_vector_rect* r = zint->vector->rectangles; r; r = r->next) {
    left = std::min(left, r->x);
    right = std::max(right, r->x + r->width);
  }
  const float module = (right - left) / zint->width;  // in libzint's units
  const auto modules = [&](float units) { return int(std::lround(units / module)); };
  for (const zint_vector_rect* r = zint->vector->rectangles; r; r = r->next) {
    for (int row = linear ? 0 : modules(r->y); row < (linear ? 1 : modules(r->y + r->height));
         ++row) {
      for (int c = modules(r->x); c < modules(r->x + r->width); ++c) drawn.dark.insert({row, c});
    }
  }
  drawn.columns = modules(zint->vector->width);
  drawn.rows = modules(zint->vector->height);  // a linear code's text and all
  for (const zint_vector_string* s = zint->vector->strings; s; s = s->next) {
    drawn.text += QString::fromUtf8(reinterpret_cast<const char*>(s->text)).trimmed();
  }
  return drawn;
}

TEST_F(BarcodeSymbolTest, SymbolsHoldTheModulesOfLibzintsOwnDrawing) {
  const struct {
    BarcodeKind kind;
    QString content;
    double module_mm = 0.33;
  } cases[] = {
      {BarcodeKind::kCode128, u"1"_qs},
      {BarcodeKind::kCode128, u"C/NO. 12345 P/NO. 7"_qs},
      {BarcodeKind::kCode128, u"Größe 4711"_qs, 0.25},
      {BarcodeKind::kCode128, u"00012345678901234567"_qs, 0.5},
      {BarcodeKind::kSscc, u"(00)106141411234567897"_qs},
      {BarcodeKind::kSscc, QStringLiteral("(00)") + *ComposeSscc(0, u"4712345"_qs, 32766), 0.495},
      {BarcodeKind::kQrCode, u"ABC"_qs},
      {BarcodeKind::kQrCode, u"臺灣製造 PO4711 C/NO. 12 P/NO. 2"_qs},
      {BarcodeKind::kQrCode,
       u"https://example.com/PO4711?carton=12345&pallet=1234 "_qs.repeated(6)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content.toStdString());
    const BarcodeSymbol& symbol = Encode(Settings(c.kind, 20, c.module_mm), c.content);
    const Drawn expected = DrawnByLibzint(c.kind, c.content);
    std::set<std::pair<int, int>> dark;
    for (const QRect& cells : symbol.grid) {
      for (int row = cells.top(); row <= cells.bottom(); ++row) {
        for (int column = cells.left(); column <= cells.right(); ++column) {
          EXPECT_TRUE(dark.insert({row, column}).second) << "twice: " << row << " " << column;
        }
      }
    }
    EXPECT_EQ(dark, expected.dark);
    EXPECT_NEAR(symbol.width, expected.columns * symbol.module, 1e-6);
    const bool qr = c.kind == BarcodeKind::kQrCode;
    EXPECT_DOUBLE_EQ(symbol.unit.height(), qr ? symbol.module : 20 * kMm);
    if (qr) {
      EXPECT_NEAR(symbol.height, expected.rows * symbol.module, 1e-6);
    }
    EXPECT_EQ(symbol.texts.isEmpty() ? QString() : symbol.texts[0].text, expected.text);
  }
}

TEST_F(BarcodeSymbolTest, SymbolsEncodedAheadAreThoseOfTheContentsAskedFor) {
  const BarcodeSettings qr = Settings(BarcodeKind::kQrCode);
  QStringList contents;
  for (int carton = 1; carton <= 150; ++carton) contents << u"C/NO. %1"_qs.arg(carton);
  contents << u"C/NO. 7"_qs << QString();  // a content again, and one that cannot be encoded
  const auto in_order = [contents = std::as_const(contents), next = qsizetype(0)]() mutable {
    return next < contents.size() ? std::optional(contents[next++]) : std::nullopt;
  };
  const auto grid = [](const EncodedSymbol& e) {
    return e.symbol ? e.symbol->grid : QList<QRect>();
  };
  BarcodeEncoder ahead;
  BarcodeEncoder astray;
  ahead.EncodeAhead(qr, {}, in_order);
  astray.EncodeAhead(qr, {}, in_order);
  // Asked for another content than the next, an encoder gives up going ahead and does the work.
  EXPECT_EQ(grid(astray.Encode(qr, u"C/NO. 2"_qs)), grid(encoder_.Encode(qr, u"C/NO. 2"_qs)));
  for (const QString& content : std::as_const(contents) + QStringList{u"C/NO. 3"_qs}) {
    const EncodedSymbol expected = encoder_.Encode(qr, content);
    for (BarcodeEncoder* encoder : {&ahead, &astray}) {
      const EncodedSymbol got = encoder->Encode(qr, content);
      EXPECT_EQ(got.failure, expected.failure) << content.toStdString();
      EXPECT_EQ(grid(got), grid(expected)) << content.toStdString();
    }
  }
  EXPECT_EQ(ahead.encoded(), 1);  // all but the last were done ahead
}

TEST_F(BarcodeSymbolTest, KeepsSymbolsByContent) {
  const BarcodeSettings qr = Settings(BarcodeKind::kQrCode);
  encoder_.Encode(qr, u"PO4711"_qs);
  encoder_.Encode(qr, u"PO4711"_qs);
  EXPECT_EQ(encoder_.encoded(), 1);
  BarcodeSettings other_module = qr;
  other_module.module_mm = 0.5;  // means nothing to a QR code
  encoder_.Encode(other_module, u"PO4711"_qs);
  EXPECT_EQ(encoder_.encoded(), 1);
  BarcodeSettings taller = qr;
  taller.height_mm = 30;
  const EncodedSymbol tall = encoder_.Encode(taller, u"PO4711"_qs);
  EXPECT_EQ(encoder_.encoded(), 2);
  EXPECT_NEAR(tall.symbol->module * tall.symbol->modules, 30 * kMm, 1e-6);

  // Reusing libzint's symbol leaves nothing of the last encoding behind: after a QR code with its
  // ECI and an SSCC, a Code 128 comes out as from a fresh encoder.
  encoder_.Encode(qr, u"臺灣"_qs);
  encoder_.Encode(Settings(BarcodeKind::kSscc), u"(00)106141411234567897"_qs);
  const EncodedSymbol reused = encoder_.Encode(Settings(BarcodeKind::kCode128), u"PO-12"_qs);
  BarcodeEncoder fresh;
  const EncodedSymbol first = fresh.Encode(Settings(BarcodeKind::kCode128), u"PO-12"_qs);
  ASSERT_TRUE(reused.symbol && first.symbol);
  EXPECT_EQ(reused.symbol->grid, first.symbol->grid);
  EXPECT_EQ(reused.symbol->texts, first.symbol->texts);
  EXPECT_EQ(reused.symbol->height, first.symbol->height);
}

}  // namespace
