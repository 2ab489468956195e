#pragma once

#include <QString>

class Prompter;

// Opens a file in the desktop's own application for it, without waiting for that application.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // False when no application could be started.
  virtual bool Open(const QString& path) = 0;
};

// The desktop's default application for the file's type (xdg-open on Linux, the shell elsewhere).
class DesktopDocumentOpener : public DocumentOpener {
 public:
  bool Open(const QString& path) override;
};

inline const QString kHelpDocument = QStringLiteral("readme.txt");

// Opens readme.txt of `work_dir` in the text editor, or, when the working folder has none, the
// copy in `program_dir` that comes with the program. When there is no such file or no editor can
// be started, says so. Returns the path handed to the editor, empty when none was.
QString OpenHelpDocument(const QString& work_dir, const QString& program_dir,
                         DocumentOpener& opener, Prompter& prompter);
