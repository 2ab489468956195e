#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Every file the program reads comes through here: history records, pictures and, later, job
// files and imports. Only a regular file is opened, so a FIFO, a device or a link to one never
// makes the window wait; and no more than `max_bytes` are read, so a huge file costs no more than
// a small one.

struct FileBytes {
  QByteArray bytes;       // the first `max_bytes` bytes at most
  bool complete = false;  // false when the file holds more than that
};

// Why ReadRegularFile gave nothing.
enum class FileReadFailure {
  kNotRegular,  // missing, a folder, a FIFO, a device, a link to one
  kNotOpened,   // a regular file that could not be opened (no permission)
  kNotRead,     // opened, but reading it failed
};

// The bytes of the regular file at `path` (a link is followed); nothing when there is no such
// file or it cannot be read, and then `failure`, when given, says why. A file longer than
// `max_bytes` gives its first `max_bytes` bytes and `complete` false; with `read_overlong` false it
// gives no bytes at all then, for callers that refuse such a file anyway.
std::optional<FileBytes> ReadRegularFile(const QString& path, qint64 max_bytes,
                                         bool read_overlong = true,
                                         FileReadFailure* failure = nullptr);

// True when `path` names a regular file (a link is followed).
bool IsRegularFile(const QString& path);
