#include "job/job_commands.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include "blocks/block_store.h"
#include "history/history_files.h"
#include "model/bounded_file.h"
#include "model/file_writing.h"
#include "model/main_model.h"
#include "model/prompter.h"
#include "model/start_values.h"
#include "version.h"

namespace {

// The texts of this file's messages, translated under one context.
struct Text {
  Q_DECLARE_TR_FUNCTIONS(JobCommands)
};

// Takes SaveBlock's messages away from the user while the window only looks at the job.
class SilentPrompter : public Prompter {
 public:
  void Message(const QString&) override {}
  bool AskYesNo(const QString&) override { return false; }
};

}  // namespace

std::optional<Job> JobToSave(MainModel& model, Prompter& prompter) {
  if (!SaveBlock(model, prompter)) return std::nullopt;
  Job job = CaptureJob(model);
  if (const QString problem = JobProblem(job); !problem.isEmpty()) {
    prompter.Message(Text::tr("無法儲存工作: %1, 請修改後再儲存").arg(problem));
    return std::nullopt;
  }
  return job;
}

std::optional<Job> JobAsSaved(const MainModel& model) {
  MainModel copy = model;
  SilentPrompter silent;
  return JobToSave(copy, silent);
}

std::optional<QByteArray> JobBytesAsSaved(const MainModel& model) {
  const auto job = JobAsSaved(model);
  if (!job) return std::nullopt;
  return JobBytes(JobToJson(*job));
}

std::optional<QByteArray> SaveJobFile(MainModel& model, Prompter& prompter, const QString& path,
                                      QByteArray* in_file) {
  const auto job = JobToSave(model, prompter);
  if (!job) return std::nullopt;
  Job as_stored = *job;
  as_stored.pic_file_name = PictureAsStored(job->pic_file_name, path);
  const QByteArray bytes = JobBytes(JobToJson(as_stored));
  if (const std::error_code error = ReplaceFile(path, bytes)) {
    prompter.Message(Text::tr("無法儲存工作檔「%1」: %2。\n"
                              "原來的檔案沒有改變, 畫面上的工作也都還在; 請空出磁碟空間或換一個"
                              "資料夾, 再存一次。")
                         .arg(QFileInfo(path).fileName(), WriteFailureText(error)));
    return std::nullopt;
  }
  if (in_file) *in_file = bytes;
  return JobBytes(JobToJson(*job));
}

std::optional<Job> ReadJobFile(const QString& path, QString* problem, QByteArray* in_file) {
  const auto bytes = ReadBoundedFile(path, kMaxJobFileBytes, problem);
  if (!bytes) return std::nullopt;
  if (in_file) *in_file = *bytes;
  std::optional<Job> job = ParseJob(*bytes, problem);
  if (job) job->pic_file_name = PictureAsUsed(job->pic_file_name, path);
  return job;
}

QString OpenJobProblem(const QString& path, const QString& problem) {
  return Text::tr("無法開啟工作檔「%1」: %2").arg(QFileInfo(path).fileName(), problem);
}

bool OpenJobFile(MainModel& model, Prompter& prompter, const QString& path) {
  QString problem;
  const auto job = ReadJobFile(path, &problem);
  if (!job) {
    prompter.Message(OpenJobProblem(path, problem));
    return false;
  }
  ApplyJob(*job, model);
  return true;
}

void NewJob(MainModel& model) {
  MainModel fresh;
  fresh.work_dir = model.work_dir;
  // As the start-up sequence (app/startup.h) begins: start values and the folder's history list.
  SetStartValues(fresh);
  fresh.record_list = HistoryListItems(fresh.work_dir, fresh.record_prefix);
  model = fresh;
}

QString SafeFileName(const QString& text) {
  static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
  QString name;
  for (const QChar c : text) {
    const bool blank =
        c.isSpace() || c.category() == QChar::Other_Control || kForbidden.contains(c);
    if (!blank) {
      name += c;
    } else if (!name.isEmpty() && !name.endsWith(u' ')) {
      name += u' ';
    }
  }
  while (name.startsWith(u'.') || name.startsWith(u' ')) name.remove(0, 1);
  if (name.size() > kMaxSuggestedName) {
    name.truncate(name.at(kMaxSuggestedName - 1).isHighSurrogate() ? kMaxSuggestedName - 1
                                                                   : kMaxSuggestedName);
  }
  while (name.endsWith(u'.') || name.endsWith(u' ')) name.chop(1);
  static const QRegularExpression kDevice(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                          QRegularExpression::CaseInsensitiveOption);
  if (kDevice.match(name).hasMatch()) name += u'_';
  return name;
}

QString FirstRowName(const MainModel& model) {
  for (int row = 0; row < MainModel::kRows; ++row) {
    const QString& text =
        model.current_block == 1 ? model.l_content[row] : model.blocks[1].blk_content[row];
    if (const QString name = SafeFileName(text); !name.isEmpty()) return name;
  }
  return {};
}

QString JobWindowTitle(const QString& path, bool modified) {
  const QString program = Text::tr("Cratemark %1版").arg(QLatin1String(kCratemarkVersion));
  if (path.isEmpty() && !modified) return program;
  const QString name = path.isEmpty() ? Text::tr("未命名工作") : QFileInfo(path).fileName();
  return QStringLiteral("%1%2 - %3").arg(name, modified ? QStringLiteral("*") : QString(), program);
}
