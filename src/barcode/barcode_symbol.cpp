#include "barcode/barcode_symbol.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/display_width.h"

namespace {

// Enough for every label of a few sheets in the preview; a run of distinct numbers passes through
// and the cache is simply started afresh.
constexpr qsizetype kKeptSymbols = 256;

// QR error correction level M: a scuffed carton corner still scans, and the symbol stays small.
constexpr int kQrLevelM = 2;
// The ECI that tells a reader the bytes are UTF-8. Without it a reader guesses, and zbarimg reads
// "Größe" in Latin-1 as Shift JIS.
constexpr int kEciUtf8 = 26;

bool IsAscii(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

EncodeFailure FailureOf(int code, BarcodeKind kind) {
  switch (code) {
    case ZINT_ERROR_TOO_LONG:
      return EncodeFailure::kTooLong;
    case ZINT_ERROR_INVALID_DATA:
      // For GS1-128 it means a malformed element string, not a character the clerk typed.
      return kind == BarcodeKind::kSscc ? EncodeFailure::kOther : EncodeFailure::kInvalidCharacter;
    default:
      return EncodeFailure::kOther;
  }
}

struct Extent {
  double left = std::numeric_limits<double>::max();
  double top = std::numeric_limits<double>::max();
  double right = std::numeric_limits<double>::lowest();
  double bottom = std::numeric_limits<double>::lowest();
};

Extent DarkExtent(const zint_vector& vector) {
  Extent extent;
  for (const zint_vector_rect* r = vector.rectangles; r; r = r->next) {
    extent.left = std::min<double>(extent.left, r->x);
    extent.top = std::min<double>(extent.top, r->y);
    extent.right = std::max<double>(extent.right, r->x + r->width);
    extent.bottom = std::max<double>(extent.bottom, r->y + r->height);
  }
  return extent;
}

// The human-readable line below the bars: the largest size up to kMaxTextPoints, in half points,
// at which the text is no wider than the bars, centred under them.
BarcodeText TextBelowBars(const QString& text, const BarcodeSymbol& symbol, double bars_height) {
  const int cells = std::max(DisplayWidth(text), 1);
  const double bars_width = symbol.modules * symbol.module;
  const double fitting = std::floor(bars_width / (cells * 10.0) * 2.0) / 2.0;
  BarcodeText line;
  line.text = text;
  line.points = std::clamp(fitting, 0.5, kMaxTextPoints);
  line.width = cells * line.points * 10.0;
  line.x = symbol.quiet_zone + (bars_width - line.width) / 2.0;
  // One module of space, as the linear symbologies ask between bars and text; the font's own
  // leading above its digits adds a little more.
  line.y = bars_height + symbol.module;
  return line;
}

}  // namespace

BarcodeEncoder::BarcodeEncoder() : zint_(ZBarcode_Create()) {}

BarcodeEncoder::~BarcodeEncoder() {
  if (zint_) ZBarcode_Delete(zint_);
}

EncodedSymbol BarcodeEncoder::Encode(const BarcodeSettings& settings, const QString& content) {
  // The module width means nothing to a QR code: changing it must not miss the kept symbol.
  const Key key{settings.kind, settings.height_mm, IsLinear(settings.kind) ? settings.module_mm : 0,
                content};
  const auto found = kept_.constFind(key);
  if (found != kept_.constEnd()) return *found;
  EncodedSymbol result = EncodeNew(settings, content);
  if (kept_.size() >= kKeptSymbols) kept_.clear();
  kept_.insert(key, result);
  return result;
}

EncodedSymbol BarcodeEncoder::EncodeNew(const BarcodeSettings& settings, const QString& content) {
  if (settings.kind == BarcodeKind::kNone) return {nullptr, EncodeFailure::kOther, QString()};
  if (content.isEmpty()) return {nullptr, EncodeFailure::kEmpty, QString()};
  if (!zint_) return {nullptr, EncodeFailure::kOther, QStringLiteral("libzint: no memory")};
  ++encoded_;

  ZBarcode_Clear(zint_);
  zint_->height = 0;  // libzint's default; the bars are scaled to the configured height below
  zint_->scale = 1;
  zint_->whitespace_width = 0;
  zint_->whitespace_height = 0;
  zint_->border_width = 0;
  zint_->output_options = BARCODE_QUIET_ZONES;
  zint_->option_1 = 0;
  zint_->option_2 = 0;
  zint_->option_3 = 0;
  zint_->eci = 0;
  // A warning (a wrong GS1 check digit, a symbol that is not to the standard) is a refusal too:
  // a label must never carry a code that a dock's scanner might reject.
  zint_->warn_level = WARN_FAIL_ALL;
  switch (settings.kind) {
    case BarcodeKind::kCode128:
      zint_->symbology = BARCODE_CODE128;
      zint_->input_mode = UNICODE_MODE;
      zint_->show_hrt = 1;
      break;
    case BarcodeKind::kSscc:
      zint_->symbology = BARCODE_GS1_128;
      zint_->input_mode = GS1_MODE | GS1PARENS_MODE;
      zint_->show_hrt = 1;
      break;
    case BarcodeKind::kQrCode:
      zint_->symbology = BARCODE_QRCODE;
      zint_->input_mode = UNICODE_MODE;
      zint_->show_hrt = 0;
      zint_->option_1 = kQrLevelM;
      if (!IsAscii(content)) zint_->eci = kEciUtf8;
      break;
    case BarcodeKind::kNone:
      break;
  }
  const QByteArray data = content.toUtf8();
  const int code = ZBarcode_Encode_and_Buffer_Vector(
      zint_, reinterpret_cast<const unsigned char*>(data.constData()), int(data.size()), 0);
  if (code >= ZINT_ERROR || !zint_->vector || !zint_->vector->rectangles || zint_->width <= 0) {
    return {nullptr, code >= ZINT_ERROR ? FailureOf(code, settings.kind) : EncodeFailure::kOther,
            QString::fromUtf8(zint_->errtxt)};
  }

  const zint_vector& vector = *zint_->vector;
  const Extent dark = DarkExtent(vector);
  // libzint's vector unit is a fraction of a module that its version chooses; the dark area spans
  // exactly the symbol's modules (a linear code starts and ends with a bar, a QR code with its
  // finder patterns), which gives the unit.
  const double units_per_module = (dark.right - dark.left) / zint_->width;
  if (!(units_per_module > 0)) return {nullptr, EncodeFailure::kOther, QString()};

  auto symbol = std::make_shared<BarcodeSymbol>();
  symbol->modules = zint_->width;
  const double height = settings.height_mm * kSymbolTwipsPerMm;
  const bool linear = IsLinear(settings.kind);
  symbol->module = linear ? settings.module_mm * kSymbolTwipsPerMm : height / zint_->rows;
  const double scale = symbol->module / units_per_module;
  symbol->quiet_zone = dark.left * scale;
  symbol->width = vector.width * scale;
  symbol->bars.reserve(128);
  if (linear) {
    // Bars run from the top to the configured height, whatever height libzint gave them.
    const double bars_units = dark.bottom - dark.top;
    for (const zint_vector_rect* r = vector.rectangles; r; r = r->next) {
      symbol->bars.append(QRectF(r->x * scale, (r->y - dark.top) / bars_units * height,
                                 r->width * scale, r->height / bars_units * height));
    }
    symbol->height = height;
    for (const zint_vector_string* s = vector.strings; s; s = s->next) {
      const QString text = QString::fromUtf8(reinterpret_cast<const char*>(s->text)).trimmed();
      if (text.isEmpty()) continue;
      symbol->texts.append(TextBelowBars(text, *symbol, height));
      symbol->height =
          std::max(symbol->height, symbol->texts.last().y + symbol->texts.last().points * 20.0);
    }
  } else {
    for (const zint_vector_rect* r = vector.rectangles; r; r = r->next) {
      symbol->bars.append(QRectF(r->x * scale, r->y * scale, r->width * scale, r->height * scale));
    }
    symbol->height = vector.height * scale;
  }
  return {std::move(symbol), EncodeFailure::kNone, QString()};
}

BarcodeEncoder& SharedBarcodeEncoder() {
  static BarcodeEncoder encoder;
  return encoder;
}
