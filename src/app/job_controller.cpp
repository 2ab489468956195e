#include "app/job_controller.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QUndoStack>

#include "app/apply_rows_dialog.h"
#include "app/main_window.h"
#include "app/packing_list_dialog.h"
#include "job/job_session.h"
#include "job/packing_list.h"
#include "job/recent_jobs.h"
#include "job/template_rows.h"
#include "job/user_settings.h"
#include "model/prompter.h"

namespace {

// "復原(&U) 移除區段 3": the command's word, then the step it undoes or redoes.
QString StepActionText(const QString& word, const QString& step) {
  return step.isEmpty() ? word : QStringLiteral("%1 %2").arg(word, step);
}

}  // namespace

JobController::JobController(JobSession& session, MainWindow* window)
    : QObject(window),
      session_(session),
      window_(window),
      settings_(QSettings::UserScope, QStringLiteral("Cratemark"), QStringLiteral("Cratemark")) {
  // The title is looked at once after a burst of changes: comparing the job with the saved one
  // writes it whole.
  title_timer_.setSingleShot(true);
  title_timer_.setInterval(0);
  connect(&title_timer_, &QTimer::timeout, this, &JobController::UpdateTitle);
  connect(&session_, &JobSession::StateChanged, &title_timer_, qOverload<>(&QTimer::start));
  connect(&session_, &JobSession::FileUsed, this, &JobController::RememberFile);
  session_.SetSavePathAsker([this] { return AskSavePath(); });
}

JobController::~JobController() = default;

void JobController::AddFileActions(QMenu* file_menu) {
  file_menu_ = file_menu;
  QAction* new_job = file_menu->addAction(tr("開新工作(&N)"), this, [this] { session_.New(); });
  new_job->setObjectName(QStringLiteral("action_new_job"));
  new_job->setShortcut(QKeySequence::New);
  QAction* open = file_menu->addAction(tr("開啟工作(&O)…"), this, [this] {
    const QString path = QFileDialog::getOpenFileName(window_, tr("開啟工作"), StartFolder(),
                                                      tr("Cratemark 工作檔 (*.cratemark)"));
    if (!path.isEmpty()) session_.Open(path);
  });
  open->setObjectName(QStringLiteral("action_open_job"));
  open->setShortcut(QKeySequence::Open);
  QAction* save = file_menu->addAction(tr("儲存工作(&S)"), this, [this] { session_.Save(); });
  save->setObjectName(QStringLiteral("action_save_job"));
  save->setShortcut(QKeySequence::Save);
  QAction* save_as = file_menu->addAction(tr("另存新檔(&A)…"), this, [this] { session_.SaveAs(); });
  save_as->setObjectName(QStringLiteral("action_save_job_as"));
  save_as->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  file_menu->addSeparator();
  QAction* import =
      file_menu->addAction(tr("匯入裝箱單(&I)…"), this, &JobController::ImportPackingList);
  import->setObjectName(QStringLiteral("action_import_packing_list"));
  recent_end_ = file_menu->addSeparator();
  RebuildRecentMenu();
}

void JobController::AddEditActions(QMenu* edit_menu) {
  const QUndoStack& history = session_.history();
  QAction* undo = edit_menu->addAction(QString(), this, [this] { session_.Undo(); });
  undo->setObjectName(QStringLiteral("action_undo"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = edit_menu->addAction(QString(), this, [this] { session_.Redo(); });
  redo->setObjectName(QStringLiteral("action_redo"));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  const auto name_steps = [this, undo, redo] {
    const QUndoStack& steps = session_.history();
    undo->setText(StepActionText(tr("復原(&U)"), steps.undoText()));
    undo->setEnabled(steps.canUndo());
    redo->setText(StepActionText(tr("重做(&R)"), steps.redoText()));
    redo->setEnabled(steps.canRedo());
  };
  connect(&history, &QUndoStack::indexChanged, this, name_steps);
  connect(&history, &QUndoStack::undoTextChanged, this, name_steps);
  connect(&history, &QUndoStack::redoTextChanged, this, name_steps);
  name_steps();

  edit_menu->addSeparator();
  QAction* apply =
      edit_menu->addAction(tr("套用到其他區段(&A)…"), this, &JobController::ApplyRowsToOtherBlocks);
  apply->setObjectName(QStringLiteral("action_apply_rows"));
}

void JobController::ImportPackingList() {
  const QString path = QFileDialog::getOpenFileName(window_, tr("匯入裝箱單"), StartFolder(),
                                                    tr("裝箱單 (*.csv *.txt);;所有檔案 (*)"));
  if (path.isEmpty()) return;
  QString problem;
  QStringList unused;
  const auto blocks = ReadPackingListFile(path, &problem, &unused);
  if (!blocks) {
    session_.prompter().Message(problem);
    return;
  }
  PackingListDialog confirm(*blocks, window_->model(), window_, unused);
  if (confirm.exec() != QDialog::Accepted) return;
  const int template_entry = confirm.template_entry();
  window_->RunStep(tr("匯入裝箱單"),
                   [&] { ApplyPackingList(window_->model(), *blocks, template_entry); });
}

void JobController::ApplyRowsToOtherBlocks() {
  if (TemplateEntries(window_->model()).size() < 2) {
    session_.prompter().Message(tr("這個工作只有一個區段, 沒有其他區段可以套用。"));
    return;
  }
  ApplyRowsDialog dialog(window_->model(), window_);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::vector<int> entries = dialog.chosen();
  window_->RunStep(tr("套用到其他區段"), [&] { ApplyRowsToBlocks(window_->model(), entries); });
}

QString JobController::AskSavePath() {
  const QString suggested =
      SuggestedSavePath(settings_, FileKind::kJob,
                        session_.SuggestedFileName() + QStringLiteral(".cratemark"), StartFolder());
  QFileDialog dialog(window_, tr("另存新檔"), suggested, tr("Cratemark 工作檔 (*.cratemark)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // The suffix is added before the dialog asks whether to replace an existing file.
  dialog.setDefaultSuffix(QStringLiteral("cratemark"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

void JobController::UpdateTitle() {
  // Halfway through a command the model may be half changed; its end looks again.
  if (session_.busy()) return;
  window_->setWindowTitle(session_.Title());
}

void JobController::RememberFile(const QString& path) {
  RememberFolder(settings_, FileKind::kJob, path);
  RecentJobs(settings_).Add(path);
  RebuildRecentMenu();
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
    session_.prompter().Message(tr("找不到工作檔「%1」, 已經把它從最近的工作清單中移除").arg(path));
    RecentJobs(settings_).Remove(path);
    RebuildRecentMenu();
    return;
  }
  session_.Open(path);
}

QString JobController::StartFolder() const {
  return session_.job_path().isEmpty() ? QDir(session_.model().work_dir).absolutePath()
                                       : QFileInfo(session_.job_path()).absolutePath();
}
