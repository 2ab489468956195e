#include "print/picture_file.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <cmath>

#include "model/file_reading.h"

int NaturalSize(int pixels) {
  return int(std::lround(pixels * kHundredthsMmPerInch / kNaturalPixelsPerInch));
}

std::optional<Picture> LoadPicture(const QString& path) {
  if (path.isEmpty()) return Picture{};
  // The decoder refuses a picture whose pixels would need more memory than this.
  static const bool limited = [] {
    QImageReader::setAllocationLimit(kMaxPictureMegabytes);
    return true;
  }();
  (void)limited;

  std::optional<FileBytes> file = ReadRegularFile(path, kMaxPictureFileBytes, false);
  if (!file || !file->complete) return std::nullopt;
  // The file's ending names the format first, as it would for the file itself; the contents
  // decide when it does not fit.
  QImage image;
  for (const QByteArray& format : {QFileInfo(path).suffix().toLatin1(), QByteArray()}) {
    QBuffer buffer(&file->bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    image = reader.read();
    if (!image.isNull() || format.isEmpty()) break;
  }
  if (image.isNull()) return std::nullopt;
  Picture picture;
  picture.width = NaturalSize(image.width());
  picture.height = NaturalSize(image.height());
  picture.image = std::move(image);
  return picture;
}
