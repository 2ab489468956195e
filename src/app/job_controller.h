#pragma once

#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QTimer>

class JobSession;
class MainWindow;
class QAction;
class QMenu;

// The menus and dialogs of the job session (job/job_session.h): the job commands and the recent
// jobs of the 檔案 menu with their file dialogs, the packing-list import with its confirmation, the
// 編輯 menu's 復原 and 重做 naming their steps and 套用到其他區段… with its choice of blocks, and
// the window title with the job's name and a "*" for unsaved changes. What the commands do is
// the session's.
class JobController : public QObject {
  Q_OBJECT

 public:
  // The dialogs and the title belong to `window`, whose commands the import and 套用到其他區段
  // run as.
  JobController(JobSession& session, MainWindow* window);
  ~JobController() override;

  // Adds the job commands and the recent jobs to the 檔案 menu.
  void AddFileActions(QMenu* file_menu);
  // Adds 復原, 重做 and 套用到其他區段… to the 編輯 menu.
  void AddEditActions(QMenu* edit_menu);

  void ImportPackingList();
  void ApplyRowsToOtherBlocks();

 private:
  QString AskSavePath();
  void UpdateTitle();
  void RememberFile(const QString& path);
  void RebuildRecentMenu();
  void OpenRecent(const QString& path);
  QString StartFolder() const;

  JobSession& session_;
  MainWindow* window_;
  QTimer title_timer_;

  QSettings settings_;
  QMenu* file_menu_ = nullptr;
  QAction* recent_end_ = nullptr;
  QList<QAction*> recent_actions_;
};
