#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QTimer>
#include <memory>

class MainWindow;
class QAction;
class QMenu;
class RecoveryFile;

// The job commands of the 檔案 menu and what goes with them: the window title with the job's name
// and a "*" for unsaved changes, the question before changes are lost, the recent-jobs list, the
// packing-list import and the recovery file.
//
// Whether there are unsaved changes is decided by comparing the job as 儲存工作 would write it now
// with the job last saved or opened, never by counting edits: typing a text and typing it back
// leaves the job unchanged, and opening a job never changes it. Any edit of a control or any
// command makes the window look again; a few seconds after the last one a changed job goes to the
// recovery file.
class JobController : public QObject {
  Q_OBJECT

 public:
  static constexpr int kAutosaveMs = 3000;

  explicit JobController(MainWindow* window);
  ~JobController() override;

  // Adds the job commands and the recent jobs to the 檔案 menu.
  void AddActions(QMenu* file_menu);
  // Takes the job on screen as the saved one: the window's start-up state.
  void TakeBaseline();
  // Offers a job left behind by a program that did not end cleanly, then opens `job_path` when
  // one is given.
  void StartSession(const QString& job_path);

  // When there are unsaved changes, asks 儲存 / 不儲存 / 取消; false when the job must stay (取消,
  // or the save did not happen).
  bool MayReplaceJob();
  // The window is closing: true when it may, and the recovery file goes then.
  bool MayClose();

  bool IsModified() const;
  const QString& job_path() const { return job_path_; }

  bool OpenJob(const QString& path);
  bool Save();
  bool SaveAs();
  void NewJob();
  void ImportPackingList();

  // Something on screen or in the model may have changed.
  void NoteChange();

 private:
  bool SaveTo(const QString& path);
  void OfferRecovery();
  void Autosave();
  void UpdateTitle();
  void JobNowSaved(const QString& path, const QByteArray& bytes);
  void RebuildRecentMenu();
  void OpenRecent(const QString& path);
  QString StartFolder() const;
  QString JobName() const;

  MainWindow* window_;
  QString job_path_;
  QByteArray baseline_;  // the job as last saved or opened; empty for a recovered job
  QTimer title_timer_;
  QTimer autosave_timer_;
  std::unique_ptr<RecoveryFile> recovery_;
  bool closed_ = false;

  QSettings settings_;
  QMenu* file_menu_ = nullptr;
  QAction* recent_end_ = nullptr;
  QList<QAction*> recent_actions_;
};
