#include "job/job_session.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QUndoCommand>

#include "job/job_commands.h"
#include "job/recovery_file.h"
#include "model/prompter.h"

namespace {

struct Text {
  Q_DECLARE_TR_FUNCTIONS(JobSession)
};

}  // namespace

// A step of the history: the job before and after a command. Steps of one run merge, keeping the
// first state before and the last one after; a run that ends where it began is no step at all.
class JobSession::Step : public QUndoCommand {
 public:
  Step(JobSession& session, const QString& name, Snapshot before, Snapshot after,
       const QString& run)
      : QUndoCommand(name),
        session_(session),
        before_(std::move(before)),
        after_(std::move(after)),
        run_(run),
        serial_(session.run_serial_) {}

  int id() const override { return run_.isEmpty() ? -1 : 1; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const Step*>(other);
    if (next->run_ != run_ || next->serial_ != serial_) return false;
    after_ = next->after_;
    setText(next->text());
    setObsolete(*after_ == *before_);
    return true;
  }

  void undo() override { session_.Restore(before_); }

  void redo() override {
    // Pushed after its command ran: the model already stands where the step leads.
    if (done_) {
      session_.Restore(after_);
    }
    done_ = true;
  }

 private:
  JobSession& session_;
  Snapshot before_;
  Snapshot after_;
  QString run_;
  int serial_;
  bool done_ = false;
};

JobSession::JobSession(Prompter& prompter, QObject* parent) : QObject(parent), prompter_(prompter) {
  history_.setUndoLimit(kUndoLimit);
  NewJob(model_);
  saved_ = JobBytesAsSaved(model_).value_or(QByteArray());
  current_ = TakeSnapshot();
  autosave_timer_.setSingleShot(true);
  autosave_timer_.setInterval(kAutosaveMs);
  connect(&autosave_timer_, &QTimer::timeout, this, &JobSession::Autosave);
}

JobSession::~JobSession() = default;

JobSession::Snapshot JobSession::TakeSnapshot() const {
  auto state = std::make_shared<MainModel>(model_);
  // Not the job: the files on disk, the folder and the focus stay what they are now.
  state->record_list.clear();
  state->work_dir.clear();
  state->focus_request.clear();
  return state;
}

void JobSession::Restore(const Snapshot& state) {
  const bool picture_changed = state->pic_file_name != model_.pic_file_name;
  QStringList record_list = std::move(model_.record_list);
  QString work_dir = std::move(model_.work_dir);
  model_ = *state;
  model_.record_list = std::move(record_list);
  model_.work_dir = std::move(work_dir);
  current_ = state;
  emit ModelChanged(picture_changed);
}

void JobSession::Change(const QString& name, const std::function<void(MainModel&)>& command,
                        const QString& run) {
  // A command that runs while another one waits for an answer is part of that one's step.
  if (busy()) {
    command(model_);
    return;
  }
  Snapshot before = TakeSnapshot();
  if (*before == *current_) before = current_;  // one copy between two steps
  ++depth_;
  command(model_);
  --depth_;
  Snapshot after = TakeSnapshot();
  current_ = after;
  if (*after != *before) {
    if (run.isEmpty()) EndRun();
    history_.push(new Step(*this, name, std::move(before), std::move(after), run));
  }
  NoteChange();
}

void JobSession::Use(const std::function<void(MainModel&)>& work) {
  ++depth_;
  work(model_);
  --depth_;
  NoteChange();
}

void JobSession::EndRun() { ++run_serial_; }

void JobSession::Undo() {
  if (busy() || !history_.canUndo()) return;
  EndRun();
  history_.undo();
  NoteChange();
}

void JobSession::Redo() {
  if (busy() || !history_.canRedo()) return;
  EndRun();
  history_.redo();
  NoteChange();
}

bool JobSession::IsModified() const {
  const auto bytes = JobBytesAsSaved(model_);
  return !bytes || *bytes != saved_;
}

QString JobSession::JobName() const {
  if (!job_path_.isEmpty()) return QFileInfo(job_path_).fileName();
  if (!copy_of_.isEmpty()) return Text::tr("%1 副本").arg(QFileInfo(copy_of_).completeBaseName());
  return Text::tr("未命名工作");
}

QString JobSession::Title() const {
  const bool modified = IsModified();
  if (!read_only_ && copy_of_.isEmpty()) return JobWindowTitle(job_path_, modified);
  const QString name = read_only_ ? Text::tr("%1 (唯讀)").arg(JobName()) : JobName();
  return QStringLiteral("%1%2 - %3")
      .arg(name, modified ? QStringLiteral("*") : QString(), JobWindowTitle({}, false));
}

