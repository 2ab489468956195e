#include "app/job_controller.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>

#include "app/main_window.h"
#include "app/packing_list_dialog.h"
#include "job/job_commands.h"
#include "job/packing_list.h"
#include "job/recent_jobs.h"
#include "job/recovery_file.h"

JobController::JobController(MainWindow* window)
    : QObject(window),
      window_(window),
      settings_(QSettings::UserScope, QStringLiteral("Cratemark"), QStringLiteral("Cratemark")) {
  title_timer_.setSingleShot(true);
  title_timer_.setInterval(0);
  connect(&title_timer_, &QTimer::timeout, this, &JobController::UpdateTitle);
  autosave_timer_.setSingleShot(true);
  autosave_timer_.setInterval(kAutosaveMs);
  connect(&autosave_timer_, &QTimer::timeout, this, &JobController::Autosave);

  // Every edit of a field, a choice or a list makes the window look at the job again; so does
  // every command, which shows the model when it is done.
  for (QLineEdit* field : window_->client_area()->findChildren<QLineEdit*>()) {
    connect(field, &QLineEdit::textChanged, this, &JobController::NoteChange);
  }
  for (QAbstractButton* button : window_->client_area()->findChildren<QAbstractButton*>()) {
    if (button->isCheckable()) {
      connect(button, &QAbstractButton::toggled, this, &JobController::NoteChange);
    }
  }
  connect(window_, &MainWindow::ModelShown, this, &JobController::NoteChange);
}

JobController::~JobController() = default;

void JobController::AddActions(QMenu* file_menu) {
  file_menu_ = file_menu;
  QAction* new_job = file_menu->addAction(tr("開新工作(&N)"), this, &JobController::NewJob);
  new_job->setObjectName(QStringLiteral("action_new_job"));
  new_job->setShortcut(QKeySequence::New);
  QAction* open = file_menu->addAction(tr("開啟工作(&O)…"), this, [this] {
    const QString path = QFileDialog::getOpenFileName(window_, tr("開啟工作"), StartFolder(),
                                                      tr("Cratemark 工作檔 (*.cratemark)"));
    if (!path.isEmpty()) OpenJob(path);
  });
  open->setObjectName(QStringLiteral("action_open_job"));
  open->setShortcut(QKeySequence::Open);
  QAction* save = file_menu->addAction(tr("儲存工作(&S)"), this, &JobController::Save);
  save->setObjectName(QStringLiteral("action_save_job"));
  save->setShortcut(QKeySequence::Save);
  QAction* save_as = file_menu->addAction(tr("另存新檔(&A)…"), this, &JobController::SaveAs);
  save_as->setObjectName(QStringLiteral("action_save_job_as"));
  save_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  file_menu->addSeparator();
  QAction* import =
      file_menu->addAction(tr("匯入裝箱單(&I)…"), this, &JobController::ImportPackingList);
  import->setObjectName(QStringLiteral("action_import_packing_list"));
  recent_end_ = file_menu->addSeparator();
  RebuildRecentMenu();
}

void JobController::TakeBaseline() {
  baseline_ = JobBytesAsSaved(window_->ModelOnScreen()).value_or(QByteArray());
  UpdateTitle();
}

void JobController::StartSession(const QString& job_path) {
  const QString data_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  recovery_ = std::make_unique<RecoveryFile>(data_dir, window_->model().work_dir);
  // Without a slot (no data folder, every slot taken) the program runs without recovery.
  if (recovery_->Claim() && recovery_->HasLeftover()) OfferRecovery();
  if (!job_path.isEmpty()) OpenJob(job_path);
}

void JobController::OfferRecovery() {
  Prompter& prompter = window_->prompter();
  QString problem;
  const auto recovered = ReadRecovery(recovery_->path(), &problem);
  if (!recovered) {
    prompter.Message(tr("上次自動儲存的工作無法使用 (%1), 已經刪除").arg(problem));
    recovery_->Remove();
    return;
  }
  const QString name =
      recovered->job_path.isEmpty() ? tr("未命名工作") : QFileInfo(recovered->job_path).fileName();
  const QString time = recovery_->LeftoverTime().toString(QStringLiteral("yyyy/MM/dd HH:mm"));
  if (!prompter.AskYesNo(
          tr("Cratemark 上次沒有正常結束。\n要找回 %1 自動儲存的工作「%2」嗎?").arg(time, name))) {
    recovery_->Remove();
    return;
  }
  window_->RunCommand([&] { ApplyJob(recovered->job, window_->model()); });
  window_->RedrawThumbnail();
  // A recovered job is not saved, whatever file it came from.
  job_path_ = recovered->job_path;
  baseline_.clear();
  UpdateTitle();
}

bool JobController::IsModified() const {
  const auto bytes = JobBytesAsSaved(window_->ModelOnScreen());
  return !bytes || *bytes != baseline_;
}

