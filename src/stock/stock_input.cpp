#include "stock/stock_input.h"

#include <QCoreApplication>
#include <algorithm>

#include "stock/printer_fit.h"

namespace {

constexpr int kMaxPlaces = 100;
constexpr int kMaxNameLength = 32;
// Hundredths of a paper millimetre.
constexpr int kMinLabel = 1000;
constexpr int kMaxRollLabel = 100000;
const int kA4Width = PaperHundredths(kA4.width);
const int kA4Height = PaperHundredths(kA4.height);

// The texts are translated in the context StockInput.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(StockInput)
};

QString MmText(int hundredths) { return FixedPointText(hundredths, 2); }

bool IsNameCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u'-' || c == u'_' || c == u'.';
}

// Reads the fields in order; the first wrong one ends the reading with its message.
class Reader {
 public:
  explicit Reader(StockReading& reading) : reading_(reading) {}

  bool Fail(StockField field, const QString& message) {
    reading_.field = field;
    reading_.message = message;
    return false;
  }

  // A length in hundredths of a millimetre from `min` to `max`.
  bool Length(StockField field, const QString& text, int min, int max, int& value) {
    const std::optional<int> read = ReadFixedPoint(text, 2);
    if (read && *read >= min && *read <= max) {
      value = *read;
      return true;
    }
    return Fail(field, Text::tr("%1要填 %2 到 %3 之間的公釐數, 最多兩位小數。")
                           .arg(StockFieldName(field), MmText(min), MmText(max)));
  }

  bool Count(StockField field, const QString& text, int& value) {
    const std::optional<int> read = ReadFixedPoint(text, 0);
    if (read && *read >= 1 && *read <= kMaxPlaces) {
      value = *read;
      return true;
    }
    return Fail(field,
                Text::tr("%1要填 1 到 %2 之間的整數。").arg(StockFieldName(field)).arg(kMaxPlaces));
  }

  // `count` places `pitch` apart, each `size` long, must lie on `page`.
  bool Span(StockField field, int count, int pitch, int size, int page, int& span) {
    span = (count - 1) * pitch + size;
    if (span <= page) return true;
    return Fail(field, Text::tr("%1: %2 格標籤每格相距 %3 公釐, 從第一格到最後一格要 %4 公釐, "
                                "超出 A4 紙的 %5 公釐。請減少格數或改小間距。")
                           .arg(StockFieldName(field))
                           .arg(count)
                           .arg(MmText(pitch), MmText(span), MmText(page)));
  }

 private:
  StockReading& reading_;
};

bool ReadName(Reader& reader, const QString& name, const QStringList& taken) {
  if (name.isEmpty()) {
    return reader.Fail(StockField::kName,
                       Text::tr("%1要填, 例如 shelf-2x5。").arg(StockFieldName(StockField::kName)));
  }
  const bool word = name.size() <= kMaxNameLength && !name.startsWith(u'-') &&
                    std::all_of(name.begin(), name.end(), IsNameCharacter);
  if (!word) {
    return reader.Fail(StockField::kName,
                       Text::tr("%1「%2」只能用文字、數字和 - _ . (最多 %3 個字), 開頭不能是 -: "
                                "它要寫進設定檔, 也要在指令列上當成一個字用。")
                           .arg(StockFieldName(StockField::kName), name)
                           .arg(kMaxNameLength));
  }
  for (const QString& other : taken) {
    if (other.compare(name, Qt::CaseInsensitive) == 0) {
      return reader.Fail(StockField::kName,
                         Text::tr("%1「%2」已經有了 (%3), 請換一個名稱。")
                             .arg(StockFieldName(StockField::kName), name, other));
    }
  }
  return true;
}

}  // namespace

LabelStockTexts LabelStockTexts::Of(const LabelStock& stock) {
  const auto mm = [](Twips length) { return MmText(PaperHundredths(length)); };
  return LabelStockTexts{stock.name,
                         stock.roll,
                         mm(stock.label.width),
                         mm(stock.label.height),
                         QString::number(stock.columns),
                         QString::number(stock.rows),
                         mm(stock.pitch_x),
                         mm(stock.pitch_y),
                         mm(stock.margins.x),
                         mm(stock.margins.y)};
}

