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

// Who may hold the lock when a second program opens the job, and what the clerk answers.
TEST_F(SharedJobTest, AJobAnotherProgramHasOpenIsOfferedReadOnlyOrAsACopy) {
  enum Lock { kFree, kLiveHere, kDeadHere, kFreshElsewhere, kStaleElsewhere };
  enum Result { kOwn, kReadOnly, kCopy, kNotOpened };
  const struct {
    const char* what;
    Lock lock;
    int choice;            // the answer to the question, when it is asked
    const char* question;  // what the question names; nullptr: no question
    Result result;
  } cases[] = {
      {"nobody has it", kFree, -1, nullptr, kOwn},
      {"a program on this computer, read-only", kLiveHere, 0, "在這台電腦上", kReadOnly},
      {"a program on this computer, as a copy", kLiveHere, 1, "在這台電腦上", kCopy},
      {"a program on this computer, not at all", kLiveHere, 2, "在這台電腦上", kNotOpened},
      {"another computer", kFreshElsewhere, 0, "王小明, 在電腦「OFFICE-2」上, 從今天", kReadOnly},
      {"another computer, untouched past the stale time", kStaleElsewhere, -1, nullptr, kOwn},
      {"a program on this computer that died", kDeadHere, -1, nullptr, kOwn},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<JobLock> other;
    switch (c.lock) {
      case kFree:
        break;
      case kLiveHere:
        other = std::make_unique<JobLock>(job);
        ASSERT_EQ(other->Take(), JobLock::Outcome::kTaken);
        break;
      case kDeadHere:
        // No process has so high an id.
        WriteLock(QSysInfo::machineHostName(), 0x7ffffff0, 0);
        break;
      case kFreshElsewhere:
        WriteLock(QStringLiteral("OFFICE-2"), QCoreApplication::applicationPid(),
                  JobLock::kStaleMs / 2);
        break;
      case kStaleElsewhere:
        WriteLock(QStringLiteral("OFFICE-2"), QCoreApplication::applicationPid(),
                  JobLock::kStaleMs + 60 * 1000);
        break;
    }
    const QByteArray lock_before = folder.Read(QFileInfo(lock).fileName());
    ScriptedPrompter prompter;
    JobSession session(prompter);
    session.model().work_dir = folder.path();
    const MainModel before = session.model();
    if (c.choice >= 0) prompter.choices = {c.choice};

    EXPECT_EQ(session.Open(job), c.result != kNotOpened);
    ASSERT_EQ(prompter.questions.size(), c.question ? 1 : 0)
        << prompter.questions.join(u'|').toStdString();
    if (c.question) {
      EXPECT_TRUE(prompter.questions[0].contains(QString::fromUtf8(c.question)))
          << prompter.questions[0].toStdString();
    }
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(u'|').toStdString();
    EXPECT_EQ(session.read_only(), c.result == kReadOnly);
    EXPECT_EQ(session.Title().contains(u"客戶A.cratemark (唯讀) - "), c.result == kReadOnly);
    EXPECT_FALSE(session.IsModified());
    switch (c.result) {
      case kOwn: {
        EXPECT_EQ(LockPid(job), QCoreApplication::applicationPid());
        const auto holder = ReadLockHolder(lock);
        ASSERT_TRUE(holder);
        EXPECT_TRUE(holder->this_computer);
        EXPECT_FALSE(holder->user.isEmpty());
        EXPECT_LT(std::abs(holder->since.secsTo(QDateTime::currentDateTimeUtc())), 60);
        break;
      }
      case kReadOnly:
      case kNotOpened:
        EXPECT_EQ(folder.Read(QFileInfo(lock).fileName()), lock_before) << "the holder's lock";
        break;
      case kCopy:
        EXPECT_TRUE(session.job_path().isEmpty());
        EXPECT_EQ(session.SuggestedFileName(), u"客戶A 副本");
        EXPECT_TRUE(session.Title().startsWith(u"客戶A 副本 - "));
        break;
    }
    if (c.result == kNotOpened) {
      ExpectSameModel(before, session.model(), "the new job stays");
    } else {
      EXPECT_EQ(JobBytesAsSaved(session.model()), JobInFile(job));
    }

    // 開新工作 lets a lock of its own go, and never the holder's.
    ASSERT_TRUE(session.New());
    EXPECT_EQ(QFileInfo::exists(lock), c.lock == kLiveHere || c.lock == kFreshElsewhere);
    other.reset();
    QFile::remove(lock);
  }
}

