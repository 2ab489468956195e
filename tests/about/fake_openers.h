#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>

#include "about/help_document.h"
#include "support/temp_folder.h"

// An opener that notes what it was asked to open and answers as `works` says.
class RecordingOpener : public DocumentOpener {
 public:
  void Open(const QString& path, std::function<void(bool)> done) override {
    opened << path;
    done(works);
  }
  QStringList opened;
  bool works = true;
};

// A viewer that notes each guide shown as "path|text".
class RecordingViewer : public GuideViewer {
 public:
  void Show(const QString& path, const QString& text) override { shown << path + u'|' + text; }
  QStringList shown;
};

// Stand-ins for xdg-open: shell scripts in a folder of their own.
class FakeOpeners : public TempFolder {
 public:
  QString Script(const QString& name, const QByteArray& body) const {
    Write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(File(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return File(name);
  }
};