QString JobSession::SuggestedFileName() const {
  if (!job_path_.isEmpty()) return QFileInfo(job_path_).completeBaseName();
  if (!copy_of_.isEmpty()) return JobName();
  const QString first_row = FirstRowName(model_);
  return first_row.isEmpty() ? Text::tr("未命名工作") : first_row;
}

bool JobSession::MayReplaceJob() {
  if (!IsModified()) return true;
  const SaveChoice choice =
      prompter_.AskSaveChanges(Text::tr("工作「%1」有還沒儲存的修改, 要先儲存嗎?").arg(JobName()));
  switch (choice) {
    case SaveChoice::kSave:
      return Save();
    case SaveChoice::kDiscard:
      return true;
    case SaveChoice::kCancel:
      break;
  }
  return false;
}

bool JobSession::Open(const QString& path) {
  if (!MayReplaceJob()) return false;
  const QString target = QFileInfo(path).absoluteFilePath();
  QString problem;
  QByteArray in_file;
  const auto job = ReadJobFile(target, &problem, &in_file);
  if (!job) {
    prompter_.Message(OpenJobProblem(target, problem));
    return false;
  }
  // Opened again, the job on screen keeps its lock.
  const bool keeps_lock = target == job_path_ && lock_;
  std::unique_ptr<JobLock> lock;
  bool read_only = false;
  bool copy = false;
  if (!keeps_lock) {
    lock = std::make_unique<JobLock>(target);
    if (lock->Take() == JobLock::Outcome::kHeld) {
      const QString holder = LockHolderText(lock->holder(), QDateTime::currentDateTime());
      const int choice = prompter_.Choose(
          Text::tr("工作檔「%1」現在有人開著: %2。\n\n"
                   "唯讀開啟: 可以看、可以列印, 但不能存回這個檔案。\n"
                   "開成副本: 開成一個還沒存檔的新工作, 改好後用另存新檔存成別的檔案。")
              .arg(QFileInfo(target).fileName(), holder),
          {Text::tr("唯讀開啟(&R)"), Text::tr("開成副本(&C)"), Text::tr("不開啟(&N)")});
      if (choice != 0 && choice != 1) return false;
      read_only = choice == 0;
      copy = choice == 1;
    }
    if (!lock->taken()) lock.reset();
  }
  ++depth_;
  ApplyJob(*job, model_);
  --depth_;
  const QByteArray saved = JobBytesAsSaved(model_).value_or(QByteArray());
  if (copy) {
    ReleaseFile();
    copy_of_ = target;
    saved_ = saved;
  } else {
    if (!keeps_lock) lock_ = std::move(lock);
    BindFile(target, saved, MarksOf(target, in_file));
    read_only_ = read_only;
  }
  ReplaceJob(true);
  emit FileUsed(target);
  return true;
}

bool JobSession::New() {
  if (!MayReplaceJob()) return false;
  NewJob(model_);
  ReleaseFile();
  saved_ = JobBytesAsSaved(model_).value_or(QByteArray());
  ReplaceJob(true);
  return true;
}

bool JobSession::Save() {
  if (job_path_.isEmpty()) return SaveAs();
  if (read_only_) {
    const int choice = prompter_.Choose(
        Text::tr("工作「%1」是唯讀開啟的 (開啟時別的程式開著它), 不能存回這個檔案。\n"
                 "要另存新檔嗎?")
            .arg(JobName()),
        {Text::tr("另存新檔(&A)…"), Text::tr("取消(&C)")});
    return choice == 0 && SaveAs();
  }
  return SaveTo(job_path_);
}

bool JobSession::SaveAs() {
  const QString path = ask_save_path_ ? ask_save_path_() : QString();
  return !path.isEmpty() && SaveTo(path);
}

bool JobSession::SaveTo(const QString& path) {
  const QString target = QFileInfo(path).absoluteFilePath();
  const bool same_file = target == job_path_;
  const bool keeps_lock = same_file && lock_;
  std::unique_ptr<JobLock> lock;
  if (!keeps_lock) {
    lock = std::make_unique<JobLock>(target);
    if (lock->Take() == JobLock::Outcome::kHeld) {
      prompter_.Message(Text::tr("無法儲存到工作檔「%1」: %2, 現在正開著這個檔案。\n"
                                 "畫面上的工作都還在; 請換一個檔名再存。")
                            .arg(QFileInfo(target).fileName(),
                                 LockHolderText(lock->holder(), QDateTime::currentDateTime())));
      NoteChange();
      return false;
    }
    if (!lock->taken()) lock.reset();
  }
  if (same_file && ChangedSince(target, on_disk_)) return SaveOverChangedFile();

  QByteArray in_file;
  ++depth_;
  const auto written = SaveJobFile(model_, prompter_, target, &in_file);
  --depth_;
  // Storing the block on screen may have asked for the focus somewhere.
  emit ModelChanged(false);
  if (!written) {
    NoteChange();
    return false;
  }
  if (!keeps_lock) lock_ = std::move(lock);
  BindFile(target, *written, MarksOf(target, in_file));
  // Saving keeps the history; the keys typed next are a step of their own.
  EndRun();
  emit FileUsed(job_path_);
  NoteChange();
  return true;
}

