#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "support/temp_folder.h"

// Stand-ins for xdg-open: shell scripts in a folder of their own.
class FakeOpeners : public TempFolder {
 public:
  QString Script(const QString& name, const QByteArray& body) const {
    Write(name, "#!/bin/sh\n" + body + "\n");
    QFile::setPermissions(File(name), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return File(name);
  }
};
