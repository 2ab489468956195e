#include "stock/printer_fit_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "model/bounded_file.h"
#include "model/file_writing.h"
#include "model/prompter.h"
#include "stock/stock_input.h"

namespace {

const QString kPdfGroup = QStringLiteral("pdf");
const QString kPrintersGroup = QStringLiteral("printers");
const QString kOffsetX = QStringLiteral("offset_x_mm");
const QString kOffsetY = QStringLiteral("offset_y_mm");
const QString kPitch = QStringLiteral("pitch_mm");
const QString kStock = QStringLiteral("stock");
const QString kStocksGroup = QStringLiteral("stocks");
const QString kPage = QStringLiteral("page");
const QString kSheetPage = QStringLiteral("a4");
const QString kRollPage = QStringLiteral("roll");
const QString kLabelWidth = QStringLiteral("label_width_mm");
const QString kLabelHeight = QStringLiteral("label_height_mm");
const QString kColumns = QStringLiteral("columns");
const QString kRows = QStringLiteral("rows");
const QString kPitchX = QStringLiteral("pitch_x_mm");
const QString kPitchY = QStringLiteral("pitch_y_mm");
const QString kMarginLeft = QStringLiteral("margin_left_mm");
const QString kMarginTop = QStringLiteral("margin_top_mm");

QString GroupOf(const QString& queue) {
  return queue.isEmpty() ? kPdfGroup : kPrintersGroup + u'/' + queue;
}

// A value as it stands in the file; a list ("1,5" is read as two values) or a missing key is no
// number.
std::optional<QString> Text(const QSettings& settings, const QString& key) {
  const QVariant value = settings.value(key);
  if (value.typeId() != QMetaType::QString) return std::nullopt;
  return value.toString();
}

// One set, read as strictly as the dialog reads typed fields. A stock that is not one of `stocks`
// leaves the set on the default stock and sets `unknown_stock`.
std::optional<PrinterFit> ReadSet(QSettings& settings, const QString& group,
                                  const QStringList& stocks, bool& unknown_stock) {
  settings.beginGroup(group);
  const std::optional<QString> x = Text(settings, kOffsetX);
  const std::optional<QString> y = Text(settings, kOffsetY);
  const bool has_pitch = settings.contains(kPitch);
  const std::optional<QString> pitch = Text(settings, kPitch);
  const bool has_stock = settings.contains(kStock);
  const std::optional<QString> stock = Text(settings, kStock);
  settings.endGroup();
  unknown_stock = has_stock && !(stock && stocks.contains(*stock));
  if (!x || !y || (has_pitch && !pitch)) return std::nullopt;
  const std::optional<int> x_tenths = ReadFixedPoint(*x, 1);
  const std::optional<int> y_tenths = ReadFixedPoint(*y, 1);
  if (!x_tenths || !y_tenths || std::abs(*x_tenths) > PrinterFit::kMaxOffsetTenths ||
      std::abs(*y_tenths) > PrinterFit::kMaxOffsetTenths) {
    return std::nullopt;
  }
  PrinterFit fit{*x_tenths, *y_tenths, std::nullopt};
  if (has_stock && !unknown_stock) fit.stock = *stock;
  if (pitch) {
    const std::optional<int> hundredths = ReadFixedPoint(*pitch, 2);
    if (!hundredths || *hundredths < PrinterFit::kMinPitchHundredths ||
        *hundredths > PrinterFit::kMaxPitchHundredths) {
      return std::nullopt;
    }
    fit.pitch_hundredths = hundredths;
  }
  return fit;
}

// One of the clerk's own stocks, read as strictly as the stock dialog reads typed fields; `taken`
// are the names of the stocks before it.
std::optional<LabelStock> ReadStock(QSettings& settings, const QString& name,
                                    const QStringList& taken) {
  settings.beginGroup(kStocksGroup + u'/' + name);
  const auto text = [&settings](const QString& key) {
    return Text(settings, key).value_or(QString());
  };
  const QString page = text(kPage);
  const LabelStockTexts texts{
      name,        page == kRollPage, text(kLabelWidth), text(kLabelHeight), text(kColumns),
      text(kRows), text(kPitchX),     text(kPitchY),     text(kMarginLeft),  text(kMarginTop)};
  settings.endGroup();
  if (page != kSheetPage && page != kRollPage) return std::nullopt;
  return ReadStockTexts(texts, taken).stock;
}

// QSettings tells of a file it cannot read only to the first object that reads it in this
// process; later ones get what it made of the file from its cache, with no error. So a damaged
// file is remembered by its size and time, the marks by which QSettings itself sees a changed
// file, and stays damaged until it changes.
bool Unreadable(const QSettings& settings, const QString& path) {
  static QHash<QString, std::pair<qint64, QDateTime>> damaged;
  const QFileInfo info(path);
  const std::pair<qint64, QDateTime> marks(info.size(), info.lastModified());
  if (settings.status() != QSettings::NoError) {
    damaged.insert(info.absoluteFilePath(), marks);
    return true;
  }
  const auto found = damaged.constFind(info.absoluteFilePath());
  return found != damaged.cend() && *found == marks;
}

// The settings of a few hundred printers take a few kilobytes; a larger file is not the program's.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

// A name in the settings' folder that nothing has used, for a file on its way to becoming the
// settings.
QString FreshName(const QString& path) {
  const QFileInfo info(path);
  return info.dir().filePath(QStringLiteral(".%1.%2.new")
                                 .arg(info.fileName())
                                 .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0')));
}

// Every key and value QSettings holds, to compare what was written with what was meant.
QMap<QString, QVariant> Contents(const QSettings& settings) {
  QMap<QString, QVariant> contents;
  for (const QString& key : settings.allKeys()) contents.insert(key, settings.value(key));
  return contents;
}

QString& ChosenDefaultPath() {
  static QString path;
  return path;
}

}  // namespace

QList<LabelStock> StoredPrinterFits::Stocks() const { return BuiltInStocks() + custom_stocks; }

LabelStock StoredPrinterFits::StockOf(const QString& queue) const {
  const QList<LabelStock> stocks = Stocks();
  const std::optional<PrinterFit> fit = Find(queue);
  return FindStock(stocks, fit ? fit->stock : DefaultStockName()).value_or(stocks.first());
}

std::optional<PrinterFit> StoredPrinterFits::Find(const QString& queue) const {
  if (queue.isEmpty()) return pdf;
  const auto found = printers.find(QueueOf(queue));
  if (found == printers.end()) return std::nullopt;
  return *found;
}

PrinterFits StoredPrinterFits::Fits() const {
  PrinterFits fits;
  fits.stocks = Stocks();
  // Each set with its stock as read: a stock that is not there leaves the default one.
  const auto with_stock = [&fits](const PrinterFit& fit) {
    StockFit stock_fit = fit.ToStockFit();
    stock_fit.stock = FindStock(fits.stocks, fit.stock).value_or(fits.stocks.first());
    return stock_fit;
  };
  for (auto it = printers.begin(); it != printers.end(); ++it) {
    fits.printers.insert(it.key(), with_stock(*it));
  }
  if (pdf) fits.pdf = with_stock(*pdf);
  return fits;
}

QString PrinterFitStore::DefaultPath() {
  if (!ChosenDefaultPath().isEmpty()) return ChosenDefaultPath();
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("Cratemark/printers.conf"));
}

