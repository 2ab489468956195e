#pragma once

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

// Picture files the tests make for themselves: the left half red, the right half blue. Qt reads
// gif but cannot write it, so gif files are written here by hand.

namespace test_pictures {

inline QImage TwoColours(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.setPixel(x, y, x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
  }
  return image;
}

inline void Put16(QByteArray& bytes, int value) {
  bytes += char(value & 0xFF);
  bytes += char((value >> 8) & 0xFF);
}

// A gif whose LZW data never lets the code table grow past 8-bit codes: a clear code every
// hundred pixels keeps every code exactly one byte.
inline QByteArray Gif(int width, int height) {
  QByteArray bytes("GIF89a");
  Put16(bytes, width);
  Put16(bytes, height);
  bytes += char(0xF6);  // a global colour table of 128 entries
  bytes += char(0);
  bytes += char(0);
  for (int i = 0; i < 128; ++i) {
    const QColor colour = i == 0 ? QColor(255, 0, 0) : i == 1 ? QColor(0, 0, 255) : Qt::black;
    bytes += char(colour.red());
    bytes += char(colour.green());
    bytes += char(colour.blue());
  }
  bytes += char(0x2C);
  Put16(bytes, 0);
  Put16(bytes, 0);
  Put16(bytes, width);
  Put16(bytes, height);
  bytes += char(0);
  bytes += char(7);  // LZW minimum code size: codes of 8 bits, clear 128, end 129

  QByteArray codes;
  codes += char(128);
  int since_clear = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      codes += char(x < width / 2 ? 0 : 1);
      if (++since_clear == 100) {
        codes += char(128);
        since_clear = 0;
      }
    }
  }
  codes += char(129);
  for (qsizetype at = 0; at < codes.size(); at += 255) {
    const QByteArray block = codes.mid(at, 255);
    bytes += char(block.size());
    bytes += block;
  }
  bytes += char(0);
  bytes += char(0x3B);
  return bytes;
}

// Writes a `width` × `height` picture to `path` in the format its suffix names.
inline bool Write(const QString& path, int width, int height) {
  if (QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(Gif(width, height)) > 0;
  }
  return TwoColours(width, height).save(path);
}

}  // namespace test_pictures
