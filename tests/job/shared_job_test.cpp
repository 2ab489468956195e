// Jobs on an office's shared folder: the lock beside an open job, what a second program offers,
// and saves that never write over another program's changes; first over the session, then with
// two real programs on one job file.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSysInfo>
#include <deque>
#include <memory>
#include <optional>

#include "job/job_commands.h"
#include "job/job_lock.h"
#include "job/job_session.h"
#include "job_fixture.h"
#include "support/driven_program.h"
#include "support/model_state.h"

namespace {

// The consignment of job_fixture.h saved as 客戶A.cratemark in a folder standing for the office's
// shared one.
class SharedJobTest : public testing::Test {
 protected:
  SharedJobTest() {
    MainModel model;
    model.work_dir = folder.path();
    ScriptedPrompter quiet;
    MakeConsignment(model, quiet, {});
    EXPECT_TRUE(SaveJobFile(model, quiet, job, &saved));
  }

  // A lock file as another program writes it: Qt's lines (process, program, computer, machine
  // and boot ids, here unknown) and the clerk's, last touched `age_ms` ago.
  void WriteLock(const QString& host, qint64 pid, qint64 age_ms) const {
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + "\ncratemark\n" + host.toUtf8() +
               "\n\n\ncratemark-user: 王小明\ncratemark-since: " +
               QDateTime::currentDateTimeUtc().addMSecs(-age_ms).toString(Qt::ISODate).toUtf8() +
               '\n');
    ASSERT_TRUE(file.flush());  // a write after the time would be the time
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addMSecs(-age_ms),
                                 QFileDevice::FileModificationTime));
  }

  // The job a file holds, as the session would save it.
  static QByteArray JobInFile(const QString& path) {
    QString problem;
    const auto read = ReadJobFile(path, &problem);
    return read ? JobBytes(JobToJson(*read)) : QByteArray();
  }

  // The first line of the lock file of `path`: the process that holds it.
  static qint64 LockPid(const QString& path) {
    QFile file(JobLock::LockPath(path));
    return file.open(QIODevice::ReadOnly) ? file.readLine().trimmed().toLongLong() : 0;
  }

  TempFolder folder;
  const QString job = folder.File(QStringLiteral("客戶A.cratemark"));
  const QString lock = JobLock::LockPath(job);
  QByteArray saved;  // the job file's bytes
};

