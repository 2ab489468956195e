#include "model/file_writing.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "support/full_disk.h"
#include "support/temp_folder.h"

namespace {

class FileWritingTest : public testing::Test {
 protected:
  // What the folder holds besides `expected`: a leftover of a write that failed.
  QStringList Leftovers(const QStringList& expected) const {
    QStringList names =
        QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : expected) names.removeAll(name);
    return names;
  }

  static mode_t Mode(const QString& path) {
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode;
  }

  TempFolder folder;
};

}  // namespace

TEST_F(FileWritingTest, ReplacesARegularFileAndRefusesEverythingElse) {
  folder.Write(QStringLiteral("plain"), "old");
  ::chmod(QFile::encodeName(folder.File(QStringLiteral("plain"))).constData(), 0640);
  folder.Write(QStringLiteral("target"), "old");
  ASSERT_TRUE(QFile::link(folder.File(QStringLiteral("target")), folder.File("link")));
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.File(QStringLiteral("fifo"))).constData(), 0600), 0);
  folder.Write(QStringLiteral("read-only"), "old");
  ::chmod(QFile::encodeName(folder.File(QStringLiteral("read-only"))).constData(), 0444);
  const bool superuser = ::geteuid() == 0;

  const struct {
    QString path;
    QString reason;  // empty: written
    QString holds;   // the file that has the new bytes, or still the old ones
    mode_t mode;     // what the path is afterwards: its type and permissions
  } cases[] = {
      {folder.File("plain"), {}, folder.File("plain"), S_IFREG | 0640},
      {folder.File("link"), {}, folder.File("target"), S_IFLNK},  // written through
      {folder.File("folder"), "這是一個資料夾, 不是檔案", {}, S_IFDIR},
      {folder.File("fifo"), "這不是一般的檔案 (可能是裝置或管道)", {}, S_IFIFO},
      {"/dev/full", "這不是一般的檔案 (可能是裝置或管道)", {}, S_IFCHR},
      {folder.File("missing/new"), "資料夾不存在", {}, 0},
      {folder.File("read-only"), superuser ? QString() : QStringLiteral("沒有寫入的權限"),
       folder.File("read-only"), S_IFREG | 0444},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const std::error_code error = ReplaceFile(c.path, "new bytes");
    EXPECT_EQ(error ? WriteFailureText(error) : QString(), c.reason);
    if (!c.holds.isEmpty()) {
      QFile file(c.holds);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly));
      EXPECT_EQ(file.readAll(), c.reason.isEmpty() ? "new bytes" : "old");
    }
    if (c.mode & S_IFMT) {
      EXPECT_EQ(Mode(c.path) & S_IFMT, c.mode & S_IFMT);
    }
    if (c.mode & 07777) {
      EXPECT_EQ(Mode(c.path) & 07777, c.mode & 07777);
    }
  }
  EXPECT_EQ(Leftovers({"plain", "link", "target", "folder", "fifo", "read-only"}), QStringList());
}

TEST_F(FileWritingTest, AFullDiskLeavesTheOldFileAndSaysSo) {
  FullDisk disk(folder.path());
  if (!disk.mounted()) GTEST_SKIP() << "cannot mount a small file system here (needs root)";
  const QString job = folder.File(QStringLiteral("job.cratemark"));
  folder.Write(QStringLiteral("job.cratemark"), "the old job");
  disk.Fill();
  const QByteArray longer(5000, 'x');  // less than Qt's buffer: written only at commit

  // Why this writer exists: QSaveFile's commit reports success and leaves an empty file.
  QSaveFile pdf(job);
  ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
  ASSERT_EQ(pdf.write(longer), longer.size());
  EXPECT_FALSE(CommitSaveFile(pdf));
  EXPECT_EQ(folder.Read(QStringLiteral("job.cratemark")), "the old job");

  const std::error_code replaced = ReplaceFile(job, longer);
  EXPECT_EQ(WriteFailureText(replaced), QStringLiteral("磁碟已滿"));
  EXPECT_EQ(folder.Read(QStringLiteral("job.cratemark")), "the old job");
  EXPECT_EQ(Leftovers({"job.cratemark", "filler"}), QStringList());
}
