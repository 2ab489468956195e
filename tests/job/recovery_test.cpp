#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <memory>

#include "job/job_commands.h"
#include "job/recovery_file.h"
#include "job_fixture.h"
#include "support/driven_program.h"

namespace {

// Two programs in different folders, two in the same one, and one that died and left its file.
TEST(RecoveryFile, EachRunningProgramHasASlotOfItsOwn) {
  TempFolder data;
  TempFolder one;
  TempFolder two;
  auto first = std::make_unique<RecoveryFile>(data.path(), one.path());
  RecoveryFile elsewhere(data.path(), two.path());
  RecoveryFile same_folder(data.path(), one.path() + QStringLiteral("/./"));
  ASSERT_TRUE(first->Claim());
  ASSERT_TRUE(elsewhere.Claim());
  ASSERT_TRUE(same_folder.Claim());
  EXPECT_NE(first->path(), elsewhere.path());
  EXPECT_NE(first->path(), same_folder.path());
  EXPECT_EQ(QFileInfo(first->path()).path(), data.path());
  EXPECT_FALSE(first->HasLeftover());

  ASSERT_TRUE(first->Write("first"));
  ASSERT_TRUE(same_folder.Write("second"));
  EXPECT_EQ(data.Read(QFileInfo(first->path()).fileName()), "first");
  EXPECT_EQ(data.Read(QFileInfo(same_folder.path()).fileName()), "second");
  EXPECT_FALSE(elsewhere.HasLeftover());

  // The first program dies: its lock goes, its file stays. The next start in that folder takes
  // the slot with the leftover, never the one of the program still running there.
  const QString left = first->path();
  first.reset();
  RecoveryFile restarted(data.path(), one.path());
  ASSERT_TRUE(restarted.Claim());
  EXPECT_EQ(restarted.path(), left);
  EXPECT_TRUE(restarted.HasLeftover());
  EXPECT_EQ(data.Read(QFileInfo(same_folder.path()).fileName()), "second");
  restarted.Remove();
  EXPECT_FALSE(restarted.HasLeftover());
}

// A folder in a slot's place could be neither written nor removed; it used to be offered, and
// reported as removed, at every start.
TEST(RecoveryFile, ASlotTakenByAFolderIsPassedOver) {
  TempFolder data;
  TempFolder work;
  QString first_slot;
  {
    RecoveryFile probe(data.path(), work.path());
    ASSERT_TRUE(probe.Claim());
    first_slot = probe.path();
  }
  ASSERT_TRUE(QDir().mkdir(first_slot));
  RecoveryFile recovery(data.path(), work.path());
  ASSERT_TRUE(recovery.Claim());
  EXPECT_NE(recovery.path(), first_slot);
  EXPECT_FALSE(recovery.HasLeftover());
  EXPECT_TRUE(recovery.Write("job"));
}

TEST(RecoveryFile, KeepsTheJobAndTheFileItCameFrom) {
  TempFolder folder;
  MainModel model;
  ScriptedPrompter prompter;
  model.work_dir = folder.path();
  MakeConsignment(model, prompter, {});
  const auto job = JobAsSaved(model);
  ASSERT_TRUE(job);
  const QByteArray sha256(32, '\xa5');
  folder.Write(QStringLiteral("r.cratemark"),
               RecoveryBytes(*job, QStringLiteral("/jobs/客戶A.cratemark"), sha256));
  QString problem;
  const auto recovered = ReadRecovery(folder.File(QStringLiteral("r.cratemark")), &problem);
  ASSERT_TRUE(recovered) << problem.toStdString();
  EXPECT_EQ(recovered->job_path, QStringLiteral("/jobs/客戶A.cratemark"));
  EXPECT_EQ(recovered->job_file_sha256, sha256) << "what the job file was, to tell a change by";
  EXPECT_EQ(JobBytes(JobToJson(recovered->job)), JobBytes(JobToJson(*job)));
  // A job file reader takes it as an ordinary job.
  EXPECT_TRUE(ReadJobFile(folder.File(QStringLiteral("r.cratemark")), &problem));
}

// The real program: a job passed on the command line is edited through the test driver's keys,
// the autosave writes the recovery file, the program is killed, and a new start brings the edit
// back after the real recovery question is answered Yes. A clean exit then removes the file.

// The recovery files under the isolated data folder, wherever the program's name puts them.
QStringList RecoveryFiles(const QString& home) {
  QStringList files;
  QDirIterator it(home + QStringLiteral("/data"), {QStringLiteral("recovery-*.cratemark")},
                  QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  return files;
}

TEST(Recovery, AKilledProgramsEditComesBackAtTheNextStart) {
  TempFolder home;
  TempFolder work;
  MainModel model;
  ScriptedPrompter prompter;
  model.work_dir = work.path();
  MakeConsignment(model, prompter, {});
  const QString job_path = work.File(QStringLiteral("客戶A.cratemark"));
  ASSERT_TRUE(SaveJobFile(model, prompter, job_path));

  {
    DrivenProgram first(QStringLiteral(CRATEMARK_EXE), work.path(), home.path(), {job_path});
    ASSERT_TRUE(first.process.waitForStarted());
    first.Send(QStringLiteral("type l_content(9) RECOVERED EDIT"));
    // The autosave comes a few seconds after the edit.
    QByteArray recovered;
    QDeadlineTimer deadline(30000);
    while (!recovered.contains("RECOVERED EDIT") && !deadline.hasExpired()) {
      QThread::msleep(200);
      for (const QString& file : RecoveryFiles(home.path())) {
        QFile f(file);
        if (f.open(QIODevice::ReadOnly)) recovered = f.readAll();
      }
    }
    ASSERT_TRUE(recovered.contains("RECOVERED EDIT"))
        << first.process.readAllStandardError().toStdString();
    first.process.kill();  // SIGKILL: nothing of the program's own runs any more
    ASSERT_TRUE(first.process.waitForFinished());
  }
  ASSERT_EQ(RecoveryFiles(home.path()).size(), 1);
  EXPECT_FALSE(work.Read(QStringLiteral("客戶A.cratemark")).contains("RECOVERED EDIT"));

  DrivenProgram second(QStringLiteral(CRATEMARK_EXE), work.path(), home.path(), {});
  ASSERT_TRUE(second.process.waitForStarted());
  second.Send(QStringLiteral("answer yes"));
  const QByteArray job = second.Dump();
  EXPECT_TRUE(job.contains("RECOVERED EDIT")) << job.toStdString();
  EXPECT_TRUE(job.contains("MADE IN TAIWAN"));

  second.Send(QStringLiteral("close"));
  second.Send(QStringLiteral("answer discard"));
  ASSERT_TRUE(second.process.waitForFinished(30000))
      << second.process.readAllStandardError().toStdString();
  EXPECT_EQ(second.process.exitCode(), 0);
  EXPECT_TRUE(RecoveryFiles(home.path()).isEmpty()) << "a clean exit removes the recovery file";
}

}  // namespace