// One clerk opens the job while the lock is free, held or stale, answers the questions, edits
// the job and saves it, while another program may have written the file. The job on screen and
// what the other program wrote are never lost, whatever the answers.
TEST_F(SharedJobTest, TheLockAndTheSaveNeverWriteOverAnotherProgram) {
  // Who holds the lock: nobody, a live or a dead program here, a program on another computer
  // that touched its lock lately or long ago, a lock file no program can read, long ago.
  enum Lock { kFree, kHere, kDead, kAway, kStale, kBroken };
  enum Opened { kOwn, kRead, kCopy, kNot };  // with the lock, read-only, as a copy, not at all
  QByteArray same_size = saved;
  same_size.replace("MADE IN TAIWAN", "MADE IN JAPAN!");
  const QByteArray longer = saved + "\n";
  const QString other = folder.File(QStringLiteral("客戶A 二.cratemark"));
  const struct {
    const char* what;
    Lock lock;
    std::deque<int> choices;            // the answers, in turn
    std::optional<QByteArray> written;  // by another program, after the open
    QString save_as;                    // the name 另存新檔 is given
    const char* asked;                  // a part of each question, "|" between them
    const char* said;                   // a part of the message, if any
    Opened opened;
    QString saved_to;  // empty: nothing is saved
  } cases[] = {
      {"nobody has it", kFree, {}, {}, {}, "", "", kOwn, job},
      {"read-only, onto it", kHere, {0, 0}, {}, job, "這台電腦|唯讀", "正開著", kRead, {}},
      {"a copy", kHere, {1}, {}, other, "在這台電腦上", "", kCopy, other},
      {"not at all", kHere, {2}, {}, {}, "在這台電腦上", "", kNot, {}},
      {"away", kAway, {0, 0}, {}, other, "王小明, 在電腦「OFFICE-2」|唯讀", "", kRead, other},
      {"away, stale", kStale, {}, {}, {}, "", "", kOwn, job},
      {"its program died", kDead, {}, {}, {}, "", "", kOwn, job},
      {"cut short, long ago", kBroken, {}, {}, {}, "", "", kOwn, job},
      {"written again the same", kFree, {}, saved, {}, "", "", kOwn, job},
      {"changed, 另存新檔", kFree, {0}, same_size, other, "被別的程式改過", "", kOwn, other},
      {"changed, onto it", kFree, {0}, same_size, job, "被別的程式改過", "不能蓋過它", kOwn, {}},
      {"changed, 取消", kFree, {1}, longer, {}, "被別的程式改過", "", kOwn, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder.Write(QFileInfo(job).fileName(), saved);
    QFile::remove(other);
    std::unique_ptr<JobLock> holder;
    if (c.lock == kHere) {
      holder = std::make_unique<JobLock>(job);
      ASSERT_EQ(holder->Take(), JobLock::Outcome::kTaken);
    }
    // No process has so high an id.
    if (c.lock == kDead) WriteLock(QSysInfo::machineHostName(), 0x7ffffff0, 0);
    if (c.lock == kAway) WriteLock(u"OFFICE-2"_qs, 42, JobLock::kStaleMs / 2);
    if (c.lock == kStale) WriteLock(u"OFFICE-2"_qs, 42, JobLock::kStaleMs + 60000);
    if (c.lock == kBroken) WriteLock({}, 0, JobLock::kStaleMs + 60000);
    const QByteArray held = folder.Read(QFileInfo(lock).fileName());
    ScriptedPrompter prompter;
    prompter.choices = c.choices;
    JobSession session(prompter);
    session.model().work_dir = folder.path();
    session.SetSavePathAsker([&] { return c.save_as; });
    const MainModel before = session.model();

    ASSERT_EQ(session.Open(job), c.opened != kNot);
    if (c.opened == kNot) {
      ExpectSameModel(before, session.model(), "the new job stays");
    } else {
      EXPECT_EQ(JobBytesAsSaved(session.model()), JobInFile(job));
      EXPECT_EQ(session.read_only(), c.opened == kRead);
      EXPECT_EQ(session.Title().contains(u"客戶A.cratemark (唯讀) - "), c.opened == kRead);
      EXPECT_EQ(session.Title().startsWith(u"客戶A 副本 - "), c.opened == kCopy);
      EXPECT_EQ(session.SuggestedFileName(), c.opened == kCopy ? u"客戶A 副本"_qs : u"客戶A"_qs);
      if (c.opened == kOwn) {
        EXPECT_EQ(LockPid(job), QCoreApplication::applicationPid());
      }
      if (c.written) {
        QFile::remove(job);  // a new file in its place, as programs write
        folder.Write(QFileInfo(job).fileName(), *c.written);
      }
      session.Change(u"typing"_qs, [](MainModel& m) { m.l_content[2] = u"MY EDIT"_qs; });
      const QByteArray edited = JobBytesAsSaved(session.model()).value_or(QByteArray());
      EXPECT_EQ(session.Save(), !c.saved_to.isEmpty());
      EXPECT_EQ(JobBytesAsSaved(session.model()), edited);
      EXPECT_EQ(session.IsModified(), c.saved_to.isEmpty());
      if (c.saved_to != job) {
        EXPECT_EQ(folder.Read(QFileInfo(job).fileName()), c.written.value_or(saved));
      }
      if (!c.saved_to.isEmpty()) {
        EXPECT_EQ(JobInFile(c.saved_to), edited);
        EXPECT_EQ(LockPid(c.saved_to), QCoreApplication::applicationPid());
      }
    }
    const QStringList asked = QString::fromUtf8(c.asked).split(u'|', Qt::SkipEmptyParts);
    ASSERT_EQ(prompter.questions.size(), asked.size())
        << prompter.questions.join(u'|').toStdString();
    for (int i = 0; i < asked.size(); ++i) EXPECT_TRUE(prompter.questions[i].contains(asked[i]));
    EXPECT_EQ(prompter.messages.size(), *c.said ? 1 : 0);
    EXPECT_TRUE(prompter.messages.value(0).contains(QString::fromUtf8(c.said)));
    // 開新工作 lets the session's own locks go, never the holder's.
    prompter.save_answers = {SaveChoice::kDiscard};
    ASSERT_TRUE(session.New());
    const bool held_elsewhere = c.lock == kHere || c.lock == kAway;
    EXPECT_EQ(folder.Read(QFileInfo(lock).fileName()), held_elsewhere ? held : QByteArray());
    EXPECT_FALSE(QFileInfo::exists(JobLock::LockPath(other)));
    holder.reset();
    QFile::remove(lock);
  }
}

// Two clerks, two programs, one job file on the shared folder. The first clerk's own settings file
// is a pipe, which used to keep the window from ever coming up.
TEST_F(SharedJobTest, TwoProgramsOnOneJobFile) {
  TempFolder home1;
  TempFolder home2;
  const QString settings = home1.File(QStringLiteral("config/Cratemark/Cratemark.conf"));
  ASSERT_TRUE(QDir().mkpath(QFileInfo(settings).path()));
  ASSERT_EQ(::mkfifo(QFile::encodeName(settings).constData(), 0600), 0);
  const auto text = [](const QByteArray& bytes) { return QString::fromUtf8(bytes); };

  DrivenProgram first(QStringLiteral(CRATEMARK_EXE), folder.path(), home1.path(), {job});
  ASSERT_TRUE(first.process.waitForStarted());
  const QString said = text(first.Ask(QStringLiteral("message")));
  EXPECT_TRUE(said.contains(u"Cratemark.conf 無法使用: 這不是一般的檔案")) << said.toStdString();
  first.Send(QStringLiteral("enter"));
  EXPECT_TRUE(text(first.Ask(QStringLiteral("title"))).startsWith(u"客戶A.cratemark - "));
  const auto holder = ReadLockHolder(lock);
  ASSERT_TRUE(holder) << "the first program holds the lock";

  // The second program says who has the job, and opens it read-only.
  DrivenProgram second(QStringLiteral(CRATEMARK_EXE), folder.path(), home2.path(), {job});
  ASSERT_TRUE(second.process.waitForStarted());
  const QString asked = text(second.Ask(QStringLiteral("message")));
  EXPECT_TRUE(asked.contains(holder->user + u", 在這台電腦上, 從"_qs)) << asked.toStdString();
  for (const char* button : {"\n唯讀開啟(&R)", "\n開成副本(&C)", "\n不開啟(&N)"}) {
    EXPECT_TRUE(asked.contains(QString::fromUtf8(button))) << asked.toStdString();
  }
  second.Send(QStringLiteral("press 唯讀開啟"));
  EXPECT_TRUE(text(second.Ask(QStringLiteral("title"))).startsWith(u"客戶A.cratemark (唯讀) - "));

  // Its 儲存 offers 另存新檔, which suggests the job's name in the folder it came from.
  second.Send(QStringLiteral("type l_content(9) SECOND CLERK"));
  second.Send(QStringLiteral("trigger action_save_job"));
  EXPECT_TRUE(text(second.Ask(QStringLiteral("message"))).contains(u"唯讀開啟"));
  second.Send(QStringLiteral("press 另存新檔"));
  const QString other = folder.File(QStringLiteral("客戶A 二.cratemark"));
  EXPECT_EQ(text(second.Ask(QStringLiteral("file ") + other)).trimmed(), job);
  EXPECT_TRUE(text(second.Ask(QStringLiteral("title"))).startsWith(u"客戶A 二.cratemark - "));

  // The first clerk saves the job as usual.
  first.Send(QStringLiteral("type l_content(9) FIRST CLERK"));
  first.Send(QStringLiteral("trigger action_save_job"));
  EXPECT_TRUE(text(first.Ask(QStringLiteral("title"))).startsWith(u"客戶A.cratemark - "));
  EXPECT_TRUE(folder.Read(QFileInfo(job).fileName()).contains("FIRST CLERK"));
  EXPECT_TRUE(folder.Read(QFileInfo(other).fileName()).contains("SECOND CLERK"));

  // The first program dies; the second takes over its lock without a question.
  first.process.kill();
  ASSERT_TRUE(first.process.waitForFinished());
  ASSERT_TRUE(QFileInfo::exists(lock));
  second.Send(QStringLiteral("trigger action_open_job"));
  second.Ask(QStringLiteral("file ") + job);
  EXPECT_TRUE(text(second.Ask(QStringLiteral("title"))).startsWith(u"客戶A.cratemark - "));
  EXPECT_EQ(LockPid(job), second.process.processId());
  second.Send(QStringLiteral("close"));
  ASSERT_TRUE(second.process.waitForFinished(30000))
      << second.process.readAllStandardError().toStdString();
  EXPECT_EQ(second.process.exitCode(), 0);
  EXPECT_FALSE(QFileInfo::exists(lock)) << "closing lets the lock go";
}

// A lock in a clerk's words: who, where, and since when, as a clerk says a time.
TEST(JobLock, SaysWhoHasTheJobWhereAndSinceWhen) {
  const QDateTime now(QDate(2024, 3, 5), QTime(10, 0));
  const auto at = [](int y, int m, int d, int h, int min) {
    return QDateTime(QDate(y, m, d), QTime(h, min));
  };
  const struct {
    JobLock::Holder holder;
    const char* says;
  } cases[] = {
      {{u"王小明"_qs, u"OFFICE-2"_qs, at(2024, 3, 5, 0, 5), false},
       "王小明, 在電腦「OFFICE-2」上, 從今天 00:05起"},
      {{u"王小明"_qs, {}, at(2024, 3, 4, 23, 59), true}, "王小明, 在這台電腦上, 從昨天 23:59起"},
      {{u"王小明"_qs, {}, at(2024, 1, 2, 8, 0), true}, "王小明, 在這台電腦上, 從1月2日 08:00起"},
      {{u"王小明"_qs, {}, at(2023, 12, 31, 23, 0), true},
       "王小明, 在這台電腦上, 從2023年12月31日 23:00起"},
      {{{}, u"OTHER"_qs, {}, false}, "另一個 Cratemark, 在電腦「OTHER」上"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LockHolderText(c.holder, now), QString::fromUtf8(c.says));
  }
}

// The lock of a program that keeps a job open for hours stays fresh for the other computers.
TEST(JobLock, IsKeptFreshWhileHeldAndLetGoAfter) {
  TempFolder folder;
  const QString job = folder.File(QStringLiteral("j.cratemark"));
  const QString lock = JobLock::LockPath(job);
  {
    JobLock held(job);
    ASSERT_EQ(held.Take(), JobLock::Outcome::kTaken);
    QFile file(lock);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    held.Refresh();
    EXPECT_LT(QFileInfo(lock).lastModified().secsTo(QDateTime::currentDateTime()), 60);
  }
  EXPECT_FALSE(QFileInfo::exists(lock));
}

}  // namespace