void PrinterFitStore::SetDefaultPath(const QString& path) { ChosenDefaultPath() = path; }

StoredPrinterFits PrinterFitStore::Load() const {
  StoredPrinterFits stored;
  const QFileInfo info(path_);
  if (!info.exists() && !info.isSymLink()) return stored;
  // Read as every file the user can put in the program's way: QSettings would wait for ever on a
  // FIFO and parse a file of any size, so the file is looked at before it may.
  const std::optional<QByteArray> bytes =
      ReadBoundedFile(path_, kMaxSettingsBytes, &stored.file_problem);
  if (!bytes || !IsPlainText(*bytes)) {
    stored.file_damaged = true;
    return stored;
  }
  QSettings settings(path_, QSettings::IniFormat);
  if (Unreadable(settings, path_)) {
    stored.file_damaged = true;
    return stored;
  }
  // The stocks first: the sets name them.
  QStringList stock_names = StockNames(BuiltInStocks());
  settings.beginGroup(kStocksGroup);
  const QStringList stocks = settings.childGroups();
  settings.endGroup();
  for (const QString& name : stocks) {
    if (const std::optional<LabelStock> stock = ReadStock(settings, name, stock_names)) {
      stored.custom_stocks << *stock;
      stock_names << name;
    } else {
      stored.damaged_stocks << name;
    }
  }
  const auto read_set = [&](const QString& queue) {
    bool unknown_stock = false;
    const std::optional<PrinterFit> fit =
        ReadSet(settings, GroupOf(queue), stock_names, unknown_stock);
    if (!fit) stored.damaged << FitSetName(queue);
    if (fit && unknown_stock) stored.unknown_stocks << FitSetName(queue);
    return fit;
  };
  if (settings.childGroups().contains(kPdfGroup)) stored.pdf = read_set({});
  settings.beginGroup(kPrintersGroup);
  const QStringList queues = settings.childGroups();
  settings.endGroup();
  for (const QString& queue : queues) {
    if (const std::optional<PrinterFit> fit = read_set(queue)) stored.printers.insert(queue, *fit);
  }
  return stored;
}

