#include "job/job_session.h"

#include <QCoreApplication>
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
  return job_path_.isEmpty() ? Text::tr("未命名工作") : QFileInfo(job_path_).fileName();
}

QString JobSession::Title() const { return JobWindowTitle(job_path_, IsModified()); }

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
  ++depth_;
  const bool opened = OpenJobFile(model_, prompter_, path);
  --depth_;
  if (!opened) return false;
  BindFile(path, JobBytesAsSaved(model_).value_or(QByteArray()));
  ReplaceJob(true);
  emit FileUsed(job_path_);
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
  return SaveTo(job_path_);
}

bool JobSession::SaveAs() {
  const QString path = ask_save_path_ ? ask_save_path_() : QString();
  return !path.isEmpty() && SaveTo(path);
}

bool JobSession::SaveTo(const QString& path) {
  const auto written = WriteFile(path);
  // Storing the block on screen may have asked for the focus somewhere.
  emit ModelChanged(false);
  if (!written) {
    NoteChange();
    return false;
  }
  BindFile(path, *written);
  // Saving keeps the history; the keys typed next are a step of their own.
  EndRun();
  emit FileUsed(job_path_);
  NoteChange();
  return true;
}

std::optional<QByteArray> JobSession::WriteFile(const QString& path) {
  ++depth_;
  auto written = SaveJobFile(model_, prompter_, path);
  --depth_;
  return written;
}

void JobSession::BindFile(const QString& path, const QByteArray& saved) {
  job_path_ = QFileInfo(path).absoluteFilePath();
  saved_ = saved;
  if (recovery_) recovery_->Remove();
}

void JobSession::ReleaseFile() {
  job_path_.clear();
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
  // A recovered job is not saved, whatever file it came from.
  job_path_ = recovered->job_path;
  saved_.clear();
  ReplaceJob(true);
}

bool JobSession::MayClose() {
  if (!MayReplaceJob()) return false;
  closed_ = true;
  autosave_timer_.stop();
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
    recovery_->Write(RecoveryBytes(*job, job_path_));
  }
}

QString JobSession::RecoveryPath() const {
  return recovery_ && recovery_->claimed() ? recovery_->path() : QString();
}