bool JobSession::SaveOverChangedFile() {
  const QString name = QFileInfo(job_path_).fileName();
  const int choice = prompter_.Choose(
      Text::tr("工作檔「%1」在你開啟之後, 已經被別的程式改過了。\n"
               "為了不蓋掉那些修改, 這次不存回這個檔案; 畫面上的工作都還在。要另存新檔嗎?")
          .arg(name),
      {Text::tr("另存新檔(&A)…"), Text::tr("取消(&C)")});
  const QString other = choice == 0 && ask_save_path_ ? ask_save_path_() : QString();
  if (other.isEmpty()) {
    NoteChange();
    return false;
  }
  if (QFileInfo(other).absoluteFilePath() == job_path_) {
    prompter_.Message(
        Text::tr("工作檔「%1」已經被別的程式改過, 不能蓋過它; 請換一個檔名再存。").arg(name));
    NoteChange();
    return false;
  }
  return SaveTo(other);
}

void JobSession::BindFile(const QString& path, const QByteArray& saved, const FileMarks& on_disk) {
  job_path_ = path;
  saved_ = saved;
  on_disk_ = on_disk;
  read_only_ = false;
  copy_of_.clear();
  if (recovery_) recovery_->Remove();
}

void JobSession::ReleaseFile() {
  job_path_.clear();
  lock_.reset();
  on_disk_ = {};
  read_only_ = false;
  copy_of_.clear();
  if (recovery_) recovery_->Remove();
}

void JobSession::ReplaceJob(bool picture_changed) {
  // Another job: the steps of the last one cannot be undone into it.
  history_.clear();
  EndRun();
  current_ = TakeSnapshot();
  emit ModelChanged(picture_changed);
  NoteChange();
}

void JobSession::Start(const QString& data_dir, const QString& job_path) {
  recovery_ = std::make_unique<RecoveryFile>(data_dir, model_.work_dir);
  if (recovery_->Claim() && recovery_->HasLeftover()) OfferRecovery();
  if (!job_path.isEmpty()) Open(job_path);
}

void JobSession::OfferRecovery() {
  QString problem;
  const auto recovered = ReadRecovery(recovery_->path(), &problem);
  if (!recovered) {
    prompter_.Message(Text::tr("上次自動儲存的工作無法使用 (%1), 已經刪除").arg(problem));
    recovery_->Remove();
    return;
  }
  const QString name = recovered->job_path.isEmpty() ? Text::tr("未命名工作")
                                                     : QFileInfo(recovered->job_path).fileName();
  const QString time = recovery_->LeftoverTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
  if (!prompter_.AskYesNo(
          Text::tr("Cratemark 上次沒有正常結束。\n要找回 %1 自動儲存的工作「%2」嗎?")
              .arg(time, name))) {
    recovery_->Remove();
    return;
  }
  ApplyJob(recovered->job, model_);
  // A recovered job is not saved, whatever file it came from; a save looks whether someone
  // changed that file since the program that died read it.
  job_path_ = recovered->job_path;
  saved_.clear();
  on_disk_ = FileMarks{-1, {}, recovered->job_file_sha256};
  copy_of_.clear();
  read_only_ = false;
  lock_.reset();
  if (!job_path_.isEmpty()) {
    lock_ = std::make_unique<JobLock>(job_path_);
    read_only_ = lock_->Take() == JobLock::Outcome::kHeld;
    if (!lock_->taken()) lock_.reset();
  }
  ReplaceJob(true);
}

bool JobSession::MayClose() {
  if (!MayReplaceJob()) return false;
  closed_ = true;
  autosave_timer_.stop();
  lock_.reset();
  if (recovery_) recovery_->Remove();
  return true;
}

void JobSession::NoteChange() {
  if (closed_) return;
  if (recovery_ && recovery_->claimed()) autosave_timer_.start();
  emit StateChanged();
}

void JobSession::Autosave() {
  // Halfway through a command the model may be half changed; the command's end notes a change
  // again.
  if (closed_ || !recovery_ || !recovery_->claimed() || busy()) return;
  const auto job = JobAsSaved(model_);
  // A job that could not be saved as it stands leaves the last recovery file as it was.
  if (!job) return;
  if (JobBytes(JobToJson(*job)) == saved_) {
    recovery_->Remove();
  } else {
    recovery_->Write(RecoveryBytes(*job, job_path_, on_disk_.sha256));
  }
}

QString JobSession::RecoveryPath() const {
  return recovery_ && recovery_->claimed() ? recovery_->path() : QString();
}