bool PrinterFitStore::Save(const QString& queue, const PrinterFit& fit) const {
  QList<std::pair<QString, QString>> values = {
      {kOffsetX, FixedPointText(fit.offset_x_tenths, 1)},
      {kOffsetY, FixedPointText(fit.offset_y_tenths, 1)},
  };
  if (fit.pitch_hundredths) values.append({kPitch, FixedPointText(*fit.pitch_hundredths, 2)});
  values.append({kStock, fit.stock});
  return WriteGroup(GroupOf(QueueOf(queue)), values);
}

bool PrinterFitStore::SaveStock(const LabelStock& stock) const {
  const LabelStockTexts texts = LabelStockTexts::Of(stock);
  QList<std::pair<QString, QString>> values = {
      {kPage, stock.roll ? kRollPage : kSheetPage},
      {kLabelWidth, texts.label_width},
      {kLabelHeight, texts.label_height},
  };
  if (!stock.roll) {
    values.append({{kColumns, texts.columns},
                   {kRows, texts.rows},
                   {kPitchX, texts.pitch_x},
                   {kPitchY, texts.pitch_y},
                   {kMarginLeft, texts.margin_left},
                   {kMarginTop, texts.margin_top}});
  }
  return WriteGroup(kStocksGroup + u'/' + stock.name, values);
}

bool PrinterFitStore::WriteGroup(const QString& group,
                                 const QList<std::pair<QString, QString>>& values) const {
  const QDir folder = QFileInfo(path_).absoluteDir();
  folder.mkpath(QStringLiteral("."));
  // The other groups come along; a damaged file is started afresh, since none of it was in use,
  // and none of it may come back into use without a word.
  std::optional<QByteArray> kept;
  QString unused;
  if (!Load().file_damaged) kept = ReadBoundedFile(path_, kMaxSettingsBytes, &unused);
  // QSettings writes its file through a buffer whose last write it does not check, so on a full
  // disk it leaves a cut-off file and says nothing. It writes a file of its own here, which is
  // read back under a name no QSettings has seen (so none answers from its cache) and takes the
  // settings' place only when it holds everything it should.
  const QString written = FreshName(path_);
  if (WriteNewFile(written, kept.value_or(QByteArray()))) return false;
  QMap<QString, QVariant> meant;
  bool ok = false;
  {
    QSettings settings(written, QSettings::IniFormat);
    settings.remove(group);
    settings.beginGroup(group);
    for (const auto& [key, value] : values) settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    ok = settings.status() == QSettings::NoError;
    meant = Contents(settings);
  }
  const QString checked = FreshName(path_);
  ok = ok && QFile::rename(written, checked);
  if (ok) {
    const QSettings back(checked, QSettings::IniFormat);
    ok = back.status() == QSettings::NoError && Contents(back) == meant;
  }
  ok = ok && std::rename(QFile::encodeName(checked).constData(),
                         QFile::encodeName(path_).constData()) == 0;
  QFile::remove(written);
  QFile::remove(checked);
  return ok;
}

