#include "picture/picture_chooser.h"

#include <gtest/gtest.h>

#include <QDir>

#include "support/qt_printers.h"
#include "support/temp_folder.h"

namespace {

class PictureChooserTest : public testing::Test {
 protected:
  PictureChooserTest() {
    QDir dir(folder.path());
    dir.mkdir(QStringLiteral("sub"));
    dir.mkdir(QStringLiteral("Art"));
    dir.mkdir(QStringLiteral(".hidden"));
    for (const char* name : {"a.png", "B.JPG", "c.txt", "d.gif", "e.bmp", "f.jpeg", "g.png.txt"}) {
      folder.Write(QLatin1String(name), "x");
    }
    folder.Write(QStringLiteral("sub/inner.png"), "x");
    root = QDir(folder.path()).canonicalPath();
  }

  TempFolder folder;
  QString root;
};

TEST_F(PictureChooserTest, OpensOnTheStartFolderWithItsPictureFiles) {
  const PictureChooser chooser(root, {QStringLiteral("/")});
  EXPECT_EQ(chooser.folder(), root);
  EXPECT_EQ(chooser.drive(), QStringLiteral("/"));
  EXPECT_EQ(chooser.files(), (QStringList{"a.png", "B.JPG", "d.gif", "e.bmp"}));

  // The folder list runs from the root down to the open folder, then its visible subfolders.
  const QList<PictureChooser::FolderEntry>& folders = chooser.folders();
  const QStringList steps = root.split(u'/', Qt::SkipEmptyParts);
  ASSERT_EQ(folders.size(), steps.size() + 3);
  EXPECT_EQ(folders[0], (PictureChooser::FolderEntry{"/", "/", 0, false}));
  const auto& open = folders[steps.size()];
  EXPECT_EQ(open, (PictureChooser::FolderEntry{steps.last(), root, int(steps.size()), true}));
  EXPECT_EQ(folders[steps.size() + 1].name, QStringLiteral("Art"));
  EXPECT_EQ(folders[steps.size() + 2],
            (PictureChooser::FolderEntry{"sub", root + "/sub", int(steps.size()) + 1, false}));
}

TEST_F(PictureChooserTest, FolderAndFileMakeThePath) {
  PictureChooser chooser(root, {QStringLiteral("/")});
  ASSERT_TRUE(chooser.SelectFolder(root + "/sub"));
  EXPECT_EQ(chooser.files(), QStringList{"inner.png"});
  chooser.SelectFile(QStringLiteral("inner.png"));
  EXPECT_EQ(chooser.file_path_name(), root + "/sub/inner.png");

  // A folder that cannot be opened changes nothing.
  EXPECT_FALSE(chooser.SelectFolder(root + "/gone"));
  EXPECT_EQ(chooser.folder(), root + "/sub");
  EXPECT_EQ(chooser.file_path_name(), root + "/sub/inner.png");
}

TEST_F(PictureChooserTest, AnUnreadableDriveIsIgnored) {
  const QString gone = root + "/gone";
  PictureChooser chooser(root + "/sub", {QStringLiteral("/"), root, gone});
  EXPECT_EQ(chooser.drive(), root);  // the innermost drive that holds the folder

  EXPECT_FALSE(chooser.SelectDrive(gone));
  EXPECT_EQ(chooser.drive(), root);
  EXPECT_EQ(chooser.folder(), root + "/sub");

  ASSERT_TRUE(chooser.SelectDrive(QStringLiteral("/")));
  EXPECT_EQ(chooser.folder(), QStringLiteral("/"));
  EXPECT_EQ(chooser.folders().first(), (PictureChooser::FolderEntry{"/", "/", 0, true}));

  ASSERT_TRUE(chooser.SelectDrive(root));
  EXPECT_EQ(chooser.folder(), root);
  EXPECT_EQ(chooser.files().size(), 4);
}

TEST_F(PictureChooserTest, AStartFolderOutsideEveryDriveStillShowsItsRoot) {
  const PictureChooser chooser(root, {});
  EXPECT_EQ(chooser.drives(), QStringList{"/"});
  EXPECT_EQ(chooser.drive(), QStringLiteral("/"));
  EXPECT_EQ(chooser.folder(), root);
}

TEST(JoinPathTest, NeverDoublesTheSeparator) {
  const struct {
    const char* folder;
    const char* expected;
  } cases[] = {
      {"/", "/a.png"},
      {"/home/user", "/home/user/a.png"},
      {"/home/user/", "/home/user/a.png"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(JoinPath(QLatin1String(c.folder), QStringLiteral("a.png")), QLatin1String(c.expected))
        << c.folder;
  }
}

}  // namespace
