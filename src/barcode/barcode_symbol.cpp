#include "barcode/barcode_symbol.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

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

// Quiet zones in modules: ten on each side of a Code 128 or GS1-128, four all round a QR code, as
// their standards ask and as libzint draws them.
constexpr int kLinearQuietZone = 10;
constexpr int kQrQuietZone = 4;

bool ModuleIsSet(const zint_symbol& symbol, int row, int column) {
  return (symbol.encoded_data[row][column >> 3] >> (column & 7)) & 1;
}

// libzint's module matrix as rectangles on the symbol's grid, the quiet zones before it: each run
// of dark modules along a row, grown downwards while the rows below hold the same run.
QList<QRect> DarkGrid(const zint_symbol& symbol, int quiet_columns, int quiet_rows) {
  QList<QRect> grid;
  // The runs of the row above and of this row, left to right, with the rectangle each one grows.
  struct Run {
    int left;
    int width;
    qsizetype rect;
  };
  std::vector<Run> above;
  std::vector<Run> reaching;
  for (int row = 0; row < symbol.rows; ++row) {
    reaching.clear();
    auto next = above.cbegin();
    for (int column = 0; column < symbol.width; ++column) {
      if (!ModuleIsSet(symbol, row, column)) continue;
      const int start = column;
      while (column + 1 < symbol.width && ModuleIsSet(symbol, row, column + 1)) ++column;
      const Run run{quiet_columns + start, column + 1 - start, grid.size()};
      while (next != above.cend() && next->left < run.left) ++next;
      if (next != above.cend() && next->left == run.left && next->width == run.width) {
        grid[next->rect].setBottom(quiet_rows + row);
        reaching.push_back(*next);
      } else {
        grid.append(QRect(run.left, quiet_rows + row, run.width, 1));
        reaching.push_back(run);
      }
    }
    std::swap(above, reaching);
  }
  return grid;
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

// The thread that encodes ahead, and the symbols it has done that have not been asked for yet.
class BarcodeEncoder::Ahead {
 public:
  Ahead(const BarcodeSettings& settings, const PrinterDots& dots,
        std::function<std::optional<QString>()> next)
      : settings_(settings), dots_(dots), next_(std::move(next)), thread_([this] { Run(); }) {}

  ~Ahead() {
    {
      const std::lock_guard lock(mutex_);
      stop_ = true;
    }
    room_.notify_all();
    thread_.join();
  }

  // The symbol of the next content, when that is `content` in `settings` on `dots`.
  std::optional<EncodedSymbol> Take(const BarcodeSettings& settings, const QString& content,
                                    const PrinterDots& dots) {
    std::unique_lock lock(mutex_);
    if (symbols_.empty() && !finished_) {
      taking_ = true;
      done_.wait(lock, [this] { return !symbols_.empty() || finished_; });
      taking_ = false;
    }
    if (symbols_.empty() || symbols_.front().first != content || !(settings == settings_) ||
        !(dots == dots_)) {
      return std::nullopt;
    }
    EncodedSymbol symbol = std::move(symbols_.front().second);
    symbols_.pop_front();
    if (symbols_.size() == kResume) room_.notify_one();
    return symbol;
  }

 private:
  // Far enough ahead to ride out a page's compression, near enough to hold little memory. A full
  // queue is taken down by half before the thread goes on, so that it is woken once for many
  // symbols, not for each.
  static constexpr size_t kAhead = 64;
  static constexpr size_t kResume = kAhead / 2;

  void Run() {
    BarcodeEncoder encoder;
    for (;;) {
      {
        std::unique_lock lock(mutex_);
        if (symbols_.size() >= kAhead) {
          room_.wait(lock, [this] { return symbols_.size() <= kResume || stop_; });
        }
        if (stop_) break;
      }
      std::optional<QString> content = next_();
      if (!content) break;
      EncodedSymbol symbol = encoder.Encode(settings_, *content, dots_);
      const std::lock_guard lock(mutex_);
      symbols_.emplace_back(std::move(*content), std::move(symbol));
      if (taking_) done_.notify_one();
    }
    const std::lock_guard lock(mutex_);
    finished_ = true;
    done_.notify_one();
  }

  const BarcodeSettings settings_;
  const PrinterDots dots_;
  const std::function<std::optional<QString>()> next_;
  std::mutex mutex_;
  std::condition_variable room_;  // for the thread: the queue is down by half, or stop
  std::condition_variable done_;  // for Take: a symbol is ready, or the thread has finished
  std::deque<std::pair<QString, EncodedSymbol>> symbols_;
  bool stop_ = false;
  bool finished_ = false;
  bool taking_ = false;  // Take waits for a symbol
  std::thread thread_;   // last: it starts once everything above exists
};

BarcodeEncoder::BarcodeEncoder() : zint_(ZBarcode_Create()) {}

BarcodeEncoder::~BarcodeEncoder() {
  ahead_.reset();
  if (zint_) ZBarcode_Delete(zint_);
}

void BarcodeEncoder::EncodeAhead(const BarcodeSettings& settings, const PrinterDots& dots,
                                 std::function<std::optional<QString>()> next) {
  ahead_.reset();
  ahead_ = std::make_unique<Ahead>(settings, dots, std::move(next));
}

EncodedSymbol BarcodeEncoder::Encode(const BarcodeSettings& settings, const QString& content,
                                     const PrinterDots& dots) {
  if (ahead_) {
    if (std::optional<EncodedSymbol> symbol = ahead_->Take(settings, content, dots)) return *symbol;
    ahead_.reset();
  }
  // The module width means nothing to a QR code: changing it must not miss the kept symbol.
  const Key key{settings.kind, settings.height_mm, IsLinear(settings.kind) ? settings.module_mm : 0,
                content, dots.any() ? dots : PrinterDots{}};
  const auto found = kept_.constFind(key);
  if (found != kept_.constEnd()) return *found;
  EncodedSymbol result = EncodeNew(settings, content, dots);
  if (kept_.size() >= kKeptSymbols) kept_.clear();
  kept_.insert(key, result);
  return result;
}

EncodedSymbol BarcodeEncoder::EncodeNew(const BarcodeSettings& settings, const QString& content,
                                        const PrinterDots& dots) {
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
  // The module matrix is all a symbol needs: libzint's vector output of it would only be read back.
  const int code = ZBarcode_Encode(zint_, reinterpret_cast<const unsigned char*>(data.constData()),
                                   int(data.size()));
  if (code >= ZINT_ERROR || zint_->width <= 0 || zint_->rows <= 0) {
    return {nullptr, code >= ZINT_ERROR ? FailureOf(code, settings.kind) : EncodeFailure::kOther,
            QString::fromUtf8(zint_->errtxt)};
  }

  auto symbol = std::make_shared<BarcodeSymbol>();
  const bool linear = IsLinear(settings.kind);
  double height = settings.height_mm * kSymbolTwipsPerMm;
  const int quiet = linear ? kLinearQuietZone : kQrQuietZone;
  symbol->modules = zint_->width;
  const double module_mm = linear ? settings.module_mm : settings.height_mm / zint_->rows;
  symbol->module = module_mm * kSymbolTwipsPerMm;
  if (dots.any()) {
    symbol->module = ModuleDots(settings.kind, module_mm, dots) * dots.DotTwips();
    // A QR code's square is its modules; a linear code's bars end on a dot too.
    height = linear ? dots.NearestDots(height) * dots.DotTwips() : symbol->module * zint_->rows;
  }
  symbol->quiet_zone = quiet * symbol->module;
  symbol->width = (zint_->width + 2 * quiet) * symbol->module;
  // A linear code's bars run from the top to the configured height, whatever height libzint gave
  // them.
  symbol->unit = QSizeF(symbol->module, linear ? height / zint_->rows : symbol->module);
  symbol->grid = DarkGrid(*zint_, quiet, linear ? 0 : quiet);
  if (symbol->grid.isEmpty()) return {nullptr, EncodeFailure::kOther, QString()};
  if (linear) {
    symbol->height = height;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(zint_->text)).trimmed();
    if (!text.isEmpty()) {
      symbol->texts.append(TextBelowBars(text, *symbol, height));
      symbol->height =
          std::max(height, symbol->texts.last().y + symbol->texts.last().points * 20.0);
    }
  } else {
    symbol->height = (zint_->rows + 2 * quiet) * symbol->module;
  }
  return {std::move(symbol), EncodeFailure::kNone, QString()};
}

int PrinterDots::NearestDots(double twips) const {
  return std::max(1, int(std::lround(twips / DotTwips())));
}

int ModuleDots(BarcodeKind kind, double module_mm, const PrinterDots& dots) {
  const double dot_mm = kMmPerInch / dots.dpi;
  const int nearest = std::max(1, int(std::lround(module_mm * dots.scale / dot_mm)));
  // Below the kind's minimum a verifier fails the symbol; a module asked for below it is the
  // clerk's own choice. (A hair's allowance keeps a minimum of whole dots from a dot more.)
  const double minimum = MinimumModuleMm(kind);
  if (module_mm < minimum) return nearest;
  return std::max(nearest, int(std::ceil(minimum / dot_mm - 1e-9)));
}

QList<QRectF> BarcodeSymbol::Bars() const {
  QList<QRectF> bars;
  bars.reserve(grid.size());
  for (const QRect& cells : grid) bars.append(Bar(cells));
  return bars;
}

BarcodeEncoder& SharedBarcodeEncoder() {
  static BarcodeEncoder encoder;
  return encoder;
}
