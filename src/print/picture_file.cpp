#include "print/picture_file.h"

#include <QImageReader>
#include <cmath>

int NaturalSize(int pixels) { return int(std::lround(pixels * 2540.0 / 96.0)); }

std::optional<Picture> LoadPicture(const QString& path) {
  if (path.isEmpty()) return Picture{};
  QImageReader reader(path);
  reader.setAutoTransform(true);
  QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  Picture picture;
  picture.width = NaturalSize(image.width());
  picture.height = NaturalSize(image.height());
  picture.image = std::move(image);
  return picture;
}
