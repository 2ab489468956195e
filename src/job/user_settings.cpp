#include "job/user_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "model/bounded_file.h"

namespace {

struct Text {
  Q_DECLARE_TR_FUNCTIONS(UserSettings)
};

// A few recent jobs and folders take a few hundred bytes; a larger file is not the program's.
constexpr qint64 kMaxSettingsBytes = 1024 * 1024;

QString FolderKey(FileKind kind) {
  return kind == FileKind::kJob ? QStringLiteral("last_folder/jobs")
                                : QStringLiteral("last_folder/pdf");
}

// Whether QSettings may read the file at `path`; when not, `problem` says why if the reader knows.
bool Usable(const QString& path, QString* problem) {
  const QFileInfo info(path);
  if (!info.exists() && !info.isSymLink()) return true;
  const auto bytes = ReadBoundedFile(path, kMaxSettingsBytes, problem);
  if (!bytes) return false;
  if (!IsPlainText(*bytes)) return false;
  // Read once here, before the program's own QSettings: it reports a format error to the first
  // reader only.
  return QSettings(path, QSettings::IniFormat).status() == QSettings::NoError;
}

}  // namespace

QString UserSettingsPath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("Cratemark/Cratemark.conf"));
}

QString CheckUserSettings() {
  static bool checked = false;
  if (checked) return {};
  checked = true;
  const QString path = UserSettingsPath();
  QString problem;
  if (Usable(path, &problem)) return {};
  // Lives as long as the program: the settings of this run go there and are forgotten.
  static QTemporaryDir elsewhere;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, elsewhere.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, elsewhere.path());
  const QString reason = problem.isEmpty() ? Text::tr("已經損壞, 讀不出來") : problem;
  return Text::tr(
             "Cratemark 的設定檔 %1 無法使用: %2。\n"
             "這次先不用它: 最近的工作清單是空的, 這次的設定也不會留下來。\n"
             "請把這個檔案移走或刪除, 下次開啟時會重新建立。")
      .arg(QDir::toNativeSeparators(path), reason);
}

QString SuggestedSavePath(const QSettings& settings, FileKind kind, const QString& file_name,
                          const QString& fallback_folder) {
  const QString last = settings.value(FolderKey(kind)).toString();
  const QString folder = !last.isEmpty() && QFileInfo(last).isDir() ? last : fallback_folder;
  return QDir(folder).filePath(file_name);
}

void RememberFolder(QSettings& settings, FileKind kind, const QString& file_path) {
  settings.setValue(FolderKey(kind), QFileInfo(file_path).absolutePath());
}
