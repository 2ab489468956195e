#include "model/file_reading.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "support/temp_folder.h"

namespace {

class FileReadingTest : public testing::Test {
 protected:
  QString Fifo(const QString& name) {
    const QString path = folder.File(name);
    EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    return path;
  }

  TempFolder folder;
};

}  // namespace

TEST_F(FileReadingTest, ReadsARegularFileOrALinkToOne) {
  folder.Write(QStringLiteral("plain"), "abc\n");
  ASSERT_TRUE(
      QFile::link(folder.File(QStringLiteral("plain")), folder.File(QStringLiteral("link"))));
  for (const char* name : {"plain", "link"}) {
    const auto file = ReadRegularFile(folder.File(QString::fromLatin1(name)), 100);
    ASSERT_TRUE(file) << name;
    EXPECT_EQ(file->bytes, "abc\n");
    EXPECT_TRUE(file->complete);
    EXPECT_TRUE(IsRegularFile(folder.File(QString::fromLatin1(name))));
  }
}

TEST_F(FileReadingTest, NeverOpensWhatIsNoRegularFile) {
  // Each of these used to keep the window waiting: a FIFO until someone writes into it, a device
  // for ever. They are refused at once.
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.File(QStringLiteral("zero"))));
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("folder")));
  const QString paths[] = {Fifo(QStringLiteral("fifo")),
                           folder.File(QStringLiteral("zero")),
                           QStringLiteral("/dev/zero"),
                           folder.File(QStringLiteral("folder")),
                           folder.File(QStringLiteral("missing")),
                           QString()};
  for (const QString& path : paths) {
    FileReadFailure failure = FileReadFailure::kNotRead;
    EXPECT_FALSE(ReadRegularFile(path, 1024, true, &failure)) << path.toStdString();
    EXPECT_EQ(failure, FileReadFailure::kNotRegular) << path.toStdString();
    EXPECT_FALSE(IsRegularFile(path)) << path.toStdString();
  }
  // A regular file that opens but cannot be read says so apart.
  FileReadFailure failure = FileReadFailure::kNotRegular;
  EXPECT_FALSE(ReadRegularFile(QStringLiteral("/proc/self/mem"), 1024, true, &failure));
  EXPECT_EQ(failure, FileReadFailure::kNotRead);
}

TEST_F(FileReadingTest, ReadsNoMoreThanItIsAllowed) {
  folder.Write(QStringLiteral("ten"), "0123456789");
  const struct {
    qint64 limit;
    bool read_overlong;
    const char* bytes;
    bool complete;
  } cases[] = {
      {10, true, "0123456789", true}, {11, false, "0123456789", true},
      {4, true, "0123", false},       {4, false, "", false},  // refused unread
      {0, true, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limit);
    const auto file = ReadRegularFile(folder.File(QStringLiteral("ten")), c.limit, c.read_overlong);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->bytes, QByteArray(c.bytes));
    EXPECT_EQ(file->complete, c.complete);
  }

  // A sparse file of 200 MB costs only the bytes asked for.
  QFile big(folder.File(QStringLiteral("big")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write("head");
  ASSERT_TRUE(big.resize(200LL * 1024 * 1024));
  big.close();
  const auto file = ReadRegularFile(big.fileName(), 16);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->bytes, QByteArray("head") + QByteArray(12, '\0'));
  EXPECT_FALSE(file->complete);
}
