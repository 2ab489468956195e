#pragma once

#include <QByteArray>
#include <QString>
#include <system_error>
#include <type_traits>

class QSaveFile;

// Every file the program writes comes through here: job files, recovery files, history records,
// the printer settings and PDF files. A write is complete or it is absent: the bytes go into a new
// file, are forced onto the disk and checked at every step, and only then take the old file's
// place, so a full disk or a failing drive leaves the old file exactly as it was and says why.
//
// Qt's QSaveFile alone is not enough: it keeps the last piece of a file in its buffer and writes
// it in commit() without looking whether that worked, so a file that did not fit on the disk
// replaced the old one as an empty or cut-off file, and commit() still reported success.

// Why a write was refused before anything was written, beside the system's own errors.
enum class FileWriteError {
  kNotRegularFile = 1,  // the target exists and is a device, a FIFO or a socket
};
const std::error_category& FileWriteCategory();
std::error_code make_error_code(FileWriteError error);
template <>
struct std::is_error_code_enum<FileWriteError> : std::true_type {};

// Whether `path` may be written over: nothing when it does not exist or is a regular file (or a
// link to one); otherwise why not. A device is never replaced by a file, whoever runs the program.
std::error_code TargetProblem(const QString& path);

// Writes `bytes` into the new file `path`, which must not exist yet, and through to the disk. On
// failure nothing of it is left.
std::error_code WriteNewFile(const QString& path, const QByteArray& bytes);

// Replaces the file `path` (or creates it) with `bytes`, all or nothing: the bytes are written to
// a file of their own beside it and renamed over it once they are on the disk. A link is written
// through: the file it names gets the bytes and the link stays. An existing file keeps its
// permissions, and one that may not be written is refused, as an editor refuses it.
std::error_code ReplaceFile(const QString& path, const QByteArray& bytes);

// Finishes a QSaveFile that was written piece by piece (a PDF file as it is drawn): its buffer is
// flushed and the file forced onto the disk, each checked, before commit() puts it in place. False,
// with the file thrown away, when any of it failed.
bool CommitSaveFile(QSaveFile& file);

// The reason in the clerk's words, such as 磁碟已滿; for an error without words of its own, the
// system's description.
QString WriteFailureText(const std::error_code& error);
