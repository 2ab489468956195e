#include "history/history_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <array>
#include <cerrno>
#include <filesystem>
#include <vector>

#include "history/history_files.h"
#include "model/file_writing.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "model/row_text.h"

namespace fs = std::filesystem;

namespace {

fs::path FsPath(const QString& path) { return fs::path(QFile::encodeName(path).toStdString()); }

// The clerk's words for what went wrong with `file`.
QString Reason(const std::error_code& error, const QString& file) {
  if (error == std::errc::no_space_on_device
#ifdef EDQUOT
      || error.value() == EDQUOT
#endif
  ) {
    return QCoreApplication::translate("History", "磁碟已滿");
  }
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return QCoreApplication::translate("History", "資料夾沒有寫入的權限");
  }
  return QCoreApplication::translate("History", "無法寫入 %1 (%2)")
      .arg(file, QString::fromStdString(error.message()));
}

// The steps of one rotation, in the order they are taken, so that a failure can take them back.
class Rotation {
 public:
  explicit Rotation(RecordFiles& files) : files_(files) {}

  std::error_code Rename(const QString& from, const QString& to) {
    const std::error_code error = files_.Rename(from, to);
    if (!error) done_.push_back({Step::kRename, from, to});
    return error;
  }
  std::error_code Link(const QString& from, const QString& to) {
    const std::error_code error = files_.Link(from, to);
    if (!error) done_.push_back({Step::kLink, from, to});
    return error;
  }

  // Undoes every step taken, the last first. Renaming back needs no free space either.
  void Undo() {
    for (auto step = done_.rbegin(); step != done_.rend(); ++step) {
      if (step->kind == Step::kRename) {
        files_.Rename(step->to, step->from);
      } else {
        files_.Remove(step->to);
      }
    }
    done_.clear();
  }

 private:
  struct Step {
    enum Kind { kRename, kLink } kind;
    QString from, to;
  };

  RecordFiles& files_;
  std::vector<Step> done_;
};

}  // namespace

std::error_code RecordFiles::WriteNew(const QString& path, const QByteArray& bytes) {
  return WriteNewFile(path, bytes);
}

std::error_code RecordFiles::Rename(const QString& from, const QString& to) {
  std::error_code error;
  fs::rename(FsPath(from), FsPath(to), error);
  return error;
}

std::error_code RecordFiles::Link(const QString& from, const QString& to) {
  std::error_code error;
  fs::create_hard_link(FsPath(from), FsPath(to), error);
  return error;
}

std::error_code RecordFiles::Remove(const QString& path) {
  std::error_code error;
  fs::remove(FsPath(path), error);
  return error;
}

QByteArray HistoryRecordBytes(const MainModel& model) {
  QByteArray bytes;
  for (int row = 0; row <= model.max_line && row < MainModel::kRows; ++row) {
    bytes += WithoutControlCharacters(model.l_content[row]).trimmed().toUtf8();
    bytes += "\r\n";
  }
  return bytes;
}

std::optional<QString> WriteHistory(const MainModel& model) {
  RecordFiles files;
  return WriteHistory(model, files);
}

std::optional<QString> WriteHistory(const MainModel& model, RecordFiles& files) {
  const QDir folder(model.work_dir);
  const auto path = [&](int number) {
    return folder.filePath(HistoryFileName(model.record_prefix, number));
  };
  const auto name = [&](int number) { return HistoryFileName(model.record_prefix, number); };

  QLockFile lock(folder.filePath(QLatin1Char('.') + model.record_prefix + QStringLiteral("lock")));
  if (!lock.tryLock(files.lock_wait_ms)) {
    if (lock.error() == QLockFile::LockFailedError) {
      return QCoreApplication::translate("History", "另一個程式正在寫入這個資料夾的歷史紀錄");
    }
    return QCoreApplication::translate("History",
                                       "無法在資料夾 %1 建立鎖定檔, 資料夾可能不能寫入或磁碟已滿")
        .arg(QDir::toNativeSeparators(folder.absolutePath()));
  }

  // What each number holds now: a record (a regular file, or a link to one) moves on; anything
  // else in a place that gets a record is put aside first, and a folder there stops the write.
  std::array<bool, kHistoryFiles + 2> record{};
  std::array<bool, kHistoryFiles + 2> taken{};
  std::array<bool, kHistoryFiles + 2> folder_in_way{};
  for (int n = 1; n <= kHistoryFiles; ++n) {
    std::error_code error;
    const fs::path at = FsPath(path(n));
    const fs::file_status own = fs::symlink_status(at, error);
    taken[n] = !error && fs::exists(own);
    folder_in_way[n] = taken[n] && fs::is_directory(own);
    const fs::file_status target = fs::status(at, error);
    record[n] = taken[n] && fs::is_regular_file(target);
  }
  // Number n gets a record when n is 1 (the new one) or n − 1 holds one.
  const auto receives = [&](int n) { return n == 1 || record[n - 1]; };
  // A record moves away from n by renaming when n itself receives one; otherwise it stays and
  // the next number gets a second name for it, as the older program's copy left both.
  const auto renamed_away = [&](int n) { return n < kHistoryFiles && record[n] && receives(n); };
  for (int n = 1; n <= kHistoryFiles; ++n) {
    if (receives(n) && folder_in_way[n]) {
      return QCoreApplication::translate("History", "%1 是一個資料夾, 不是歷史紀錄檔").arg(name(n));
    }
  }

  const QString fresh =
      folder.filePath(QLatin1Char('.') + model.record_prefix + QStringLiteral("new"));
  const QString aside_suffix = QStringLiteral(".old");
  const auto aside = [&](int n) {
    return folder.filePath(QLatin1Char('.') + name(n) + aside_suffix);
  };
  files.Remove(fresh);  // left by a program that stopped half-way
  if (const std::error_code error = files.WriteNew(fresh, HistoryRecordBytes(model))) {
    return Reason(error, name(1));
  }

  Rotation rotation(files);
  const auto fail = [&](const std::error_code& error, const QString& what) {
    rotation.Undo();
    files.Remove(fresh);
    return Reason(error, what);
  };
  // The oldest record and anything else that would be written over go aside, to come back if a
  // later step fails.
  std::vector<int> put_aside;
  for (int n = 1; n <= kHistoryFiles; ++n) {
    if (!receives(n) || !taken[n] || renamed_away(n)) continue;
    if (const std::error_code error = rotation.Rename(path(n), aside(n)))
      return fail(error, name(n));
    put_aside.push_back(n);
  }
  for (int n = kHistoryFiles; n >= 2; --n) {
    if (!record[n - 1]) continue;
    std::error_code error;
    if (renamed_away(n - 1)) {
      error = rotation.Rename(path(n - 1), path(n));
    } else {
      error = rotation.Link(path(n - 1), path(n));
      // A file system without second names: the record moves instead, and its number stays free.
      if (error == std::errc::operation_not_permitted || error == std::errc::not_supported ||
          error == std::errc::operation_not_supported) {
        error = rotation.Rename(path(n - 1), path(n));
      }
    }
    if (error) return fail(error, name(n));
  }
  if (const std::error_code error = rotation.Rename(fresh, path(1))) return fail(error, name(1));

  for (int n : put_aside) files.Remove(aside(n));
  return std::nullopt;
}

void StorePrintedTemplate(const MainModel& model, Prompter& prompter) {
  const std::optional<QString> failure = WriteHistory(model);
  if (!failure) return;
  prompter.Message(
      QCoreApplication::translate("History", "標籤已印出, 但這次的範本沒有存進歷史紀錄: %1")
          .arg(*failure));
}
