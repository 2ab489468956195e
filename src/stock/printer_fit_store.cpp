#include "stock/printer_fit_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "model/bounded_file.h"
#include "model/file_writing.h"
#include "model/prompter.h"

namespace {

const QString kPdfGroup = QStringLiteral("pdf");
const QString kPrintersGroup = QStringLiteral("printers");
const QString kOffsetX = QStringLiteral("offset_x_mm");
const QString kOffsetY = QStringLiteral("offset_y_mm");
const QString kPitch = QStringLiteral("pitch_mm");

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

// One set, read as strictly as the dialog reads typed fields.
std::optional<PrinterFit> ReadSet(QSettings& settings, const QString& group) {
  settings.beginGroup(group);
  const std::optional<QString> x = Text(settings, kOffsetX);
  const std::optional<QString> y = Text(settings, kOffsetY);
  const bool has_pitch = settings.contains(kPitch);
  const std::optional<QString> pitch = Text(settings, kPitch);
  settings.endGroup();
  if (!x || !y || (has_pitch && !pitch)) return std::nullopt;
  const std::optional<int> x_tenths = ReadFixedPoint(*x, 1);
  const std::optional<int> y_tenths = ReadFixedPoint(*y, 1);
  if (!x_tenths || !y_tenths || std::abs(*x_tenths) > PrinterFit::kMaxOffsetTenths ||
      std::abs(*y_tenths) > PrinterFit::kMaxOffsetTenths) {
    return std::nullopt;
  }
  PrinterFit fit{*x_tenths, *y_tenths, std::nullopt};
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

// QSettings takes any bytes for an INI file and keeps what it can; a file that is not text at all
// (a picture, a program, random bytes) is damaged as a whole, not a file of a few odd sets.
bool IsText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8(bytes);
  if (utf8.hasError()) return false;
  return std::none_of(text.begin(), text.end(), [](QChar c) {
    return c.category() == QChar::Other_Control && c != u'\n' && c != u'\r' && c != u'\t';
  });
}

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

std::optional<PrinterFit> StoredPrinterFits::Find(const QString& queue) const {
  if (queue.isEmpty()) return pdf;
  const auto found = printers.find(QueueOf(queue));
  if (found == printers.end()) return std::nullopt;
  return *found;
}

PrinterFits StoredPrinterFits::Fits() const {
  PrinterFits fits;
  for (auto it = printers.begin(); it != printers.end(); ++it) {
    fits.printers.insert(it.key(), it->ToStockFit());
  }
  if (pdf) fits.pdf = pdf->ToStockFit();
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
  if (!bytes || !IsText(*bytes)) {
    stored.file_damaged = true;
    return stored;
  }
  QSettings settings(path_, QSettings::IniFormat);
  if (Unreadable(settings, path_)) {
    stored.file_damaged = true;
    return stored;
  }
  if (settings.childGroups().contains(kPdfGroup)) {
    stored.pdf = ReadSet(settings, kPdfGroup);
    if (!stored.pdf) stored.damaged << FitSetName({});
  }
  settings.beginGroup(kPrintersGroup);
  const QStringList queues = settings.childGroups();
  settings.endGroup();
  for (const QString& queue : queues) {
    if (const std::optional<PrinterFit> fit = ReadSet(settings, GroupOf(queue))) {
      stored.printers.insert(queue, *fit);
    } else {
      stored.damaged << FitSetName(queue);
    }
  }
  return stored;
}

bool PrinterFitStore::Save(const QString& queue, const PrinterFit& fit) const {
  const QDir folder = QFileInfo(path_).absoluteDir();
  folder.mkpath(QStringLiteral("."));
  // The sets of the other printers come along; a damaged file is started afresh, since none of it
  // was in use, and none of it may come back into use without a word.
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
    const QString group = GroupOf(QueueOf(queue));
    settings.remove(group);
    settings.beginGroup(group);
    settings.setValue(kOffsetX, FixedPointText(fit.offset_x_tenths, 1));
    settings.setValue(kOffsetY, FixedPointText(fit.offset_y_tenths, 1));
    if (fit.pitch_hundredths) settings.setValue(kPitch, FixedPointText(*fit.pitch_hundredths, 2));
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
  if (stored.damaged.isEmpty()) return {};
  return QCoreApplication::translate("PrinterFit",
                                     "印表機校正的設定檔 %1 裡, %2的數字看不懂 (可能被改過)。\n"
                                     "這些印表機這次都不加位移, 照原來的位置列印。\n"
                                     "請到「檔案 → 印表機校正…」重新輸入並儲存。")
      .arg(QDir::toNativeSeparators(path),
           stored.damaged.join(
               QCoreApplication::translate("PrinterFit", "、", "between the names of printers")));
}

PrinterFits LoadPrinterFits(const PrinterFitStore& store, Prompter& prompter) {
  const StoredPrinterFits stored = store.Load();
  const QString message = DamagedFitsMessage(stored, store.path());
  if (!message.isEmpty()) prompter.Message(message);
  return stored.Fits();
}
