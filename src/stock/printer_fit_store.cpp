#include "stock/printer_fit_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <utility>

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
  QDir().mkpath(QFileInfo(path_).absolutePath());
  // QSettings would write back what it could make of a damaged file; none of it was in use, and
  // none of it may come back into use without a word.
  bool damaged = false;
  {
    const QSettings probe(path_, QSettings::IniFormat);
    damaged = QFileInfo::exists(path_) && Unreadable(probe, path_);
  }
  if (damaged && !QFile::remove(path_)) return false;
  QSettings settings(path_, QSettings::IniFormat);
  const QString group = GroupOf(QueueOf(queue));
  settings.remove(group);
  settings.beginGroup(group);
  settings.setValue(kOffsetX, FixedPointText(fit.offset_x_tenths, 1));
  settings.setValue(kOffsetY, FixedPointText(fit.offset_y_tenths, 1));
  if (fit.pitch_hundredths) settings.setValue(kPitch, FixedPointText(*fit.pitch_hundredths, 2));
  settings.endGroup();
  settings.sync();
  return settings.status() != QSettings::AccessError;
}

QString FitSetName(const QString& queue) {
  return queue.isEmpty() ? QCoreApplication::translate("PrinterFit", "PDF 檔")
                         : QCoreApplication::translate("PrinterFit", "印表機「%1」").arg(queue);
}

QString DamagedFitsMessage(const StoredPrinterFits& stored, const QString& path) {
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
