#pragma once

// The help command: the user guide, a plain-text file, opened in the desktop's own application
// for text files; where the desktop has none, or its opener fails, in the program's own window.

#include <QByteArray>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Prompter;

// Opens a file in the desktop's own application for it, without waiting for that application.
class DocumentOpener {
 public:
  virtual ~DocumentOpener() = default;
  // Calls `done` once, at once or later from the event loop, with false when no application
  // took the file.
  virtual void Open(const QString& path, std::function<void(bool opened)> done) = 0;
};

// The desktop's opener, xdg-open, started and watched for `watch_ms` milliseconds: it failed
// when it cannot be started or ends with a non-zero status within that time (xdg-open says 3 or
// 4 when it finds no program). Still running at the end of the watch, it has started a program
// and waits for it, as a plain xdg-open does with an editor: that counts as opened and the
// opener is left running. The window is never blocked: the watch runs on the event loop.
// QDesktopServices::openUrl cannot tell the difference; it reports success as soon as xdg-open
// starts.
class DesktopDocumentOpener : public DocumentOpener {
 public:
  explicit DesktopDocumentOpener(QString program = QStringLiteral("xdg-open"), int watch_ms = 3000);
  // Openers still watched are left running and report nothing more.
  ~DesktopDocumentOpener() override;
  void Open(const QString& path, std::function<void(bool opened)> done) override;

 private:
  QString program_;
  int watch_ms_;
  // Owns the openers still watched.
  QObject watched_;
};

// Shows the guide in the program's own window, when the desktop could not.
class GuideViewer {
 public:
  virtual ~GuideViewer() = default;
  virtual void Show(const QString& path, const QString& text) = 0;
};

inline const QString kHelpDocument = QStringLiteral("readme.txt");
inline const QString kEnglishHelpDocument = QStringLiteral("readme_en.txt");

// The guide for the interface's language: readme_en.txt in English, readme.txt otherwise.
QString HelpDocumentName(const QLocale& locale);

// Where the program's own copies of the guides are: beside the program (the build tree), then
// ../share/cratemark (an installed program, /usr/bin → /usr/share/cratemark).
QStringList ProgramGuideFolders(const QString& program_dir);

// A guide's text, written in UTF-8 (with or without a byte order mark, or UTF-16 with one) or,
// when it is no valid UTF-8, in Big5, as older Traditional Chinese files are.
QString DecodeHelpDocument(const QByteArray& bytes);

// Opens `name` of `work_dir` in the desktop's application for it or, when the working folder
// has none, the first copy in `program_dirs`; when no folder has `name`, the Chinese guide
// readme.txt in the same order, as the guide every installation has. When the desktop cannot open
// it, shows it in `viewer`. When there is no such file or it cannot be read, says so, naming
// `name`. Returns the path handed to the opener, empty when none was. `viewer` and `prompter` must
// outlive the opener's watch.
QString OpenHelpDocument(const QString& work_dir, const QStringList& program_dirs,
                         const QString& name, DocumentOpener& opener, GuideViewer& viewer,
                         Prompter& prompter);
