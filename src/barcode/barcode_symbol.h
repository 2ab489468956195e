#pragma once

#include <QHash>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "barcode/barcode_settings.h"
#include "model/units.h"

struct zint_symbol;

// Twips of a real millimetre. A symbol's own size (module width, bar height) is what scanners and
// verifiers measure, so it is not drawn with the label's rounded factor; where the symbol sits on
// the label is (barcode_drawing.h).
inline constexpr double kSymbolTwipsPerMm = kTwipsPerPaperMm;

// The dots of the printer a symbol is printed on: `dpi` dots an inch across and down, the symbol
// drawn at `scale` times its own size (its label's scale on the stock). A printer puts a bar edge
// only between two of its dots: a module that is not a whole number of dots prints some bars a dot
// wider than others, which a scanner reads as the wrong bars. No dots (dpi 0) are a PDF file, which
// may be printed anywhere, and a printer that does not say: nothing is rounded there.
struct PrinterDots {
  double dpi = 0;
  double scale = 1;

  bool any() const { return dpi > 0; }
  // One dot in the symbol's own twips.
  double DotTwips() const { return kTwipsPerInch / dpi / scale; }
  // `twips` of the symbol's own as the nearest whole number of dots, at least one.
  int NearestDots(double twips) const;

  bool operator==(const PrinterDots&) const = default;
};

// The whole dots a module `module_mm` wide (the symbol's own millimetres) of `kind` prints with on
// `dots`: the nearest number, which keeps the symbol the size the clerk laid it out at within half
// a dot a module, but never fewer than the kind's minimum needs (MinimumModuleMm) when the module
// asked for is not below it, nor fewer than one. The label's scale on its stock comes first: the
// module is rounded as it prints. At 203 dpi 0.33 mm becomes 3 dots (0.375 mm) and
// 0.495 mm 4 dots (0.500 mm); at 300 dpi 4 dots (0.339 mm) and 6 dots (0.508 mm).
int ModuleDots(BarcodeKind kind, double module_mm, const PrinterDots& dots);

// The human-readable line of a linear code, in the program's Ming font: one cell of points × 10
// twips a character, one line of points × 20 twips high.
struct BarcodeText {
  QString text;
  double x = 0;  // twips, top-left of the first cell, from the symbol's top-left corner
  double y = 0;
  double points = 0;
  double width = 0;  // twips, the cells of the whole text

  bool operator==(const BarcodeText&) const = default;
};

// A symbol as plain geometry, ready to be drawn on any surface at any resolution. Twips from the
// symbol's top-left corner, which is the corner of its quiet zones:
//  - a linear code is its left quiet zone, the bars (the configured height), its right quiet zone,
//    and below the bars the human-readable line, centred under the bars;
//  - a QR code is its module square (the configured height, so the module size follows from the
//    number of modules) with the quiet zone on all four sides, and no text.
// On a printer's dots its module (a QR code's too) and its bars' height are whole dots
// (ModuleDots), so every bar edge falls between two dots once the corner does.
struct BarcodeSymbol {
  // The dark areas on the symbol's own grid, from the same corner: a unit across is a module, a
  // unit down a QR code's module or a linear code's whole bar height. A run of dark modules along a
  // row is one rectangle, and the same run on the rows below it grows that rectangle downwards.
  // Kept in whole units so that a drawing puts out a few short numbers a bar.
  QList<QRect> grid;
  QSizeF unit;  // twips of a grid unit, across and down
  QList<BarcodeText> texts;
  double width = 0;   // quiet zones included
  double height = 0;  // quiet zones and text included
  double module = 0;  // the module (narrow bar) size
  double quiet_zone = 0;
  int modules = 0;  // modules across, without the quiet zones

  // The dark areas in twips.
  QList<QRectF> Bars() const;
  QRectF Bar(const QRect& cells) const {
    return QRectF(cells.x() * unit.width(), cells.y() * unit.height(), cells.width() * unit.width(),
                  cells.height() * unit.height());
  }
};

// Why a content could not be encoded.
enum class EncodeFailure {
  kNone,
  kEmpty,             // nothing to encode
  kInvalidCharacter,  // a character the kind cannot encode (Chinese in Code 128)
  kTooLong,           // more than the kind holds
  kOther,             // anything else libzint refused
};

struct EncodedSymbol {
  std::shared_ptr<const BarcodeSymbol> symbol;  // null when the content could not be encoded
  EncodeFailure failure = EncodeFailure::kNone;
  QString detail;  // libzint's own words, for the log and the odd case
};

// The largest size of the human-readable line; smaller only where the text would be wider than
// the bars.
inline constexpr double kMaxTextPoints = 10.0;

// Turns contents into symbols through libzint. Holds one libzint symbol that every encoding
// reuses and the last few hundred symbols by content, so a page drawn again (the preview) or a
// constant content costs nothing. Not for use from two threads at once.
class BarcodeEncoder {
 public:
  BarcodeEncoder();
  ~BarcodeEncoder();
  BarcodeEncoder(const BarcodeEncoder&) = delete;
  BarcodeEncoder& operator=(const BarcodeEncoder&) = delete;

  // The symbol of `content` in the kind, height and module width of `settings`, on `dots`. For
  // GS1-128 the content is the element string, "(00)" and the 18 digits.
  EncodedSymbol Encode(const BarcodeSettings& settings, const QString& content,
                       const PrinterDots& dots = {});

  // Encodes the contents that `next` gives (none after the last) on a thread of its own, with a
  // libzint symbol of its own, up to a few dozen symbols ahead of the calls of Encode, which are to
  // ask for them in the same order: a long run draws while its next labels are encoded. `next` is
  // called on that thread. A call of Encode that asks for anything else ends the thread, and it and
  // every later call encode here; so does the end of the encoder.
  void EncodeAhead(const BarcodeSettings& settings, const PrinterDots& dots,
                   std::function<std::optional<QString>()> next);

  // Encodings that libzint did here (not found among the kept symbols, nor done ahead).
  int encoded() const { return encoded_; }

 private:
  struct Key {
    BarcodeKind kind;
    double height_mm;
    double module_mm;
    QString content;
    PrinterDots dots;
    bool operator==(const Key&) const = default;
  };
  friend size_t qHash(const Key& key, size_t seed) {
    return qHashMulti(seed, int(key.kind), key.height_mm, key.module_mm, key.content, key.dots.dpi,
                      key.dots.scale);
  }

  class Ahead;

  EncodedSymbol EncodeNew(const BarcodeSettings& settings, const QString& content,
                          const PrinterDots& dots);

  zint_symbol* zint_ = nullptr;
  QHash<Key, EncodedSymbol> kept_;
  int encoded_ = 0;
  std::unique_ptr<Ahead> ahead_;
};

// The encoder that the drawing and the checks use unless given one: the print run, the previews
// and the checks all run on the window's thread.
BarcodeEncoder& SharedBarcodeEncoder();
