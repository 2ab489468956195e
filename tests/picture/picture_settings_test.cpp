#include "picture/picture_settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImageReader>

#include "model/main_model.h"
#include "support/scripted_prompter.h"
#include "support/temp_folder.h"
#include "support/test_pictures.h"

namespace {

constexpr double kBoxWidth = 1455;  // the main window's thumbnail box

Picture NaturalSized(int width, int height) {
  Picture picture;
  picture.image = QImage(1, 1, QImage::Format_RGB32);
  picture.width = width;
  picture.height = height;
  return picture;
}

TEST(PicSizeTextTest, IsTheNaturalWidthInMillimetresAtFifteenDigits) {
  const struct {
    int natural_width;
    const char* text;
  } cases[] = {
      {2646, "45.9375"}, {5760, "100"}, {0, "0"}, {100, "1.73611111111111"}, {5292, "91.875"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PicSizeText(c.natural_width), QString::fromLatin1(c.text)) << c.natural_width;
  }
}

TEST(FitThumbnailTest, KeepsProportionsAtTheBoxWidth) {
  const struct {
    int width, height;
    double box;
    bool fits;
    int out_width, out_height;
  } cases[] = {
      {5292, 2646, kBoxWidth, true, 1455, 727},  // twice as wide as high: 727.5 truncated
      {2646, 2646, kBoxWidth, true, 1455, 1455}, {1000, 3000, kBoxWidth, true, 1455, 4365},
      {100, 3000, kBoxWidth, false, 0, 0},  // 43650 twips high does not fit
      {0, 2646, kBoxWidth, false, 0, 0},    // no width to scale by
      {2646, 2646, 40000, false, 0, 0},     // box width beyond 16 bits
  };
  for (const auto& c : cases) {
    const auto thumbnail = FitThumbnail(NaturalSized(c.width, c.height), c.box);
    ASSERT_EQ(thumbnail.has_value(), c.fits) << c.width << "x" << c.height;
    if (!c.fits) continue;
    EXPECT_EQ(thumbnail->width, c.out_width);
    EXPECT_EQ(thumbnail->height, c.out_height);
  }
  EXPECT_FALSE(FitThumbnail(Picture{}, kBoxWidth));
}

TEST(PictureFormatsTest, QtReadsEveryOfferedFormat) {
  const QList<QByteArray> formats = QImageReader::supportedImageFormats();
  for (const char* format : {"bmp", "jpg", "gif", "png"}) {
    EXPECT_TRUE(formats.contains(format)) << format;
  }
}

TEST(PictureFormatsTest, EachOfferedFormatSetsPicSize) {
  TempFolder folder;
  for (const char* suffix : {"bmp", "jpg", "gif", "png", "PNG"}) {
    const QString path = folder.File(QStringLiteral("logo.") + QLatin1String(suffix));
    ASSERT_TRUE(test_pictures::Write(path, 200, 100)) << suffix;
    MainModel model;
    model.pic_file_name = path;
    model.pic_size = QStringLiteral("12");  // typed by hand; the picture's own size replaces it
    ScriptedPrompter prompter;
    const auto thumbnail = PreviewPicture(model, prompter, kBoxWidth);
    ASSERT_TRUE(thumbnail) << suffix;
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(thumbnail->picture.width, 5292) << suffix;
    EXPECT_EQ(thumbnail->height, 727) << suffix;
    EXPECT_EQ(model.pic_size, QStringLiteral("91.875")) << suffix;
  }
}

class PictureCommandTest : public testing::Test {
 protected:
  PictureCommandTest() {
    good = folder.File(QStringLiteral("logo.png"));
    test_pictures::Write(good, 100, 100);
    folder.Write(QStringLiteral("notes.png"), "not a picture at all");
    model.pic_size = QStringLiteral("12");  // typed by hand
  }

  TempFolder folder;
  QString good;
  MainModel model;
  ScriptedPrompter prompter;
};

TEST_F(PictureCommandTest, PreviewOfAnUnusablePathOnlyTellsTheUser) {
  for (const QString& path : {QString(), folder.File(QStringLiteral("missing.png")),
                              folder.File(QStringLiteral("notes.png")), folder.path()}) {
    prompter.messages.clear();
    model.pic_file_name = path;
    EXPECT_FALSE(PreviewPicture(model, prompter, kBoxWidth)) << path.toStdString();
    EXPECT_EQ(prompter.messages, QStringList{PictureFailedMessage()});
    EXPECT_EQ(model.pic_size, QStringLiteral("12"));
    EXPECT_EQ(model.pic_file_name, path);
  }
}

TEST_F(PictureCommandTest, ChoosingAnUnusablePathKeepsTheSettings) {
  model.pic_file_name = good;
  for (const QString& path : {QString(), folder.File(QStringLiteral("notes.png"))}) {
    prompter.messages.clear();
    EXPECT_FALSE(ChoosePicture(model, prompter, path, kBoxWidth));
    EXPECT_EQ(prompter.messages, QStringList{PictureFailedMessage()});
    EXPECT_EQ(model.pic_file_name, good);
    EXPECT_EQ(model.pic_size, QStringLiteral("12"));
  }
}

// A bmp header that claims `width` × `height` pixels, with no pixels after it.
QByteArray BmpHeader(int width, int height) {
  QByteArray bytes("BM");
  const auto put32 = [&bytes](quint32 value) {
    for (int i = 0; i < 4; ++i) bytes += char((value >> (8 * i)) & 0xFF);
  };
  put32(54 + 3u * width * height);  // file size as the header states it
  put32(0);
  put32(54);  // pixels start here
  put32(40);  // the info header
  put32(width);
  put32(height);
  bytes += char(1);
  bytes += char(0);  // one plane
  bytes += char(24);
  bytes += char(0);  // 24 bits a pixel
  for (int i = 0; i < 6; ++i) put32(0);
  return bytes;
}

TEST_F(PictureCommandTest, WhatIsNoPictureFileIsRefusedAtOnce) {
  // A FIFO froze the window for good; a huge picture would take the memory of the machine. Each
  // gets the picture message, and nothing else changes.
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.File(QStringLiteral("fifo.png"))).constData(), 0600),
            0);
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.File(QStringLiteral("zero.bmp"))));
  folder.Write(QStringLiteral("huge.bmp"), BmpHeader(20000, 20000));  // 1.6 GB of pixels
  QFile big(folder.File(QStringLiteral("big.bmp")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write(BmpHeader(100, 100));
  ASSERT_TRUE(big.resize(kMaxPictureFileBytes + 1));
  big.close();

  model.pic_file_name = good;
  for (const char* name : {"fifo.png", "zero.bmp", "huge.bmp", "big.bmp"}) {
    SCOPED_TRACE(name);
    prompter.messages.clear();
    const QString path = folder.File(QString::fromLatin1(name));
    EXPECT_FALSE(ChoosePicture(model, prompter, path, kBoxWidth));
    EXPECT_EQ(prompter.messages, QStringList{PictureFailedMessage()});
    EXPECT_EQ(model.pic_file_name, good);
    EXPECT_FALSE(LoadPicture(path));
  }
}

TEST_F(PictureCommandTest, AFileEndingThatLiesStillLoads) {
  // The ending names the format first; the contents decide when it does not fit.
  const QString path = folder.File(QStringLiteral("really-a-png.jpg"));
  ASSERT_TRUE(QFile::copy(good, path));
  EXPECT_TRUE(ChoosePicture(model, prompter, path, kBoxWidth));
  EXPECT_TRUE(prompter.messages.isEmpty());
}

}  // namespace