// What a save does when the job file changed on disk, or another program has it open: it never
// writes over it, offers 另存新檔, and the job on screen stays whatever the clerk answers.
TEST_F(SharedJobTest, ASaveNeverWritesOverAnotherProgramsChanges) {
  QByteArray same_size = saved;
  same_size.replace("MADE IN TAIWAN", "MADE IN JAPAN!");
  ASSERT_EQ(same_size.size(), saved.size());
  const QString other = folder.File(QStringLiteral("客戶A 二.cratemark"));
  enum Open { kOwn, kReadOnly };
  const struct {
    const char* what;
    Open open;
    std::optional<QByteArray> on_disk;  // what another program writes into the file after the open
    std::deque<int> choices;            // the answers to the questions
    QString asked_path;                 // 另存新檔's file, when asked for
    const char* question;               // what the save asks; nullptr: nothing
    const char* message;                // what a refusal says; nullptr: nothing
    bool saved;
    QString saved_to;
  } cases[] = {
      {"nobody changed it", kOwn, std::nullopt, {}, {}, nullptr, nullptr, true, job},
      {"written again with the same job", kOwn, saved, {}, {}, nullptr, nullptr, true, job},
      {"changed, 另存新檔 to another name",
       kOwn,
       same_size,
       {0},
       other,
       "已經被別的程式改過",
       nullptr,
       true,
       other},
      {"changed, 另存新檔 onto the changed file",
       kOwn,
       same_size,
       {0},
       job,
       "已經被別的程式改過",
       "不能蓋過它",
       false,
       {}},
      {"changed, 取消", kOwn, saved + "\n", {1}, {}, "已經被別的程式改過", nullptr, false, {}},
      {"read-only, 另存新檔 onto the file the holder has open",
       kReadOnly,
       saved,
       {0, 0},
       job,
       "唯讀開啟",
       "現在正開著這個檔案",
       false,
       {}},
      {"read-only, 另存新檔 to another name",
       kReadOnly,
       saved,
       {0, 0},
       other,
       "唯讀開啟",
       nullptr,
       true,
       other},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder.Write(QFileInfo(job).fileName(), saved);
    QFile::remove(other);
    std::unique_ptr<JobLock> holder;
    if (c.open == kReadOnly) {
      holder = std::make_unique<JobLock>(job);
      ASSERT_EQ(holder->Take(), JobLock::Outcome::kTaken);
    }
    ScriptedPrompter prompter;
    JobSession session(prompter);
    session.model().work_dir = folder.path();
    prompter.choices = {0};  // read-only, when asked
    ASSERT_TRUE(session.Open(job));
    ASSERT_EQ(session.read_only(), c.open == kReadOnly);
    prompter.questions.clear();
    // Written as another program writes: a new file in its place.
    if (c.on_disk) {
      QFile::remove(job);
      folder.Write(QFileInfo(job).fileName(), *c.on_disk);
    }
    session.Change(QStringLiteral("typing"),
                   [](MainModel& m) { m.l_content[2] = QStringLiteral("THIS CLERK'S EDIT"); });
    const QByteArray edited = JobBytesAsSaved(session.model()).value_or(QByteArray());
    prompter.choices = c.choices;
    session.SetSavePathAsker([&] { return c.asked_path; });

    EXPECT_EQ(session.Save(), c.saved);
    EXPECT_EQ(prompter.questions.size(), c.question ? 1 : 0);
    if (c.question) {
      EXPECT_TRUE(prompter.questions.value(0).contains(QString::fromUtf8(c.question)))
          << prompter.questions.value(0).toStdString();
    }
    EXPECT_EQ(prompter.messages.size(), c.message ? 1 : 0);
    if (c.message) {
      EXPECT_TRUE(prompter.messages.value(0).contains(QString::fromUtf8(c.message)))
          << prompter.messages.value(0).toStdString();
    }
    // Nothing is lost: the job on screen stays, and so does what the other program wrote.
    EXPECT_EQ(JobBytesAsSaved(session.model()), edited);
    EXPECT_EQ(session.IsModified(), !c.saved);
    if (c.saved_to != job) {
      EXPECT_EQ(folder.Read(QFileInfo(job).fileName()), c.on_disk.value_or(saved));
    }
    if (c.saved) {
      EXPECT_EQ(session.job_path(), c.saved_to);
      EXPECT_EQ(JobInFile(c.saved_to), edited);
      EXPECT_EQ(LockPid(c.saved_to), QCoreApplication::applicationPid());
    }
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

  // The first clerk saves the job as usual; then someone changes the file behind the program.
  first.Send(QStringLiteral("type l_content(9) FIRST CLERK"));
  first.Send(QStringLiteral("trigger action_save_job"));
  EXPECT_TRUE(text(first.Ask(QStringLiteral("title"))).startsWith(u"客戶A.cratemark - "));
  EXPECT_TRUE(folder.Read(QFileInfo(job).fileName()).contains("FIRST CLERK"));
  EXPECT_TRUE(folder.Read(QFileInfo(other).fileName()).contains("SECOND CLERK"));
  folder.Write(QFileInfo(job).fileName(), saved);
  first.Send(QStringLiteral("type l_content(10) MORE"));
  first.Send(QStringLiteral("trigger action_save_job"));
  const QString changed = text(first.Ask(QStringLiteral("message")));
  EXPECT_TRUE(changed.contains(u"已經被別的程式改過")) << changed.toStdString();
  first.Send(QStringLiteral("press 取消"));
  EXPECT_TRUE(text(first.Ask(QStringLiteral("title"))).startsWith(u"客戶A.cratemark* - "));
  EXPECT_EQ(folder.Read(QFileInfo(job).fileName()), saved);

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
