#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <optional>

#include "job/job_lock.h"
#include "model/main_model.h"

class Prompter;
class RecoveryFile;

// The job a clerk works on, without a window: the main window's state (the template rows, the
// blocks, the picture and barcode settings, as MainModel holds them), the job file it belongs to,
// the job as last saved, the recovery file with its autosave, and the undo history.
//
// Every change to the job is a step of the history: Change runs a command on the model and keeps
// the job as it was before and after it, so undo and redo put back whole states and a field the job
// gains later needs no undo code of its own. What is not the job stays out of the steps: the
// history list (it shows the files on disk), the working folder and the focus.
//
// Whether there are unsaved changes is decided by comparing the job as 儲存工作 would write it with
// the job last saved or opened, never by counting edits: undoing back to the saved state, or
// typing a text and typing it back, leaves the job unchanged.
//
// The job file is taken and let go in one place (BindFile, ReleaseFile), and written in one
// (SaveTo). A job on an office's shared folder may be opened by two clerks at once:
// - the session holds a lock beside its job file while the job is open (JobLock); closing, 開新工作
//   and another job let it go, and a crash leaves a stale lock the next program takes over;
// - a job another program has open is opened read-only (shown, printed, but 儲存 offers 另存新檔)
//   or as a copy (unnamed, its name suggested for 另存新檔), or not at all, as the clerk chooses;
// - a save never writes over a job file another program changed since it was read or last
//   written (FileMarks): the clerk is offered 另存新檔 instead, and the job stays on screen;
// - nothing is written onto a job file another program has open.
class JobSession : public QObject {
  Q_OBJECT

 public:
  // Steps kept; the oldest go first.
  static constexpr int kUndoLimit = 200;
  // The recovery file is written this long after the last change.
  static constexpr int kAutosaveMs = 3000;

  // A new job, as the program starts: the start values and the history list of model.work_dir
  // (the working folder). `prompter` answers every message box of the session.
  explicit JobSession(Prompter& prompter, QObject* parent = nullptr);
  ~JobSession() override;

  // The model, for the window to show and the commands to work on. A change made here directly is
  // no step of the history; commands go through Change.
  MainModel& model() { return model_; }
  const MainModel& model() const { return model_; }
  Prompter& prompter() { return prompter_; }

  // Runs `command` on the model as the step `name`. A command that leaves the job as it was (one
  // that refused, a No answer) makes no step. Steps of the same non-empty `run` follow one another
  // into one step while nothing else happens in between: the keys typed into one field, or a
  // text typed into a box and the pick from its list.
  void Change(const QString& name, const std::function<void(MainModel&)>& command,
              const QString& run = {});
  // Runs `work` on the model without a step: for work that leaves the job as 儲存工作 writes it
  // (the print run, which stores the block on screen; the checks before a preview).
  void Use(const std::function<void(MainModel&)>& work);
  // The next keys typed start a step of their own (the focus has moved on).
  void EndRun();
  // True while a command or work runs: a message box of its own may be open, and the model may be
  // halfway through a change.
  bool busy() const { return depth_ > 0; }

  // The history, for the 編輯 menu to name its steps.
  const QUndoStack& history() const { return history_; }
  void Undo();
  void Redo();

  const QString& job_path() const { return job_path_; }
  bool IsModified() const;
  // Opened while another program had the file open: 儲存 does not write over it.
  bool read_only() const { return read_only_; }
  // The job's file name, the copy's name (客戶A 副本), or 未命名工作.
  QString JobName() const;
  // The window's title for the job: see JobWindowTitle; a job opened read-only says so, and a
  // copy shows its name.
  QString Title() const;
  // The name 另存新檔 and 存成 PDF suggest, without folder or suffix: the job file's name, the
  // copy's name, or for a new job the first row of its first block that holds any text, made safe
  // for a file name; 未命名工作 when there is none.
  QString SuggestedFileName() const;

  // Where 儲存 puts a job that has no file yet: the window asks for a file name (empty: the clerk
  // changed their mind). Without it such a job is not saved.
  void SetSavePathAsker(std::function<QString()> ask) { ask_save_path_ = std::move(ask); }

  // Asks 儲存 / 不儲存 / 取消 when there are unsaved changes; false when the job must stay
  // (取消, or the save did not happen).
  bool MayReplaceJob();
  // The job commands of the 檔案 menu. Open and New ask about unsaved changes first; a job that
  // is opened or started has no history. A refusal is shown and changes nothing. Open asks how
  // to open a job another program has open (read-only, as a copy, or not at all).
  bool Open(const QString& path);
  bool New();
  bool Save();
  bool SaveAs();
  bool SaveTo(const QString& path);

  // Takes a recovery slot in `data_dir` for the working folder and offers a job left behind by a
  // program that did not end cleanly; then opens `job_path` when one is given. Without a slot the
  // session runs without recovery.
  void Start(const QString& data_dir, const QString& job_path = {});
  // The program ends: true when it may (asked about unsaved changes); the recovery file goes.
  bool MayClose();
  // Writes the recovery file now, or removes it when the job is as saved.
  void Autosave();
  // The recovery file in use; empty without one.
  QString RecoveryPath() const;

 signals:
  // The session changed the model by itself (undo, redo, a job opened, started or recovered, the
  // block on screen stored by a save): the window shows it again. `picture_changed` when the
  // picture path may differ from the one the thumbnail shows.
  void ModelChanged(bool picture_changed);
  // The job, its file or its saved state may have changed: the title and the autosave look again.
  void StateChanged();
  // A job was opened from or saved to `path` (the recent-jobs list).
  void FileUsed(const QString& path);

 private:
  class Step;
  using Snapshot = std::shared_ptr<const MainModel>;

  Snapshot TakeSnapshot() const;
  void Restore(const Snapshot& state);
  void ReplaceJob(bool picture_changed);
  void OfferRecovery();
  void BindFile(const QString& path, const QByteArray& saved, const FileMarks& on_disk);
  void ReleaseFile();
  std::unique_ptr<JobLock> LockToWrite(const QString& path, bool* refused);
  bool SaveOverChangedFile();
  void NoteChange();

  Prompter& prompter_;
  MainModel model_;
  QUndoStack history_;
  Snapshot current_;  // the job after the last step, undo or redo
  int run_serial_ = 0;
  int depth_ = 0;

  QString job_path_;
  QByteArray saved_;  // the job as last saved or opened; empty for a recovered job
  std::function<QString()> ask_save_path_;
  std::unique_ptr<JobLock> lock_;  // beside job_path_, while this program holds it
  FileMarks on_disk_;              // job_path_'s file as read or last written
  bool read_only_ = false;
  QString copy_of_;  // the job file a job opened as a copy came from

  std::unique_ptr<RecoveryFile> recovery_;
  QTimer autosave_timer_;
  bool closed_ = false;
};
