#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "model/number_fields.h"  // kTwipsPerMm

// A picture as the label, the preview and the thumbnail use it: the decoded image and its natural
// size in hundredths of a millimetre. The natural size is the pixel size at 96 pixels an inch
// (2540/96 a pixel, rounded), so a picture 100 pixels wide is 2646.
struct Picture {
  QImage image;
  int width = 0;   // natural width, 1/100 mm
  int height = 0;  // natural height, 1/100 mm

  bool IsEmpty() const { return image.isNull(); }
};

// Natural size of `pixels` pixels in hundredths of a millimetre.
int NaturalSize(int pixels);

// Loads a bmp, jpg, gif or png file (whatever Qt's image readers take). An empty path gives an
// empty picture; a missing or undecodable file gives nothing.
std::optional<Picture> LoadPicture(const QString& path);