bool JobController::MayReplaceJob() {
  if (!IsModified()) return true;
  const SaveChoice choice = window_->prompter().AskSaveChanges(
      tr("工作「%1」有還沒儲存的修改, 要先儲存嗎?").arg(JobName()));
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

bool JobController::MayClose() {
  if (!MayReplaceJob()) return false;
  closed_ = true;
  title_timer_.stop();
  autosave_timer_.stop();
  if (recovery_) recovery_->Remove();
  return true;
}

bool JobController::OpenJob(const QString& path) {
  if (!MayReplaceJob()) return false;
  bool opened = false;
  window_->RunCommand([&] { opened = OpenJobFile(window_->model(), window_->prompter(), path); });
  if (!opened) return false;
  window_->RedrawThumbnail();
  JobNowSaved(path, JobBytesAsSaved(window_->ModelOnScreen()).value_or(QByteArray()));
  return true;
}

bool JobController::Save() {
  if (job_path_.isEmpty()) return SaveAs();
  return SaveTo(job_path_);
}

bool JobController::SaveAs() {
  QFileDialog dialog(window_, tr("另存新檔"), StartFolder(), tr("Cratemark 工作檔 (*.cratemark)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The suffix is added before the dialog asks whether to replace an existing file.
  dialog.setDefaultSuffix(QStringLiteral("cratemark"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  return SaveTo(dialog.selectedFiles().constFirst());
}

bool JobController::SaveTo(const QString& path) {
  std::optional<QByteArray> written;
  window_->RunCommand([&] { written = SaveJobFile(window_->model(), window_->prompter(), path); });
  if (!written) return false;
  JobNowSaved(path, *written);
  return true;
}

void JobController::JobNowSaved(const QString& path, const QByteArray& bytes) {
  job_path_ = QFileInfo(path).absoluteFilePath();
  baseline_ = bytes;
  if (recovery_) recovery_->Remove();
  RecentJobs(settings_).Add(job_path_);
  RebuildRecentMenu();
  UpdateTitle();
}

void JobController::NewJob() {
  if (!MayReplaceJob()) return;
  window_->RunCommand([this] { ::NewJob(window_->model()); });
  window_->RedrawThumbnail();
  job_path_.clear();
  if (recovery_) recovery_->Remove();
  TakeBaseline();
}

void JobController::ImportPackingList() {
  const QString path = QFileDialog::getOpenFileName(window_, tr("匯入裝箱單"), StartFolder(),
                                                    tr("裝箱單 (*.csv *.txt);;所有檔案 (*)"));
  if (path.isEmpty()) return;
  QString problem;
  QStringList unused;
  const auto blocks = ReadPackingListFile(path, &problem, &unused);
  if (!blocks) {
    window_->prompter().Message(problem);
    return;
  }
  PackingListDialog confirm(*blocks, window_->model().block_count, window_, unused);
  if (confirm.exec() != QDialog::Accepted) return;
  window_->RunCommand([&] { ApplyPackingList(window_->model(), *blocks); });
}

void JobController::NoteChange() {
  if (closed_) return;
  title_timer_.start();
  if (recovery_ && recovery_->claimed()) autosave_timer_.start();
}

void JobController::Autosave() {
  // Halfway through a command (a message box of its own may be open) the model and the controls
  // disagree; the command's end notes a change again.
  if (closed_ || !recovery_ || !recovery_->claimed() || window_->RunningCommand()) return;
  const auto job = JobAsSaved(window_->ModelOnScreen());
  // A job that could not be saved as it stands leaves the last recovery file as it was.
  if (!job) return;
  if (JobBytes(JobToJson(*job)) == baseline_) {
    recovery_->Remove();
  } else {
    recovery_->Write(RecoveryBytes(*job, job_path_));
  }
}

void JobController::UpdateTitle() {
  if (window_->RunningCommand()) return;
  window_->setWindowTitle(JobWindowTitle(job_path_, IsModified()));
}

void JobController::RebuildRecentMenu() {
  if (!file_menu_) return;
  for (QAction* action : recent_actions_) {
    file_menu_->removeAction(action);
    delete action;
  }
  recent_actions_.clear();
  const QStringList paths = RecentJobs(settings_).Paths();
  const QStringList names = RecentJobMenuNames(paths);
  for (int i = 0; i < paths.size(); ++i) {
    const QString path = paths[i];
    auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(names[i]), file_menu_);
    action->setObjectName(QStringLiteral("action_recent_%1").arg(i + 1));
    action->setToolTip(path);
    action->setStatusTip(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenRecent(path); });
    file_menu_->insertAction(recent_end_, action);
    recent_actions_ << action;
  }
  // Between 匯入裝箱單 and 結束 a separator of their own, only while there are any.
  if (!recent_actions_.isEmpty()) {
    auto* separator = new QAction(file_menu_);
    separator->setSeparator(true);
    file_menu_->insertAction(recent_actions_.first(), separator);
    recent_actions_.prepend(separator);
  }
}

void JobController::OpenRecent(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    window_->prompter().Message(tr("找不到工作檔「%1」, 已經把它從最近的工作清單中移除").arg(path));
    RecentJobs(settings_).Remove(path);
    RebuildRecentMenu();
    return;
  }
  OpenJob(path);
}

QString JobController::StartFolder() const {
  return job_path_.isEmpty() ? QDir(window_->model().work_dir).absolutePath()
                             : QFileInfo(job_path_).absolutePath();
}

QString JobController::JobName() const {
  return job_path_.isEmpty() ? tr("未命名工作") : QFileInfo(job_path_).fileName();
}