QString FitSetName(const QString& queue) {
  return queue.isEmpty() ? QCoreApplication::translate("PrinterFit", "PDF 檔")
                         : QCoreApplication::translate("PrinterFit", "印表機「%1」").arg(queue);
}

QString DamagedFitsMessage(const StoredPrinterFits& stored, const QString& path) {
  if (stored.file_damaged && !stored.file_problem.isEmpty()) {
    return QCoreApplication::translate("PrinterFit",
                                       "印表機校正的設定檔 %1 無法使用: %2。\n"
                                       "所有印表機這次都不加位移, 照原來的位置列印。\n"
                                       "請到「檔案 → 印表機校正…」重新輸入並儲存。")
        .arg(QDir::toNativeSeparators(path), stored.file_problem);
  }
  if (stored.file_damaged) {
    return QCoreApplication::translate("PrinterFit",
                                       "印表機校正的設定檔 %1 已經損壞, 讀不出來。\n"
                                       "所有印表機這次都不加位移, 照原來的位置列印。\n"
                                       "請到「檔案 → 印表機校正…」重新輸入並儲存。")
        .arg(QDir::toNativeSeparators(path));
  }
  if (stored.damaged.isEmpty() && stored.damaged_stocks.isEmpty() &&
      stored.unknown_stocks.isEmpty()) {
    return {};
  }
  const auto names = [](const QStringList& list) {
    return list.join(
        QCoreApplication::translate("PrinterFit", "、", "between the names of printers"));
  };
  QStringList lines = {QCoreApplication::translate(
                           "PrinterFit", "印表機校正的設定檔 %1 裡有看不懂的設定 (可能被改過):")
                           .arg(QDir::toNativeSeparators(path))};
  if (!stored.damaged.isEmpty()) {
    lines << QCoreApplication::translate(
                 "PrinterFit", "%1的數字看不懂: 這些印表機這次都不加位移, 照原來的位置列印。")
                 .arg(names(stored.damaged));
  }
  if (!stored.damaged_stocks.isEmpty()) {
    QStringList quoted;
    for (const QString& name : stored.damaged_stocks) {
      quoted << QCoreApplication::translate("PrinterFit", "「%1」", "a stock's name").arg(name);
    }
    lines << QCoreApplication::translate("PrinterFit", "自訂標籤紙%1看不懂: 這次不能選用。")
                 .arg(names(quoted));
  }
  if (!stored.unknown_stocks.isEmpty()) {
    lines << QCoreApplication::translate("PrinterFit",
                                         "%1選的標籤紙找不到或看不懂: 這些印表機這次用 %2 列印。")
                 .arg(names(stored.unknown_stocks), DefaultStockName());
  }
  lines << QCoreApplication::translate("PrinterFit", "請到「檔案 → 印表機校正…」重新輸入並儲存。");
  return lines.join(u'\n');
}

PrinterFits LoadPrinterFits(const PrinterFitStore& store, Prompter& prompter) {
  const StoredPrinterFits stored = store.Load();
  const QString message = DamagedFitsMessage(stored, store.path());
  if (!message.isEmpty()) prompter.Message(message);
  return stored.Fits();
}
