#pragma once

#include <QString>

class QSettings;

// The clerk's own settings of the program, kept per user by QSettings in
// ~/.config/Cratemark/Cratemark.conf (XDG_CONFIG_HOME is honoured): the recent jobs and the folder
// last used for each kind of file. The printer settings have a file of their own.

// Where QSettings keeps them.
QString UserSettingsPath();

// Looks at the settings file before any QSettings may: QSettings would wait for ever on a pipe in
// its place, parse a file of any size and take any bytes for settings. A file that is not a
// regular text file of at most a megabyte that QSettings can read is not used: QSettings is given
// an empty folder of the program's own instead, so the program starts with no recent jobs and
// keeps nothing of this run, and the file stays as it is for the clerk to look at. Returns the
// message about it the first time it is called in a program, and nothing after; nothing when the
// file is good or there is none.
QString CheckUserSettings();

// The kinds of file whose folder is remembered.
enum class FileKind { kJob, kPdf };

// Where a dialog that saves a file of `kind` starts: `file_name` in the folder last used for that
// kind when it still exists, else in `fallback_folder`.
QString SuggestedSavePath(const QSettings& settings, FileKind kind, const QString& file_name,
                          const QString& fallback_folder);
// The folder of `file_path` is the one last used for `kind`.
void RememberFolder(QSettings& settings, FileKind kind, const QString& file_path);
