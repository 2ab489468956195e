#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "model/units.h"

// A picture as the label, the preview and the thumbnail use it: the decoded image and its natural
// size in hundredths of a millimetre. The natural size is the pixel size at 96 pixels an inch
// (2540/96 a pixel, rounded), so a picture 100 pixels wide is 2646.
struct Picture {
  QImage image;
  int width = 0;   // natural width, 1/100 mm
  int height = 0;  // natural height, 1/100 mm

  bool IsEmpty() const { return image.isNull(); }
};

// A label picture is a logo: a file larger than this, or one whose pixels would take more memory
// than this many megabytes, is refused like a file that is no picture.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
inline constexpr int kMaxPictureMegabytes = 128;

// Natural size of `pixels` pixels in hundredths of a millimetre.
int NaturalSize(int pixels);

// Loads a bmp, jpg, gif or png file (whatever Qt's image readers take). An empty path gives an
// empty picture; a missing or undecodable file, one that is no regular file (a FIFO, a device)
// and one over the size limits give nothing.
std::optional<Picture> LoadPicture(const QString& path);