QString StockFieldName(StockField field) {
  switch (field) {
    case StockField::kName:
      return Text::tr("名稱");
    case StockField::kLabelWidth:
      return Text::tr("標籤寬度");
    case StockField::kLabelHeight:
      return Text::tr("標籤高度");
    case StockField::kColumns:
      return Text::tr("欄數");
    case StockField::kRows:
      return Text::tr("列數");
    case StockField::kPitchX:
      return Text::tr("水平間距");
    case StockField::kPitchY:
      return Text::tr("垂直間距");
    case StockField::kMarginLeft:
      return Text::tr("左邊界");
    case StockField::kMarginTop:
      return Text::tr("上邊界");
  }
  return {};
}

StockReading ReadStockTexts(const LabelStockTexts& texts, const QStringList& taken) {
  StockReading reading;
  Reader reader(reading);
  const QString name = texts.name.trimmed();
  if (!ReadName(reader, name, taken)) return reading;

  const int page_width = texts.roll ? kMaxRollLabel : kA4Width;
  const int page_height = texts.roll ? kMaxRollLabel : kA4Height;
  int width = 0;
  int height = 0;
  if (!reader.Length(StockField::kLabelWidth, texts.label_width, kMinLabel, page_width, width) ||
      !reader.Length(StockField::kLabelHeight, texts.label_height, kMinLabel, page_height,
                     height)) {
    return reading;
  }

  LabelStock stock;
  stock.name = name;
  stock.roll = texts.roll;
  stock.label = {FromPaperHundredths(width), FromPaperHundredths(height)};
  if (texts.roll) {
    stock.page = stock.label;
    stock.pitch_x = stock.label.width;
    stock.pitch_y = stock.label.height;
  } else {
    int columns = 0;
    int rows = 0;
    if (!reader.Count(StockField::kColumns, texts.columns, columns) ||
        !reader.Count(StockField::kRows, texts.rows, rows)) {
      return reading;
    }
    if (columns * rows > kMaxPlaces) {
      reader.Fail(StockField::kRows, Text::tr("%1: 一張紙最多 %2 格, %3 欄 × %4 列是 %5 格。")
                                         .arg(StockFieldName(StockField::kRows))
                                         .arg(kMaxPlaces)
                                         .arg(columns)
                                         .arg(rows)
                                         .arg(columns * rows));
      return reading;
    }
    // A single column or row has no next place: its pitch only has to be a length.
    int pitch_x = 0;
    int pitch_y = 0;
    int span_x = 0;
    int span_y = 0;
    int left = 0;
    int top = 0;
    if (!reader.Length(StockField::kPitchX, texts.pitch_x, columns > 1 ? width : 1, kA4Width,
                       pitch_x) ||
        !reader.Length(StockField::kPitchY, texts.pitch_y, rows > 1 ? height : 1, kA4Height,
                       pitch_y) ||
        !reader.Span(StockField::kColumns, columns, pitch_x, width, kA4Width, span_x) ||
        !reader.Span(StockField::kRows, rows, pitch_y, height, kA4Height, span_y) ||
        !reader.Length(StockField::kMarginLeft, texts.margin_left, 0, kA4Width - span_x, left) ||
        !reader.Length(StockField::kMarginTop, texts.margin_top, 0, kA4Height - span_y, top)) {
      return reading;
    }
    stock.page = kA4;
    stock.columns = columns;
    stock.rows = rows;
    stock.pitch_x = FromPaperHundredths(pitch_x);
    stock.pitch_y = FromPaperHundredths(pitch_y);
    stock.margins = {FromPaperHundredths(left), FromPaperHundredths(top)};
  }
  stock.description = CustomStockDescription(stock);
  reading.stock = stock;
  return reading;
}
