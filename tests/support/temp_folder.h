#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "support/qt_printers.h"

// A fresh folder for history files and pictures, removed after the test.
class TempFolder {
 public:
  QString path() const { return dir_.path(); }
  QString File(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  void Write(const QString& name, const QByteArray& bytes) const {
    QFile file(File(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }

  QByteArray Read(const QString& name) const {
    QFile file(File(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir dir_;
};
